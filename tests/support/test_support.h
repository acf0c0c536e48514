// Shared set-up of the tests: a fresh state for every test and small helpers.
#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QTimer>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "platform/vberror.h"

class QWidget;

// Readable QStrings in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace grisk_test {

// Runs f and returns the run-time error number it raised, 0 when none.
template <typename F>
int errorOf(F f) {
    try {
        f();
    } catch (const vb::Error& e) {
        return e.number();
    }
    return 0;
}

// Once per test program.
class HeadlessEnvironment : public ::testing::Environment {
public:
    void SetUp() override;
};

// Puts every subsystem's shared state back to its start values, scripts the
// message boxes and seeds the random generator.
void ResetAll();

// The player's answer to the next sign-in window, queued: the name typed
// into its box, then OK.
void QueueSignIn(const QString& name);

// Presses the button at `at` inside the window, moves the mouse by `by` in
// four steps and lets go there, as a hand drags.
void DragInWindow(QWidget* window, QPoint at, QPoint by, Qt::MouseButton button);

// Runs the events of the main loop for ms milliseconds, as the program's
// own loop would while the player does nothing.
void RunEventsFor(int ms);
// Runs the events of the main loop until done() holds (or a great many
// rounds have passed, so that a fault fails instead of hanging); the
// result of done() at the end. No time is measured.
bool RunEventsUntil(const std::function<bool()>& done);

// What a text line of the table showed at each pause while it lives: the
// pauses take no time but read the clock, and each look at the clock notes
// the line's caption. For a line that a later step clears (a remark the
// discard wipes) but that must have stood meanwhile.
class LineWatch {
public:
    // line: the Label9 element to watch (1 message line, 2 remark line).
    explicit LineWatch(int line);
    ~LineWatch();
    LineWatch(const LineWatch&) = delete;
    LineWatch& operator=(const LineWatch&) = delete;
    // How many looks saw the caption text.
    int seen(const QString& text) const;

private:
    std::vector<QString> captions_;
    double now_ = 0;
};

// A probe that runs once from inside the first wait (a pause, a flight, a
// box) in which `when` holds: a press or a click that the player makes
// while something is running, such as another seat's turn. The waits must
// take time for it (a pause scale above 0). Stops looking when it goes.
class InsideWait {
public:
    InsideWait(std::function<bool()> when, std::function<void()> probe);
    ~InsideWait();
    InsideWait(const InsideWait&) = delete;
    InsideWait& operator=(const InsideWait&) = delete;
    bool ran() const { return ran_; }

private:
    std::unique_ptr<QTimer> timer_;
    bool ran_ = false;
};

// The web addresses the program asks the desktop to open, once it is set
// as the desktop's handler of their schemes (QDesktopServices::setUrlHandler
// with "open").
class WebPages : public QObject {
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl& url) { opened << url.toString(); }
};

// The fixture most tests use: a reset state and a temporary folder.
class GriskTest : public ::testing::Test {
protected:
    // A test queues a box's answer only for a box it expects: an answer
    // left over when the test ends fails it (another box would have taken
    // it in a later step).
    ~GriskTest() override;
    void SetUp() override;
    QString tempPath(const QString& name) const { return dir_.filePath(name); }
    QString tempFolder() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

// A test whose windows are real widgets on the (offscreen) screen.
class ScreenWindowsTest : public GriskTest {
protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace grisk_test
