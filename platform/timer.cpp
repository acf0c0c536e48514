#include "platform/timer.h"

#include <QCoreApplication>
#include <QTimer>

namespace vb {

Timer::Timer() = default;
Timer::~Timer() = default;

bool Timer::running() const { return timer_ && timer_->isActive(); }

void Timer::apply() {
    const bool on = Enabled && Interval > 0 && QCoreApplication::instance();
    if (!on) {
        if (timer_) timer_->stop();
        return;
    }
    if (!timer_) {
        timer_ = std::make_unique<QTimer>();
        QObject::connect(timer_.get(), &QTimer::timeout, [this] { tick(); });
    }
    timer_->start(Interval);
}

void Timer::tick() {
    if (onTimer) onTimer();
}

}  // namespace vb
