// A simulated radio's description: identity, tuning data, softpot values,
// what it supports and how it misbehaves. Profiles are text files of
// `key = value` lines (format in sim/README.md); the shipped ones are also
// compiled in, so a profile name works without the files.
#pragma once

#include "sim/faultPlan.h"
#include "sim/softpotTypes.h"

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

// Message names the profile and the line: "portable.profile:12: ...".
class profileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr std::size_t MEMORY_SIZE = 0x10000;
constexpr std::size_t BBO_COUNT = 15;

// Values of one softpot type: [bank][point], point 0 for single-value types.
using softpotBanks = std::array<std::array<std::uint32_t, POINT_COUNT>, MAX_BANKS>;

struct radioProfile {
    std::string name;
    std::string description;

    // Identity (texts padded with blanks to their width).
    std::string serial = std::string(10, ' ');
    std::string model = "NULL" + std::string(12, ' ');
    std::array<std::uint8_t, 16> uuid{};
    std::array<std::uint8_t, 4> icVersion{};
    std::uint8_t regionalId = 0;
    std::uint8_t powerUpStatus = 0;

    // Tuning data.
    std::uint16_t frequencyBase = 0;
    std::uint8_t spacingMask = 7;
    std::array<std::uint16_t, POINT_COUNT> txPoints{};
    std::array<std::uint16_t, POINT_COUNT> rxPoints{};
    std::array<std::uint8_t, 2> dacDefaults{};
    std::uint8_t radioType = 1;
    std::uint8_t batteryDefault = 0;

    // What the radio answers.
    bool allPointsRead = true;
    bool allPointsWrite = true;
    std::set<int> unsupportedTypes;
    std::set<int> unsupportedRequests;     // opcodes
    std::map<int, std::uint32_t> limits;   // softpot type -> largest value accepted
    std::map<int, std::uint32_t> autoTune; // softpot type -> value an auto-tune returns
    std::uint8_t batteryReading = 0;       // what the radio measures at the supply it sees
    std::uint8_t rssiCalibration = 0;
    std::array<std::uint8_t, 3> rssiReading{}; // thresholds a calibration of point 1..3 takes
    std::array<std::uint8_t, BBO_COUNT> bbo{}; // groups 1..3, items 5, 0, 2, 10, 8 each

    std::map<int, softpotBanks> softpots;
    std::vector<std::uint8_t> memory = std::vector<std::uint8_t>(MEMORY_SIZE, 0);
    std::vector<faultSpec> faults;

    // Parses profile text; `origin` names it in error messages.
    static radioProfile parse(std::string_view text, const std::string& origin);
    // A built-in profile by name, or a profile file by path.
    static radioProfile load(const std::string& nameOrPath);
    static radioProfile builtIn(std::string_view name);
    static std::vector<std::string> builtInNames();
    static std::string_view builtInText(std::string_view name); // empty when unknown

    // The profile in the file format; parse(toText()) gives it back.
    std::string toText() const;

    std::uint32_t limitFor(const softpotTypeInfo& info) const;
    bool supports(int type) const { return findSoftpotType(type) && !unsupportedTypes.count(type); }
};

} // namespace sim
