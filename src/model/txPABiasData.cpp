#include "model/txPABiasData.h"

namespace {

constexpr int TEST_MODE_PA_BIAS = 9;
constexpr int HIGH_VOLTAGE = 0;
constexpr int LOW_VOLTAGE = 2;

} // namespace

void paBiasData::readVoltageSupport(radioStorage& storage, EnhancedSBEP& protocol) {
    std::uint32_t unused = 0;
    protocol.readSoftpotChecked(VOLTAGE_TYPE, unused, storage, FLAG_PA_BIAS_TOGGLE);
}

void paBiasData::readBiases(radioStorage& storage, EnhancedSBEP& protocol, int bias1Flag, bool lowVoltage) {
    for (int index = 1; index <= BIAS_COUNT; ++index) {
        const paBias& b = bias(index);
        const int flag = index == 1 ? bias1Flag : b.flag;
        std::uint32_t value = 0;
        protocol.readSoftpotChecked(b.type, value, storage, flag);
        if (storage.isSupported(flag))
            storage.setSoftpot(ROW_PA_BIAS, static_cast<int>(value), lowVoltage ? b.lowColumn : b.highColumn);
    }
}

void txPABiasHighVoltageData::enterTestMode(EnhancedSBEP& protocol) {
    protocol.setTestMode(TEST_MODE_PA_BIAS, HIGH_VOLTAGE, code);
}

void txPABiasHighVoltageData::enterLowVoltageTestMode(EnhancedSBEP& protocol) {
    protocol.setTestMode(TEST_MODE_PA_BIAS, LOW_VOLTAGE, code);
}

void txPABiasHighVoltageData::readFromRadio(radioStorage& storage, EnhancedSBEP& protocol) {
    readVoltageSupport(storage, protocol);
    readBiases(storage, protocol, FLAG_PA_BIAS_HIGH, false);
}

void txPABiasLowVoltageData::enterTestMode(EnhancedSBEP& protocol) {
    protocol.setTestMode(TEST_MODE_PA_BIAS, LOW_VOLTAGE, code);
}

void txPABiasLowVoltageData::readFromRadio(radioStorage& storage, EnhancedSBEP& protocol) {
    readBiases(storage, protocol, FLAG_PA_BIAS_LOW, true);
}

void txPABiasRxModeData::enterTestMode(EnhancedSBEP& protocol) {
    protocol.setTestMode(TEST_MODE_PA_BIAS, HIGH_VOLTAGE, code);
}

void txPABiasRxModeData::enterReceiveTestMode(EnhancedSBEP& protocol) {
    protocol.setTestMode(0, LOW_VOLTAGE, BANDWIDTH_25_KHZ);
}

void txPABiasRxModeData::enterReceiveBiasTestMode(EnhancedSBEP& protocol) {
    protocol.setTestMode(TEST_MODE_PA_BIAS, LOW_VOLTAGE, BANDWIDTH_25_KHZ);
}

void txPABiasRxModeData::readFromRadio(radioStorage& storage, EnhancedSBEP& protocol) {
    readVoltageSupport(storage, protocol);
    readBiases(storage, protocol, FLAG_PA_BIAS_HIGH, false);
}
