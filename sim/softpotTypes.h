// What the simulated radio knows about each softpot type: whether it holds
// one value per transmit or receive frequency point or a single value, how
// many bytes a value takes on the wire, the largest value the radio accepts,
// and which test mode selects which of its value banks (a type tuned at
// several power levels or channel spacings keeps one set of values each).
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace sim {

enum class softpotSide { NONE, TX, RX };

// How the last test-mode command chooses the bank a request works on.
enum class bankRule {
    NONE,        // one bank
    POWER_LEVEL, // bank 1 (low power) when the second test-mode byte is 2, else bank 0 (high)
    SPACING,     // third test-mode byte: 2 -> bank 0 (25 kHz), 1 -> bank 1 (20 kHz), 0 -> bank 2 (12.5 kHz)
    VOLUME_VARIANT, // bank 1 (second environment) when the first test-mode byte is 18, else bank 0
    BIAS_VOLTAGE,   // bank 1 (low voltage) for test mode (9, 2, x), else bank 0 (high voltage)
};

struct softpotTypeInfo {
    int type;
    const char* name;
    softpotSide side;
    int valueBytes; // bytes of one value in a reply
    std::uint32_t maxValue;
    bankRule rule;
    int bankCount;
};

constexpr int POINT_COUNT = 7;
constexpr int MAX_BANKS = 3;

// Softpot types with behaviour of their own.
constexpr int TYPE_TX_POWER = 0;
constexpr int TYPE_TEMP_COMP = 1;
constexpr int TYPE_BATTERY = 10;
constexpr int TYPE_RSSI = 26;
constexpr int TYPE_TX_POWER_MAX = 28;

using testModeBytes = std::array<int, 3>;

// Null for a type the radio does not know.
const softpotTypeInfo* findSoftpotType(int type);
std::span<const softpotTypeInfo> softpotTypes();

// The bank a request for `info` works on after test mode `mode` (or none).
int bankFor(const softpotTypeInfo& info, const testModeBytes* mode);

} // namespace sim
