// The tutorial's script: its step lines, the action tag a step may carry,
// and the steps that belong to each prepared position.
#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace grisk {

// A step's action tag, read from its first "<": a letter, a separator, a
// two-digit number, a second letter, a separator and a second two-digit
// number ("<P:03C:00>"). A character the line does not reach reads as a
// blank and a missing number as 0.
struct TutorialTag {
    bool present = false;  // the line has a "<"
    QString text;          // what the step shows: the line before the "<"
    QChar first;           // "H" or "P" (a card), "R" (nothing), else "C"
    int firstNumber = 0;   // the slot: 1 pay-off, 2..6 hand, 7..10 hold piles
    QChar second;          // "C" or "H" a pointer, "R" a prepared position
    int secondNumber = 0;  // the record of the prepared position
};
TutorialTag ReadTutorialTag(const QString& step);

// The text of a step line as shown: every "~" starts a new paragraph.
QString TutorialParagraphs(const QString& line);

// The prepared position whose range holds the step: its record (31..38)
// and the first step of the range; record 0 outside every range.
struct PreparedRange {
    int record = 0;
    int firstStep = 0;
};
PreparedRange PreparedRangeOf(int step);
// Every range, in step order.
inline constexpr int kPreparedRanges = 8;
PreparedRange PreparedRangeAt(int index);
int PreparedRangeLastStep(int index);

// The script's lines from a file; false when the name is empty or there is
// no such file to read.
bool ReadTutorialScript(const QString& fileName, QStringList& steps);

inline constexpr char kTutorialFileName[] = "tutorial.txt";

}  // namespace grisk
