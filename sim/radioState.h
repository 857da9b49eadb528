// Everything the simulated radio holds while it runs: its data (kept in the
// form of a profile, so that it can be dumped and loaded again), the
// operating state the requests change, and what it received.
#pragma once

#include "link/SBEPFrame.h"
#include "sim/radioProfile.h"

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace sim {

struct liveWrite {
    int type = 0;
    int bank = 0;
    int point = 0; // 1..7, 0 for a single-value softpot
    std::uint32_t value = 0;
};

struct requestRecord {
    sbep::Bytes frame;               // the request as received
    sbep::Bytes answer;              // what the radio sent back (empty: nothing)
    std::string summary;             // the request in words
    std::vector<std::string> faults; // faults that shaped the answer
};

struct radioState {
    radioProfile radio; // identity, tuning data, stored softpots, memory

    bool keyed = false;
    bool testModeSet = false;
    testModeBytes testMode{};
    int txCode = -1; // codes of the last channel request, -1 before any
    int rxCode = -1;
    int txPoint = 0; // frequency points (1..7) the channel selects, 0 before any
    int rxPoint = 0;
    int resets = 0;
    int keyUps = 0;

    // Values in use after live writes, by (type, bank, point); a reset drops them.
    std::map<std::tuple<int, int, int>, std::uint32_t> live;
    std::vector<liveWrite> liveWrites; // every live write since the start

    std::vector<requestRecord> requests;
    std::size_t discardedBytes = 0; // received bytes that belonged to no valid request
    bool pulled = false;            // the line is closed
    bool unplugged = false;         // the radio no longer echoes or answers
};

} // namespace sim
