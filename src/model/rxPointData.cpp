#include "model/rxPointData.h"

namespace {

constexpr int TEST_MODE_TRANSMIT = 0;
constexpr int TEST_MODE_RECEIVE = 1;
constexpr int TEST_MODE_SETTING = 2;
constexpr int CALIBRATION_BYTE = 3;

} // namespace

void rxFEBPData::enterTestMode(EnhancedSBEP& protocol) {
    protocol.setTestMode(TEST_MODE_TRANSMIT, TEST_MODE_SETTING, code);
}

void rxFEBPData::readRSSICalibration(radioStorage& storage, EnhancedSBEP& protocol) const {
    EnhancedSBEP::ReplyBuffer reply{};
    protocol.readRSSICalDac(reply);
    storage.setSoftpot(ROW_RSSI, reply[CALIBRATION_BYTE], RSSI_CALIBRATION_COLUMN);
}

const pointGroup& rxAutoSquelchData::pointsOfVariant(int variant) {
    switch (variant) {
    case VARIANT_20_KHZ:
        return POINTS_20_KHZ;
    case VARIANT_12_5_KHZ:
        return POINTS_12_5_KHZ;
    default:
        return POINTS_25_KHZ;
    }
}

void rxAutoSquelchData::enterTestMode(int variant, EnhancedSBEP& protocol, bool transmit, bool receive) {
    const int b = bandwidthCodeOfVariant(variant);
    if (b < 0)
        return;
    if (transmit)
        protocol.setTestMode(TEST_MODE_TRANSMIT, TEST_MODE_SETTING, b);
    if (receive)
        protocol.setTestMode(TEST_MODE_RECEIVE, TEST_MODE_SETTING, b);
}

std::uint32_t rxAutoSquelchData::autoTune(radioStorage& storage, EnhancedSBEP& protocol) const {
    std::uint32_t value = 0;
    protocol.autoTune(AUTO_SQUELCH_TYPE, value, storage, FLAG_AUTO_SQUELCH);
    return value;
}
