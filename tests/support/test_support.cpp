#include "support/test_support.h"

#include <QEventLoop>
#include <QTimer>

#include "engine/flash.h"
#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/controls.h"
#include "platform/eventwait.h"
#include "platform/msgbox.h"
#include "platform/popup_menu.h"
#include "platform/random.h"
#include "platform/twips.h"
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
    grisk::ReleaseCardPictureStores();
    grisk::ResetAllState();
    vb::msgbox_script::enable();
    vb::popup_script::enable();
    vb::forms::setScreenWindows(false);
    waits::SetPauseScale(0);
    waits::SetClockForTests(nullptr);
    waits::CancelWhenIdle();
    screen::ClearInjection();
    vb::Randomize(20261210);
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

}  // namespace grisk_test
