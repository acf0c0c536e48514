// Our stand-in for the personality programs of the "Data/PMS" folder. Each
// shipped personality has one; run with "/QORVN" it writes the seven frames
// of the personality's end-of-game show as the picture files name1.tmp ..
// name7.tmp into the data folder, where the show loads and deletes them.
// The frames are our own drawings: a small figure in the personality's
// colours that jumps up, throws its arms in the air and cheers.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace pms {

// The size of every frame, in pixels.
inline constexpr int kFrameWidth = 128;
inline constexpr int kFrameHeight = 96;
inline constexpr int kFrameCount = 7;

// The personalities whose program ships ("Grisk", the default opponent,
// has its frames built into the program and no program of its own).
QStringList ShippedPersonalities();

// Frame 1..7 of a personality's show. The default opponent's too.
QImage PersonalityFrame(const QString& name, int frame);

// Runs the program of personality name with argument and waits for it, at
// most timeoutMs. "/QORVN" writes the seven frames into dataFolder (which
// ends with a separator). False when the personality has no program, the
// argument is not one it knows, or a frame could not be written in time.
bool RunPersonalityProgram(const QString& name, const QString& argument, const QString& dataFolder,
                           int timeoutMs);

}  // namespace pms
