#include "sim/softpotTypes.h"

#include <algorithm>

namespace sim {

namespace {

// Value ranges are those the tuning screens allow; a write above them is
// refused with "not supported", as a radio refuses an out-of-range softpot.
constexpr softpotTypeInfo TYPES[] = {
    {0, "transmit power", softpotSide::TX, 1, 255, bankRule::POWER_LEVEL, 2},
    {1, "temperature compensation", softpotSide::NONE, 4, 0xFFFFFFFF, bankRule::NONE, 1},
    {2, "VCO attenuation", softpotSide::TX, 1, 127, bankRule::SPACING, 3},
    {3, "modulation balance", softpotSide::TX, 1, 63, bankRule::NONE, 1},
    {5, "MPT1327 deviation", softpotSide::NONE, 1, 31, bankRule::NONE, 1},
    {6, "PA voltage limit", softpotSide::TX, 1, 127, bankRule::NONE, 1},
    {7, "auto squelch", softpotSide::RX, 1, 63, bankRule::SPACING, 3},
    {8, "rated volume", softpotSide::NONE, 1, 255, bankRule::VOLUME_VARIANT, 2},
    {10, "battery threshold", softpotSide::NONE, 2, 255, bankRule::NONE, 1},
    {11, "reference oscillator warp", softpotSide::NONE, 2, 511, bankRule::NONE, 1},
    {13, "front end filter", softpotSide::RX, 1, 255, bankRule::NONE, 1},
    {14, "DTMF deviation", softpotSide::NONE, 1, 31, bankRule::NONE, 1},
    {15, "Select 5 deviation", softpotSide::NONE, 1, 31, bankRule::NONE, 1},
    {16, "high speed trunking deviation", softpotSide::NONE, 1, 31, bankRule::NONE, 1},
    {17, "mobile K and M", softpotSide::TX, 2, 0xFFFF, bankRule::NONE, 1},
    {18, "PA bias 1", softpotSide::NONE, 1, 127, bankRule::BIAS_VOLTAGE, 2},
    {20, "PA bias 2", softpotSide::NONE, 1, 127, bankRule::BIAS_VOLTAGE, 2},
    {24, "VYS1200 deviation", softpotSide::NONE, 1, 31, bankRule::NONE, 1},
    {25, "RSSI signal levels", softpotSide::NONE, 3, 0xFFFFFF, bankRule::NONE, 1},
    {26, "RSSI thresholds", softpotSide::NONE, 1, 255, bankRule::NONE, 1},
    {27, "PA bias 3", softpotSide::NONE, 1, 127, bankRule::BIAS_VOLTAGE, 2},
    {28, "highest transmit power", softpotSide::TX, 1, 255, bankRule::NONE, 1},
};

} // namespace

const softpotTypeInfo* findSoftpotType(int type) {
    const auto* it = std::find_if(std::begin(TYPES), std::end(TYPES),
                                  [type](const softpotTypeInfo& info) { return info.type == type; });
    return it == std::end(TYPES) ? nullptr : it;
}

std::span<const softpotTypeInfo> softpotTypes() {
    return TYPES;
}

int bankFor(const softpotTypeInfo& info, const testModeBytes* mode) {
    if (mode == nullptr) {
        return 0;
    }
    const testModeBytes& m = *mode;
    switch (info.rule) {
    case bankRule::NONE:
        return 0;
    case bankRule::POWER_LEVEL:
        return m[1] == 2 ? 1 : 0;
    case bankRule::SPACING:
        return m[2] == 1 ? 1 : m[2] == 0 ? 2 : 0;
    case bankRule::VOLUME_VARIANT:
        return m[0] == 18 ? 1 : 0;
    case bankRule::BIAS_VOLTAGE:
        return m[0] == 9 && m[1] == 2 ? 1 : 0;
    }
    return 0;
}

} // namespace sim
