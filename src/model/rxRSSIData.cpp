#include "model/rxRSSIData.h"

namespace {

constexpr int REPLY_OPCODE = 1;
constexpr int FIRST_VALUE = 3;
constexpr std::uint8_t NOT_SUPPORTED = 0x86;
constexpr int LEVEL_COLUMN = 3;

} // namespace

void rxRSSIData::enterTestMode(EnhancedSBEP& protocol, bool narrow) {
    protocol.setTestMode(0, 2, narrow ? BANDWIDTH_12_5_KHZ : BANDWIDTH_25_KHZ);
}

void rxRSSIData::readCalibration(EnhancedSBEP& protocol) {
    buffer.fill(0);
    protocol.readRSSICalDac2(buffer);
}

void rxRSSIData::readThresholds(radioStorage& storage, EnhancedSBEP& protocol) {
    EnhancedSBEP::ReplyBuffer reply{};
    protocol.readRSSI(reply);
    if (reply[REPLY_OPCODE] == NOT_SUPPORTED) {
        storage.clearSupported(FLAG_RSSI);
        return;
    }
    storage.setSupported(FLAG_RSSI);
    for (int i = 0; i < POINTS; ++i)
        storage.setSoftpot(ROW_RSSI, reply[FIRST_VALUE + i], i);
    reply.fill(0);
    protocol.readRSSICalDac2(reply);
    for (int i = 0; i < POINTS; ++i)
        storage.setSoftpot(ROW_RSSI, reply[FIRST_VALUE + i], LEVEL_COLUMN + i);
}
