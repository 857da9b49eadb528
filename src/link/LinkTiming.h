// Settle pauses after a request has been handed to the line. The radio needs
// them to decode the request before it answers; the defaults are the
// protocol's values and the program never changes them.
//
// FOR TESTS ONLY: tests of the higher layers and the in-process simulated
// radio may shorten the pauses (setLinkTiming or ScopedLinkTiming) so that
// sequences of hundreds of exchanges run quickly. A real radio needs the
// defaults.
#pragma once

#include <chrono>

struct LinkTiming {
    std::chrono::microseconds sendPause{110'000};         // after send
    std::chrono::microseconds verifiedSendPause{175'000}; // after sendVerified
};

LinkTiming linkTiming();
void setLinkTiming(const LinkTiming& timing);

// Sets a timing for the lifetime of the object and restores the previous one.
class ScopedLinkTiming {
public:
    explicit ScopedLinkTiming(const LinkTiming& timing) : previous_(linkTiming()) { setLinkTiming(timing); }
    ~ScopedLinkTiming() { setLinkTiming(previous_); }
    ScopedLinkTiming(const ScopedLinkTiming&) = delete;
    ScopedLinkTiming& operator=(const ScopedLinkTiming&) = delete;

private:
    LinkTiming previous_;
};
