#include "model/txAttnData.h"

#include "model/RF_Frequency.h"
#include "model/radiomodel.h"

namespace {

constexpr int TEST_MODE_TRANSMIT = 0;
constexpr int TEST_MODE_RECEIVE = 1;
constexpr int TEST_MODE_VCO = 128;
constexpr int TEST_MODE_MOD_BALANCE = 14;
constexpr int TEST_MODE_SETTING = 2;

} // namespace

int bandwidthCodeOfVariant(int variant) {
    switch (variant) {
    case VARIANT_25_KHZ:
        return BANDWIDTH_25_KHZ;
    case VARIANT_20_KHZ:
        return BANDWIDTH_20_KHZ;
    case VARIANT_12_5_KHZ:
        return BANDWIDTH_12_5_KHZ;
    default:
        return -1;
    }
}

void txVCOAttnData::enterTestMode(int variant, EnhancedSBEP& protocol, bool transmit, bool receive) {
    const int b = bandwidthCodeOfVariant(variant);
    if (b < 0)
        return;
    if (transmit) {
        protocol.setTestMode(TEST_MODE_TRANSMIT, TEST_MODE_SETTING, b);
        protocol.setTestMode(TEST_MODE_VCO, TEST_MODE_SETTING, b);
    }
    if (receive) {
        protocol.setTestMode(TEST_MODE_RECEIVE, TEST_MODE_SETTING, b);
        protocol.setTestMode(TEST_MODE_VCO, TEST_MODE_SETTING, b);
    }
}

int txVCOAttnData::singleTuningPoint(const radioStorage& storage) {
    RF_Frequency frequency;
    return frequency.lastTxPoint(storage);
}

bool txVCOAttnData::selectSingleTuningPoint(const radioStorage& storage, EnhancedSBEP& protocol) {
    const int point = singleTuningPoint(storage);
    if (point == 0)
        return false;
    selectPointChannel(protocol, storage, pointSide::TRANSMIT, point);
    return true;
}

void txVCOAttnData::readSinglePoint(radioStorage& storage, EnhancedSBEP& protocol, int column) const {
    if (!selectSingleTuningPoint(storage, protocol))
        return;
    std::uint32_t value = 0;
    protocol.readSoftpotChecked(VCO_ATTN_TYPE, value, storage, FLAG_VCO_ATTN);
    if (storage.isSupported(FLAG_VCO_ATTN))
        storage.setSoftpot(ROW_VCO_ATTN, static_cast<int>(value), column);
}

void txVCOAttnData::programSinglePoint(const radioStorage& storage, EnhancedSBEP& protocol,
                                       int column) const {
    if (!selectSingleTuningPoint(storage, protocol))
        return;
    program(static_cast<std::uint32_t>(storage.getSoftpot(ROW_VCO_ATTN, column)), protocol);
}

void txModAttnData::enterTestMode(int spacing, EnhancedSBEP& protocol) {
    protocol.setTestMode(TEST_MODE_MOD_BALANCE, TEST_MODE_SETTING, spacing);
    liveWriteVCOAttn(VCO_ATTN_OPEN, protocol);
}

int txModAttnData::spacingFor(const radioStorage& storage) {
    const radiomodel model;
    const bool narrow = model.isModelGroupA(storage) || model.isModelGroupB(storage) ||
                        model.isModelGroupC(storage) || model.isModelGroupD(storage);
    return narrow ? NARROW_SPACING : NORMAL_SPACING;
}
