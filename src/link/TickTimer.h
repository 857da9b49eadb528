// A clock grid of fixed intervals on the monotonic clock. wait(n) sleeps to
// the n-th grid point after the previous one, so waits keep their spacing
// from start() and a late call returns at once until the grid catches up.
#pragma once

#include <chrono>

class TickTimer {
public:
    using Clock = std::chrono::steady_clock;

    void start(double intervalSeconds);
    void wait(long long intervals);
    Clock::duration interval() const { return interval_; }
    Clock::time_point startTick() const { return start_; }

    // Sleeps until `when` (absolute, monotonic); never busy-waits.
    static void sleepUntil(Clock::time_point when);

private:
    Clock::time_point start_{};
    Clock::time_point last_{};
    Clock::duration interval_{};
};
