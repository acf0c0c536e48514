// Sounds: WAV files played by name and the intro music. Without an audio
// device (a build machine) every call fails quietly and reports false.
#pragma once

#include <QString>

namespace sound {

// Starts playing a WAV file and returns at once; a new request replaces the
// one playing. False when the file cannot be played.
bool PlayAsync(const QString& wavPath);
// Plays a WAV file and returns when it has ended, or after capMs at most.
bool PlaySync(const QString& wavPath, int capMs = 5000);
// Stops the WAV sound playing, if any.
void StopWav();
// Plays a WAV file in a player process of its own (grisk-play-sound beside
// the program's modules), which has the file open before this returns and plays it to
// its end, whether the program and the file are still there or not: the
// sound a closing program plays. False when the file cannot be played or
// the player cannot start.
bool PlayAfterExit(const QString& wavPath);

// The music player (MP3): one piece at a time, played in the background to
// its end. Playing: it has started. NoDevice: there is no audio output, so
// nothing plays (and nothing is wrong). Failed: the file is missing or the
// player cannot open it; errorText then holds the player's reason.
enum class MusicResult { Playing, NoDevice, Failed };
MusicResult MusicPlay(const QString& mp3Path, QString* errorText = nullptr);
void MusicStop();
bool MusicIsPlaying();

// True when an audio output device exists.
bool AudioAvailable();

// What was asked of the player last (for tests): the path of the last WAV
// request, accepted or not.
QString LastRequested();

}  // namespace sound
