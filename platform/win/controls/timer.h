#pragma once
// A timer on the UI thread's message loop: ticks call on_tick while it is
// enabled and its interval is above 0 (an interval of 0 stops it, as a
// disabled timer). Changing the interval of a running timer restarts it.
#include <functional>

namespace crv {

class Timer {
public:
    Timer() = default;
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void Set_Interval(unsigned milliseconds);
    unsigned Interval() const { return interval_; }
    void Set_Enabled(bool enabled);
    bool Enabled() const { return enabled_; }
    bool Running() const { return id_ != 0; }

    std::function<void()> on_tick;

private:
    void Apply();
    unsigned interval_ = 0;
    bool enabled_ = false;
    unsigned long long id_ = 0;
};

}  // namespace crv
