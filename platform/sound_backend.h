// What the sound module (Qt Multimedia) does for platform/sound.h. The
// module is loaded on the first sound; see platform/late_module.h.
#pragma once

#include <QString>

namespace sound {

class Backend {
public:
    virtual ~Backend() = default;
    // True when an audio output device exists.
    virtual bool AudioAvailable() = 0;
    // The calls of platform/sound.h, for a file already found to be a WAV
    // (or, for music, a readable file).
    virtual bool PlayAsync(const QString& wavPath) = 0;
    virtual bool PlaySync(const QString& wavPath, int capMs) = 0;
    virtual void StopWav() = 0;
    // False, with the player's reason in errorText, when the player cannot
    // open the file; it waits (a short while at most) for the player to
    // have read the file's head.
    virtual bool MusicPlay(const QString& mp3Path, QString& errorText) = 0;
    virtual void MusicStop() = 0;
    virtual bool MusicIsPlaying() = 0;
};

inline constexpr char kModule[] = "grisk-sound";
// extern "C" sound::Backend* grisk_sound_backend(): the module's one backend.
inline constexpr char kEntry[] = "grisk_sound_backend";

}  // namespace sound
