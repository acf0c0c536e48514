// Our stand-in for the personality programs of the "Data/PMS" folder. Each
// shipped personality has one. Run with "/QORVN" it writes the seven frames
// of the personality's end-of-game show as the picture files name1.tmp ..
// name7.tmp into the data folder, where the show loads and deletes them.
// The frames are our own drawings: a small figure in the personality's
// colours that jumps up, throws its arms in the air and cheers. Run with
// "/SND" it installs the personality's sounds: every sound of its sound
// pack (name.pmp beside name.pms; Voze's program carries Zozida's pack
// too) is written into the user's "Sounds" folder under its ".pmw" name.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace pms {

// How long the game waits for a personality program.
inline constexpr int kProgramTimeoutMs = 3000;

// The size of every frame, in pixels.
inline constexpr int kFrameWidth = 128;
inline constexpr int kFrameHeight = 96;
inline constexpr int kFrameCount = 7;

// The personalities whose program draws show frames ("Grisk", the default
// opponent, has its frames built into the game, and its program only
// installs sounds).
QStringList ShippedPersonalities();

// True when personality name has a program of ours: Grisk and the shipped ones.
bool HasPersonalityProgram(const QString& name);

// One sound of a personality's sound pack: its ".pmw" file name and the
// WAV bytes.
struct PackedSound {
    QString name;
    QByteArray bytes;
    bool operator==(const PackedSound&) const = default;
};
// The bytes of a pack file (".pmp"): "GVSP", a 16-bit count, then each
// sound as a 16-bit name length, the Latin-1 name, a 32-bit length and the
// bytes; little-endian.
QByteArray EncodeSoundPack(const std::vector<PackedSound>& sounds);
// False for bytes that are not a whole pack, or that name a sound with a
// folder in it or without the ".pmw" ending.
bool DecodeSoundPack(const QByteArray& bytes, std::vector<PackedSound>& sounds);

// The ".pmw" names of the sounds in personality name's own sound pack
// (name.pmp in programFolder), as "/SND" writes them; none when the pack is
// missing or damaged.
QStringList SoundPackNames(const QString& name, const QString& programFolder);

// Frame 1..7 of a personality's show. The default opponent's too.
QImage PersonalityFrame(const QString& name, int frame);

// Runs the program of personality name, which lives in programFolder (the
// "Data/PMS" folder, with its sound packs), with argument and waits for it,
// at most timeoutMs. "/QORVN" writes the seven frames into outFolder (the
// data folder), "/SND" the personality's sounds (into the user's "Sounds"
// folder); both folders end with a separator. False when the personality
// has no program, the argument is not one it knows, its pack is missing or
// damaged, or a file could not be written in time.
bool RunPersonalityProgram(const QString& name, const QString& argument, const QString& programFolder,
                           const QString& outFolder, int timeoutMs);

// "/SND" for a start: the program's packs are read now, once, and their
// sounds written into outFolder with the run's other files (run_files:
// after the table's first paint, or as soon as a reader asks for them). The
// ".pmw" names that outFolder will hold; none when the personality has no
// program or its own pack is missing or damaged. Sounds of that program
// still waiting are not read again.
QStringList InstallSoundsAfterShow(const QString& name, const QString& programFolder, const QString& outFolder);
// True when the file at path is a personality sound still waiting to be written.
bool SoundWaitsToBeWritten(const QString& path);
// Writes now the put-off sounds that the file at path is one of (only those).
void WriteWaitingSoundNow(const QString& path);

}  // namespace pms
