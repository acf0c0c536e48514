#include "platform/eventwait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QTime>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <vector>

namespace waits {
namespace {
int depth = 0;
double scale = 1.0;
std::vector<QEventLoop*> loops;
std::vector<std::function<void()>> pending;
std::function<double()> testClock;
long framesWaited = 0;

void postPending() {
    if (pending.empty() || !QCoreApplication::instance()) return;
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        // Something may have started waiting again meanwhile.
        if (depth > 0 || pending.empty()) return;
        auto actions = std::move(pending);
        pending.clear();
        for (auto& action : actions) action();
    });
}

// Keeps a running loop in the list of loops that WakeAll ends, also when an
// error leaves the loop.
class RunningLoop {
public:
    explicit RunningLoop(QEventLoop* loop) : loop_(loop) { loops.push_back(loop); }
    ~RunningLoop() { loops.erase(std::remove(loops.begin(), loops.end(), loop_), loops.end()); }
    RunningLoop(const RunningLoop&) = delete;
    RunningLoop& operator=(const RunningLoop&) = delete;

private:
    QEventLoop* loop_;
};
}  // namespace

int BusyDepth() { return depth; }

BusyScope::BusyScope() { ++depth; }
BusyScope::~BusyScope() {
    if (--depth == 0) postPending();
}

void WaitEvents(int ms) {
    if (ms <= 0 || !QCoreApplication::instance()) return;
    BusyScope busy;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(ms);
    RunningLoop running(&loop);
    loop.exec();
}

void DoEvents() {
    if (!QCoreApplication::instance()) return;
    BusyScope busy;
    QCoreApplication::processEvents();
}

void SleepNoEvents(int ms) {
    if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

void WakeAll() {
    for (QEventLoop* l : loops) l->quit();
}

void WhenIdle(std::function<void()> action) {
    pending.push_back(std::move(action));
    if (depth == 0) postPending();
}

void CancelWhenIdle() { pending.clear(); }

double PauseScale() { return scale; }
void SetPauseScale(double factor) { scale = factor < 0 ? 0 : factor; }

double SecondsSinceMidnight() {
    if (testClock) return testClock();
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void SetClockForTests(std::function<double()> clock) { testClock = std::move(clock); }

double FrameMs() {
    constexpr double kDefaultRate = 60.0;
    double rate = kDefaultRate;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        if (const QScreen* s = QGuiApplication::primaryScreen()) rate = s->refreshRate();
    // A screen that reports nothing sensible steps at the usual rate.
    if (!(rate >= 24.0 && rate <= 360.0)) rate = kDefaultRate;
    return 1000.0 / rate;
}

long FramesWaited() { return framesWaited; }

void WaitFrame() {
    if (!(scale > 0)) return;
    ++framesWaited;
    WaitEvents(std::max(1, static_cast<int>(std::lround(FrameMs() * scale))));
}

}  // namespace waits
