#include "link/TickTimer.h"

#include <cerrno>
#include <ctime>

void TickTimer::start(double intervalSeconds) {
    interval_ = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(intervalSeconds));
    start_ = last_ = Clock::now();
}

void TickTimer::wait(long long intervals) {
    if (intervals <= 0) {
        return;
    }
    last_ += interval_ * intervals;
    sleepUntil(last_);
}

void TickTimer::sleepUntil(Clock::time_point when) {
    // steady_clock is CLOCK_MONOTONIC; an absolute sleep cannot drift when a
    // signal interrupts it.
    const auto since = std::chrono::duration_cast<std::chrono::nanoseconds>(when.time_since_epoch()).count();
    if (since <= 0) {
        return;
    }
    timespec target{};
    target.tv_sec = static_cast<time_t>(since / 1'000'000'000);
    target.tv_nsec = static_cast<long>(since % 1'000'000'000);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &target, nullptr) == EINTR) {
    }
}
