#include "support/test_support.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include "engine/flash.h"
#include "engine/paths.h"
#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "net/chat_log.h"
#include "net/frm_chat.h"
#include "platform/run_files.h"
#include "platform/controls.h"
#include "platform/eventwait.h"
#include "platform/common_dialog.h"
#include "platform/msgbox.h"
#include "platform/popup_menu.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "records/frm_save.h"
#include "records/frm_custom.h"
#include "records/frm_multi.h"
#include "records/frm_welcome.h"
#include "table/card_counter.h"
#include "table/card_store.h"
#include "table/pile_info.h"

namespace grisk_test {

void HeadlessEnvironment::SetUp() { ResetAll(); }

void ResetAll() {
    grisk::ReleaseFrmGrisk();
    grisk::ReleaseFrmFlasher();
    grisk::ReleaseFrmHold();
    grisk::ReleaseFrmCounter();
    grisk::ReleaseFrmSave();
    grisk::ReleaseFrmWelcome();
    grisk::ReleaseFrmMulti();
    grisk::ReleaseFrmCustom();
    grisk::ChatLogClose();
    grisk::ReleaseFrmChat();
    grisk::ReleaseCardPictureStores();
    // Files a test's start put off are never written into the next test's folders.
    run_files::DropPending();
    grisk::ResetAllState();
    vb::msgbox_script::enable();
    vb::popup_script::enable();
    vb::dialog_script::enable();
    vb::forms::setScreenWindows(false);
    vb::forms::setModalScripting(true);
    vb::forms::clearModalActions();
    waits::SetPauseScale(0);
    waits::SetClockForTests(nullptr);
    grisk::FailNextReplaceFileForTests(false);
    waits::CancelWhenIdle();
    screen::ClearInjection();
    vb::Randomize(20261210);
}

void QueueSignIn(const QString& name) {
    vb::forms::queueModalAction(QStringLiteral("frmWelcome"), [name](vb::Form& f) {
        auto& w = static_cast<grisk::FrmWelcome&>(f);
        vb::UserTypes(w.Combo1, name);
        vb::UserClicks(w.Command1);
    });
}

namespace {
void mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}
}  // namespace

void DragInWindow(QWidget* w, QPoint at, QPoint by, Qt::MouseButton button) {
    const QPoint from = w->mapToGlobal(at);
    mouse(w, QEvent::MouseButtonPress, at, button, button);
    for (int step = 1; step <= 4; ++step) {
        const QPoint global = from + by * step / 4;
        QMouseEvent e(QEvent::MouseMove, w->mapFromGlobal(global), global, Qt::NoButton, button, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
        QCoreApplication::processEvents();
    }
    mouse(w, QEvent::MouseButtonRelease, w->mapFromGlobal(from + by), button, Qt::NoButton);
    QCoreApplication::processEvents();
}

void RunEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool RunEventsUntil(const std::function<bool()>& done) {
    constexpr int kRounds = 20000;
    // The main loop itself, not a wait of the program's: actions put off
    // until no wait runs (a deferred close) run here.
    for (int i = 0; i < kRounds && !done(); ++i) RunEventsFor(1);
    return done();
}

LineWatch::LineWatch(int line) {
    waits::SetPauseScale(1e-6);
    waits::SetClockForTests([this, line] {
        captions_.push_back(grisk::frmGrisk().Label9(line).Caption());
        return now_ += 1;
    });
}

LineWatch::~LineWatch() {
    waits::SetClockForTests(nullptr);
    waits::SetPauseScale(0);
}

int LineWatch::seen(const QString& text) const {
    int n = 0;
    for (const QString& c : captions_) n += c == text ? 1 : 0;
    return n;
}

InsideWait::InsideWait(std::function<bool()> when, std::function<void()> probe) : timer_(new QTimer) {
    timer_->setInterval(0);
    QObject::connect(timer_.get(), &QTimer::timeout, [this, when = std::move(when), probe = std::move(probe)] {
        if (ran_ || waits::BusyDepth() == 0 || !when()) return;
        ran_ = true;
        timer_->stop();
        probe();
    });
    timer_->start();
}

InsideWait::~InsideWait() = default;

GriskTest::~GriskTest() {
    EXPECT_EQ(vb::msgbox_script::pendingAnswers(), 0) << "message box answers queued for boxes never shown";
    EXPECT_EQ(vb::msgbox_script::pendingInputs(), 0) << "input box answers queued for boxes never shown";
}

void GriskTest::SetUp() {
    ResetAll();
    ASSERT_TRUE(dir_.isValid());
}

void ScreenWindowsTest::SetUp() {
    GriskTest::SetUp();
    vb::forms::setScreenWindows(true);
}

void ScreenWindowsTest::TearDown() { vb::forms::setScreenWindows(false); }

}  // namespace grisk_test
