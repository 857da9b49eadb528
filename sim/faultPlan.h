// Faults the simulated radio can be told to show: a refused or missing
// answer, a damaged reply, a lost echo, a slow answer, the cable pulled.
// Each fault waits for a number of matching exchanges, then fires once, for
// a number of exchanges, or always.
#pragma once

#include "link/SBEPFrame.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

enum class faultKind {
    NAK,          // answer the negative acknowledgement instead of ACK and reply
    SILENCE,      // echo, but answer nothing
    BAD_CHECKSUM, // the reply frame's checksum is wrong
    WRONG_LENGTH, // the reply frame announces one byte more (or less) than it carries
    UNSUPPORTED,  // answer "not supported" (0x86) behind the ACK
    LOST_ECHO,    // the request's echo does not come back; the answer still does
    DELAY,        // the answer comes `delayMs` later than it would
    PULL,         // the cable is pulled: the line closes before the answer
    UNPLUG,       // the radio goes away: no echo and no answer from then on, the line stays
};

struct faultSpec {
    faultKind kind = faultKind::NAK;
    int after = 0;          // matching exchanges that pass untouched first
    int times = 1;          // exchanges that get the fault; 0 = always
    int opcode = -1;        // only requests with this opcode
    std::vector<int> types; // only softpot and auto-tune requests of these types
    int delayMs = 0;        // DELAY only

    // "KIND[:key=value,...]", keys after, times (a number, once or always),
    // opcode, types (separated by '+' or '/'), ms. Throws
    // std::invalid_argument with a message that names the problem.
    static faultSpec parse(std::string_view text);
    std::string toText() const;

    bool matches(std::span<const sbep::Byte> frame) const;
};

const char* faultKindName(faultKind kind);

// What the faults make of one exchange.
struct faultDecision {
    bool nak = false;
    bool silence = false;
    bool badChecksum = false;
    bool wrongLength = false;
    bool unsupported = false;
    bool lostEcho = false;
    bool pull = false;
    bool unplug = false;
    int delayMs = 0;
    std::vector<std::string> applied; // texts of the faults that fired
};

class faultPlan {
public:
    struct entry {
        faultSpec spec;
        int passed = 0; // matching exchanges let through before firing
        int fired = 0;
    };

    void add(const faultSpec& spec) { entries_.push_back({spec}); }
    void clear() { entries_.clear(); }

    // Decides the faults for one received request and counts it.
    faultDecision apply(std::span<const sbep::Byte> frame);

    // Whether a lost-echo fault may still fire: then echoes wait until the
    // request they belong to is complete.
    bool lostEchoPossible() const;

    const std::vector<entry>& entries() const { return entries_; }

private:
    std::vector<entry> entries_;
};

} // namespace sim
