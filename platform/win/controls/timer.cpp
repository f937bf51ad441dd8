#include "platform/win/controls/timer.h"

#include <windows.h>

#include <unordered_map>

namespace crv {

namespace {

// Thread timers carry no pointer of their own: find the object by its id.
std::unordered_map<UINT_PTR, Timer*>& Timers() {
    static std::unordered_map<UINT_PTR, Timer*> timers;
    return timers;
}

}  // namespace

struct TimerTick {
    static void CALLBACK Proc(HWND, UINT, UINT_PTR id, DWORD) {
        auto it = Timers().find(id);
        if (it == Timers().end()) {
            KillTimer(nullptr, id);
            return;
        }
        Timer* timer = it->second;
        if (timer->on_tick) timer->on_tick();
    }
};

Timer::~Timer() {
    enabled_ = false;
    Apply();
}

void Timer::Set_Interval(unsigned milliseconds) {
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    if (id_) {  // restart with the new interval
        KillTimer(nullptr, static_cast<UINT_PTR>(id_));
        Timers().erase(static_cast<UINT_PTR>(id_));
        id_ = 0;
    }
    Apply();
}

void Timer::Set_Enabled(bool enabled) {
    enabled_ = enabled;
    Apply();
}

void Timer::Apply() {
    bool run = enabled_ && interval_ > 0;
    if (run && !id_) {
        UINT_PTR id = SetTimer(nullptr, 0, interval_, &TimerTick::Proc);
        if (id) {
            id_ = id;
            Timers()[id] = this;
        }
    } else if (!run && id_) {
        KillTimer(nullptr, static_cast<UINT_PTR>(id_));
        Timers().erase(static_cast<UINT_PTR>(id_));
        id_ = 0;
    }
}

}  // namespace crv
