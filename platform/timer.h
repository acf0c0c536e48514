// The run time's timer control: while Enabled, with an Interval above 0, it
// raises its Timer event every Interval milliseconds from the event loop
// (and from inside any wait that lets events run). Setting either property
// starts the interval again, as the run time does.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QTimer;

namespace vb {

class Timer {
public:
    // A property that restarts the timer when it is set.
    template <typename T>
    class Setting {
    public:
        Setting(Timer* owner, T value) : owner_(owner), value_(value) {}
        Setting(const Setting&) = delete;
        Setting& operator=(const Setting& other) { return *this = other.value_; }
        Setting& operator=(T value) {
            value_ = value;
            owner_->apply();
            return *this;
        }
        operator T() const { return value_; }

    private:
        Timer* owner_;
        T value_;
    };

    Timer();
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    Setting<bool> Enabled{this, false};
    Setting<int> Interval{this, 0};  // milliseconds; 0 never ticks

    // The Timer event.
    std::function<void()> onTimer;

    // True while the timer counts towards its next tick.
    bool running() const;

private:
    void apply();
    void tick();
    std::unique_ptr<QTimer> timer_;
};

}  // namespace vb
