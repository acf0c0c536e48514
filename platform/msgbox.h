// Message boxes and input boxes with the form run time's buttons, icons and
// answers. Tests switch on scripting: nothing is shown, every box is recorded
// and answered from a queue (or with its default button when the queue is
// empty), so refusals and questions can be tested without a screen.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace vb {

// Buttons, icons and default-button flags, combined by adding them.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

// Answers.
enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

// The title a box gets when its caller names none.
QString defaultTitle();

int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString());
// The text typed, or "" when the box was cancelled.
QString InputBox(const QString& prompt, const QString& title = QString(),
                 const QString& defaultText = QString());

struct ShownBox {
    bool input = false;   // an input box rather than a message box
    QString prompt;
    QString title;        // as shown (the default title filled in)
    int style = 0;        // buttons + icon + default button
    int buttons() const { return style & 0x0F; }
    int icon() const { return style & 0xF0; }
    int defaultButton() const { return style & 0xF00; }
    int answer = 0;       // message box answer
    QString text;         // input box answer
};

// The system's bell (nothing without a screen).
void Beep();

// Test scripting of the boxes.
namespace msgbox_script {
void enable();                       // also clears queue and record
void disable();
bool enabled();
void pushAnswer(int answer);         // next message box answer
void pushInput(const QString& text); // next input box answer
int pendingInputs();                 // input answers still queued
int pendingAnswers();                // message box answers still queued
const std::vector<ShownBox>& shown();
void clearShown();
// The next box, message or input, raises run-time error errorNumber instead
// of being answered: a test's way to make the code around a box fail there.
void failNextBox(int errorNumber);
// A rule that answers message boxes by what they show (the simulator answers
// by the title): its answer, when not 0, goes before the queued ones and
// the box's default. enable() clears it.
void setAnswerRule(std::function<int(const ShownBox&)> rule);
}  // namespace msgbox_script

}  // namespace vb
