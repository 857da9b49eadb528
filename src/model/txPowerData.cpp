#include "model/txPowerData.h"

namespace {

constexpr int TEST_MODE_TRANSMIT = 0;
constexpr int TEST_MODE_RECEIVE = 1;
constexpr int TEST_MODE_POWER = 129;

} // namespace

void enterPowerTestMode(EnhancedSBEP& protocol, int level, int code, bool transmit, bool receive) {
    int c = 0;
    if (level == POWER_HIGH)
        c = 0;
    else if (level == POWER_LOW)
        c = 2;
    else
        return;
    if (transmit) {
        protocol.setTestMode(TEST_MODE_TRANSMIT, c, code);
        protocol.setTestMode(TEST_MODE_POWER, c, code);
    }
    if (receive) {
        protocol.setTestMode(TEST_MODE_RECEIVE, c, code);
        protocol.setTestMode(TEST_MODE_POWER, c, code);
    }
}

std::uint32_t txPAVoltageLimitData::autoTune(radioStorage& storage, EnhancedSBEP& protocol) const {
    std::uint32_t value = 0;
    protocol.autoTune(PA_VOLTAGE_LIMIT_TYPE, value, storage, FLAG_PA_VOLTAGE_LIMIT);
    return value;
}
