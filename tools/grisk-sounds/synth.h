// The program's own sounds, made from nothing but arithmetic: tones with
// soft envelopes, filtered noise for the cards, a few chords. The output is
// the same, byte for byte, on every run.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace grisk_sounds {

inline constexpr int kSampleRate = 22050;

using Samples = std::vector<std::int16_t>;

// One sound the program carries: its resource number, a short name, when the
// game plays it, and how it is made.
struct ProgramSound {
    int number;
    const char* name;
    const char* use;
    Samples (*render)();
};

// The sounds 105..123, in number order.
std::span<const ProgramSound> programSounds();

// 50 ms of silence: what an opponent whose sound file is missing plays.
Samples emptySound();

// The slap of the opponent's avatar ("slap.wav" of the user's sounds).
Samples slapSound();

// The chat's own sounds: the user's "Sounds/NAME.wav" (grisk-setup writes
// them), offered in the chat window's sound list.
struct ChatSound {
    const char* name;
    const char* use;
    Samples (*render)();
};
std::span<const ChatSound> chatSounds();

// The sounds of each personality, events 1..16: the player's wild King,
// turn over, four gloats, four groans, whining, thanks, a cheer, the
// winner's and the loser's song, its own wild King.
inline constexpr int kPersonalitySounds = 16;
std::vector<std::string> personalityNames();
// The sixteen sounds of a personality's voice, in event order; none for a
// name without a voice.
std::vector<Samples> personalitySounds(std::string_view name);

// The intro music, some twenty seconds long ("intro.wav"; the build encodes
// it as the program's "Data/Intro.mp3").
Samples introMusic();

// A whole WAV file: the 44-byte RIFF header and 16-bit mono PCM data.
std::vector<std::uint8_t> wavFile(const Samples& samples, int sampleRate = kSampleRate);

}  // namespace grisk_sounds
