#include "model/singleSoftpotData.h"

#include "model/radiomodel.h"

namespace {

constexpr int TEST_MODE_SETTING = 2;
constexpr int TEST_MODE_TRANSMIT = 0;
constexpr int TEST_MODE_RECEIVE = 1;
constexpr int TEST_MODE_REF_OSC = 129;
constexpr int BATTERY_THRESHOLD_POINT = 2;

void readInto(radioStorage& storage, EnhancedSBEP& protocol, int type, int flag, int row, int column) {
    std::uint32_t value = 0;
    protocol.readSoftpotChecked(type, value, storage, flag);
    if (storage.isSupported(flag))
        storage.setSoftpot(row, static_cast<int>(value), column);
}

} // namespace

void singleSoftpotData::enterTestMode(EnhancedSBEP& protocol) {
    protocol.setTestMode(d.testMode, TEST_MODE_SETTING, code);
}

void singleSoftpotData::program(std::uint32_t value, EnhancedSBEP& protocol) {
    programWrite(value, d.type, protocol, d.valueSize);
}

void singleSoftpotData::readFromRadio(radioStorage& storage, EnhancedSBEP& protocol) {
    readInto(storage, protocol, d.type, d.flag, d.row, d.column);
}

void txRefOscData::enterTestMode(EnhancedSBEP& protocol, bool transmit, bool receive) {
    if (transmit) {
        protocol.setTestMode(TEST_MODE_TRANSMIT, TEST_MODE_SETTING, code);
        protocol.setTestMode(TEST_MODE_REF_OSC, TEST_MODE_SETTING, code);
    }
    if (receive) {
        protocol.setTestMode(TEST_MODE_RECEIVE, TEST_MODE_SETTING, code);
        protocol.setTestMode(TEST_MODE_REF_OSC, TEST_MODE_SETTING, code);
    }
}

void txBatteryData::readFromRadio(radioStorage& storage, EnhancedSBEP& protocol) {
    std::uint32_t unused = 0;
    protocol.readSoftpotAllPoints(d.type, unused, storage, d.flag);
    if (storage.isSupported(d.flag))
        storage.setSoftpot(d.row, protocol.bulkPointValue(BATTERY_THRESHOLD_POINT), d.column);
}

std::uint32_t txBatteryData::readCurrentThreshold(radioStorage& storage, EnhancedSBEP& protocol) {
    std::uint32_t value = 0;
    protocol.readSoftpotChecked(d.type, value, storage, d.flag);
    return value;
}

int rxRatedVolumeData::bandwidthCode(const radioStorage& storage) {
    const radiomodel model;
    if (model.isModelGroupA(storage) || model.isModelGroupB(storage) || model.isModelGroupC(storage) ||
        model.isModelGroupD(storage)) {
        code = BANDWIDTH_12_5_KHZ;
        return code;
    }
    return softpotBase::bandwidthCode(storage);
}

void rxRatedVolumeData::enterTestMode(EnhancedSBEP& protocol, ratedVolumeVariant variant) {
    const int mode = variant == ratedVolumeVariant::SONARO ? SONARO_TEST_MODE : d.testMode;
    protocol.setTestMode(mode, TEST_MODE_SETTING, code);
}

void rxRatedVolumeData::readFromRadio(radioStorage& storage, EnhancedSBEP& protocol) {
    readInto(storage, protocol, d.type, d.flag, d.row, d.column);
}

void rxRatedVolumeData::readSonaroFromRadio(radioStorage& storage, EnhancedSBEP& protocol) {
    readInto(storage, protocol, d.type, d.flag, d.row, SONARO_COLUMN);
}

bool rxRatedVolumeData::hasSonaroVariant(const radioStorage& storage) {
    const std::string_view model = storage.getModelNumber();
    return model.size() > 3 && model[3] == 'W';
}
