#include "platform/msgbox.h"

#include <QApplication>
#include <QInputDialog>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <deque>
#include <functional>

#include "platform/eventwait.h"
#include "platform/vberror.h"

namespace vb {
namespace {

struct Script {
    bool on = false;
    std::deque<int> answers;
    std::deque<QString> inputs;
    std::vector<ShownBox> shown;
    int failNext = 0;  // a run-time error the next box raises
    std::function<int(const ShownBox&)> rule;
};

// A scripted box that is to fail raises its error instead of answering.
void failWhenScripted(Script& s) {
    if (s.failNext == 0) return;
    const int number = s.failNext;
    s.failNext = 0;
    raise(number);
}

Script& script() {
    static Script s;
    return s;
}

// The answers of each button set, first button first.
std::vector<int> answersOf(int buttons) {
    switch (buttons) {
    case vbOKCancel: return {vbOK, vbCancel};
    case vbAbortRetryIgnore: return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel: return {vbYes, vbNo, vbCancel};
    case vbYesNo: return {vbYes, vbNo};
    case vbRetryCancel: return {vbRetry, vbCancel};
    default: return {vbOK};
    }
}

int defaultAnswer(int style) {
    const std::vector<int> answers = answersOf(style & 0x0F);
    const std::size_t index = static_cast<std::size_t>((style & 0xF00) / vbDefaultButton2);
    return answers[index < answers.size() ? index : 0];
}

QMessageBox::StandardButton buttonOf(int answer) {
    switch (answer) {
    case vbCancel: return QMessageBox::Cancel;
    case vbAbort: return QMessageBox::Abort;
    case vbRetry: return QMessageBox::Retry;
    case vbIgnore: return QMessageBox::Ignore;
    case vbYes: return QMessageBox::Yes;
    case vbNo: return QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon iconOf(int style) {
    switch (style & 0xF0) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int showReal(const QString& prompt, int style, const QString& title) {
    // The box lives on the heap: its parent window may go while it is open.
    QPointer<QMessageBox> box = new QMessageBox(iconOf(style), title, prompt, QMessageBox::NoButton,
                                                QApplication::activeWindow());
    // A box waits for its answer: it stays above the windows that float over
    // the table (pile information, card counter).
    box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    const std::vector<int> answers = answersOf(style & 0x0F);
    for (int a : answers) box->addButton(buttonOf(a));
    box->setDefaultButton(buttonOf(defaultAnswer(style)));
    const int cancelAnswer = (style & 0x0F) == vbOKOnly ? vbOK
                             : std::find(answers.begin(), answers.end(), vbCancel) != answers.end()
                                 ? vbCancel
                                 : 0;
    if (cancelAnswer) box->setEscapeButton(buttonOf(cancelAnswer));
    box->exec();
    if (!box) return cancelAnswer ? cancelAnswer : defaultAnswer(style);
    int answer = cancelAnswer ? cancelAnswer : defaultAnswer(style);
    QAbstractButton* clicked = box->clickedButton();
    for (int a : answers)
        if (clicked == box->button(buttonOf(a))) answer = a;
    delete box.data();
    return answer;
}

}  // namespace

QString defaultTitle() { return QStringLiteral("Grisk and Varnok"); }

int MsgBox(const QString& prompt, int style, const QString& title) {
    ShownBox box;
    box.prompt = prompt;
    box.title = title.isEmpty() ? defaultTitle() : title;
    box.style = style;
    Script& s = script();
    if (s.on) {
        failWhenScripted(s);
        const int ruled = s.rule ? s.rule(box) : 0;
        if (ruled != 0) {
            box.answer = ruled;
        } else if (!s.answers.empty()) {
            box.answer = s.answers.front();
            s.answers.pop_front();
        } else {
            box.answer = defaultAnswer(style);
        }
    } else {
        waits::BusyScope busy;
        box.answer = showReal(prompt, style, box.title);
    }
    s.shown.push_back(box);
    if (s.shown.size() > 1000) s.shown.erase(s.shown.begin());
    return box.answer;
}

namespace {
// An input box: the scripted answer (or fallback when none is queued), or
// what the person typed in the dialog that ask() shows.
QString askForText(const QString& prompt, const QString& title, const QString& fallback,
                   const std::function<QString(const QString& shownTitle, bool& ok)>& ask) {
    ShownBox box;
    box.input = true;
    box.prompt = prompt;
    box.title = title.isEmpty() ? defaultTitle() : title;
    Script& s = script();
    if (s.on) {
        failWhenScripted(s);
        box.text = fallback;
        if (!s.inputs.empty()) {
            box.text = s.inputs.front();
            s.inputs.pop_front();
        }
    } else {
        waits::BusyScope busy;
        bool ok = false;
        box.text = ask(box.title, ok);
        if (!ok) box.text.clear();
    }
    s.shown.push_back(box);
    if (s.shown.size() > 1000) s.shown.erase(s.shown.begin());
    return box.text;
}
}  // namespace

namespace {
// An input box that keeps the size it opens in, so that the window manager
// draws no resize handle under it.
class FixedInputDialog : public QInputDialog {
public:
    using QInputDialog::QInputDialog;

protected:
    void showEvent(QShowEvent* e) override {
        QInputDialog::showEvent(e);
        // (The box's own layout lets it grow wider: it is held to its size.)
        if (QLayout* box = layout()) box->setSizeConstraint(QLayout::SetFixedSize);
        setFixedSize(size());
    }
};

// An input box on the screen: a line to type in, or a list to pick from or
// type in (items).
QString askOnScreen(const QString& title, const QString& prompt, const QString& text, const QStringList* items,
                    bool& ok) {
    // The box lives on the heap: its parent window may go while it is open.
    QPointer<QInputDialog> box = new FixedInputDialog(QApplication::activeWindow());
    box->setWindowTitle(title);
    box->setLabelText(prompt);
    if (items) {
        box->setComboBoxItems(*items);
        box->setComboBoxEditable(true);
    } else {
        box->setTextValue(text);
    }
    ok = box->exec() == QDialog::Accepted;
    if (!box) return QString();
    const QString answer = box->textValue();
    delete box.data();
    return answer;
}
}  // namespace

QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    return askForText(prompt, title, defaultText, [&](const QString& shownTitle, bool& ok) {
        return askOnScreen(shownTitle, prompt, defaultText, nullptr, ok);
    });
}

namespace msgbox_script {
int pendingInputs() { return static_cast<int>(script().inputs.size()); }
int pendingAnswers() { return static_cast<int>(script().answers.size()); }
void enable() {
    Script& s = script();
    s.on = true;
    s.answers.clear();
    s.inputs.clear();
    s.shown.clear();
    s.failNext = 0;
    s.rule = nullptr;
}
void disable() { script().on = false; }
bool enabled() { return script().on; }
void pushAnswer(int answer) { script().answers.push_back(answer); }
void pushInput(const QString& text) { script().inputs.push_back(text); }
const std::vector<ShownBox>& shown() { return script().shown; }
void clearShown() { script().shown.clear(); }
void failNextBox(int errorNumber) { script().failNext = errorNumber; }
void setAnswerRule(std::function<int(const ShownBox&)> rule) { script().rule = std::move(rule); }
}  // namespace msgbox_script

void Beep() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) QApplication::beep();
}

}  // namespace vb
