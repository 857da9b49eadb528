#include "link/LinkTiming.h"

#include <atomic>

namespace {
// Separate atomics: a simulator thread may read while a test sets them.
std::atomic<std::chrono::microseconds::rep> sendPauseUs{LinkTiming{}.sendPause.count()};
std::atomic<std::chrono::microseconds::rep> verifiedPauseUs{LinkTiming{}.verifiedSendPause.count()};
} // namespace

LinkTiming linkTiming() {
    return LinkTiming{std::chrono::microseconds(sendPauseUs.load()),
                      std::chrono::microseconds(verifiedPauseUs.load())};
}

void setLinkTiming(const LinkTiming& timing) {
    sendPauseUs.store(timing.sendPause.count());
    verifiedPauseUs.store(timing.verifiedSendPause.count());
}
