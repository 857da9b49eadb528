#include "operations/radioProgramAll.h"

#include "model/radiomodel.h"
#include "model/rxPointData.h"
#include "model/singleSoftpotData.h"
#include "model/softpotPoints.h"
#include "model/txAttnData.h"
#include "model/txPABiasData.h"
#include "model/txPowerData.h"
#include "operations/radioOperationsMessages.h"

#include <array>
#include <vector>

namespace {

constexpr int MOBILE_RADIO = 2;
constexpr int RSSI_TYPE = 26;
constexpr int TEMP_COMP_TYPE = 1;
constexpr int TEMP_COMP_BYTES = 4;
constexpr int BATTERY_TYPE = 10;
constexpr int LONG_FORM_LENGTH = 0x0F;
constexpr int MEMORY_DATA = 5;
constexpr int MEMORY_DATA_LONG_FORM = 7;

// A single-value softpot, stored when its procedure is supported.
void programSingle(singleSoftpotData&& data, const radioStorage& storage, EnhancedSBEP& protocol) {
    if (storage.isSupported(data.description().flag))
        data.program(static_cast<std::uint32_t>(data.storedValue(storage)), protocol);
}

std::uint8_t cellByte(const radioStorage& storage, int row, int column) {
    return static_cast<std::uint8_t>(storage.getSoftpot(row, column));
}

} // namespace

bool radioProgramAll::mobile() const {
    return storage.getRadioType() == MOBILE_RADIO;
}

bool radioProgramAll::allPointsAllowed() const {
    const bool trunking = storage.isSupported(FLAG_SELECT5) || storage.isSupported(FLAG_MPT1327);
    return !trunking || level >= FIRST_ALL_POINTS_LEVEL;
}

void radioProgramAll::step(const std::function<void(EnhancedSBEP&)>& body) {
    const std::unique_ptr<radioConnection> connection = connector.connect();
    body(connection->protocol());
}

void radioProgramAll::setProgress(int percent) {
    progress.setProgress(percent, radioMessages::percentComplete(percent));
}

void radioProgramAll::programAll() {
    step([this](EnhancedSBEP& p) { programCodeplugLevelAndRefOsc(p); });
    step([this](EnhancedSBEP& p) { programTransmitPower(p); });
    step([this](EnhancedSBEP& p) { programPAVoltageLimit(p); });
    step([this](EnhancedSBEP& p) { programModulationBalance(p); });
    step([this](EnhancedSBEP& p) { programVCOAttenuation(p); });
    step([this](EnhancedSBEP& p) { programSingle(txDTMFData(), storage, p); });
    step([this](EnhancedSBEP& p) { programPABias(p); });
    step([this](EnhancedSBEP& p) { programSingle(txVYS1200Data(), storage, p); });
    step([this](EnhancedSBEP& p) { programSingle(txSelect5Data(), storage, p); });
    step([this](EnhancedSBEP& p) { programSingle(txMPT1200Data(), storage, p); });
    step([this](EnhancedSBEP& p) { programSingle(txHSSData(), storage, p); });
    step([this](EnhancedSBEP& p) { programFrontEndFilter(p); });
    step([this](EnhancedSBEP& p) { programAutoSquelch(p); });
    step([this](EnhancedSBEP& p) { programSingle(rxRatedVolumeData(), storage, p); });
    step([this](EnhancedSBEP& p) { programRSSI(p); });
    step([this](EnhancedSBEP& p) { programTempComp(p); });
    step([this](EnhancedSBEP& p) { programMobilePower(p); });
    step([this](EnhancedSBEP& p) { programBattery(p); });
    step([this](EnhancedSBEP& p) { programSonaroVolumeAndReset(p); });
}

void radioProgramAll::programCodeplugLevelAndRefOsc(EnhancedSBEP& protocol) {
    EnhancedSBEP::ReplyBuffer reply{};
    protocol.readMemory(reply, CODEPLUG_LEVEL_ADDRESS, 1);
    level = (reply[0] & 0x0F) == LONG_FORM_LENGTH ? reply[MEMORY_DATA_LONG_FORM] : reply[MEMORY_DATA];
    programSingle(txRefOscData(), storage, protocol);
    setProgress(5);
}

void radioProgramAll::programTransmitPower(EnhancedSBEP& protocol) {
    if (mobile() || !storage.isSupported(FLAG_TX_POWER))
        return;
    txTransmitPowData power;
    power.bandwidthCode(storage);
    power.enterTestMode(POWER_HIGH, protocol, false, true);
    programPointGroup(txTransmitPowData::HIGH_POWER, storage, protocol);
    setProgress(15);
    power.enterTestMode(POWER_LOW, protocol, false, true);
    programPointGroup(txTransmitPowData::LOW_POWER, storage, protocol);
    setProgress(20);
    // A radio without the highest-power softpot has no values of it in the
    // image to write.
    if (storage.isSupported(FLAG_TX_POWER_MAX)) {
        power.enterTestMode(POWER_HIGH, protocol, false, true);
        programPointGroup(txTransmitPowData::MAX_POWER, storage, protocol);
    }
    setProgress(25);
}

void radioProgramAll::programPAVoltageLimit(EnhancedSBEP& protocol) {
    if (!mobile() || !storage.isSupported(FLAG_PA_VOLTAGE_LIMIT))
        return;
    txPAVoltageLimitData limit;
    limit.bandwidthCode(storage);
    limit.enterTestMode(POWER_HIGH, protocol, false, true);
    programPointGroup(txPAVoltageLimitData::POINTS, storage, protocol);
    setProgress(25);
}

void radioProgramAll::programModulationBalance(EnhancedSBEP& protocol) {
    if (!storage.isSupported(FLAG_MOD_BALANCE))
        return;
    txModAttnData modulation;
    modulation.enterTestMode(txModAttnData::NORMAL_SPACING, protocol);
    programPointGroup(txModAttnData::POINTS, storage, protocol);
    setProgress(35);
}

void radioProgramAll::programVCOAttenuation(EnhancedSBEP& protocol) {
    if (!storage.isSupported(FLAG_VCO_ATTN))
        return;
    txVCOAttnData vco;
    vco.enterTestMode(VARIANT_25_KHZ, protocol, false, true);
    programPointGroup(txVCOAttnData::POINTS_25_KHZ, storage, protocol, allPointsAllowed());
    setProgress(45);
    vco.enterTestMode(VARIANT_20_KHZ, protocol, false, true);
    vco.programSinglePoint(storage, protocol, txVCOAttnData::COLUMN_20_KHZ);
    setProgress(55);
    vco.enterTestMode(VARIANT_12_5_KHZ, protocol, false, true);
    vco.programSinglePoint(storage, protocol, txVCOAttnData::COLUMN_12_5_KHZ);
    setProgress(60);
}

void radioProgramAll::programPABias(EnhancedSBEP& protocol) {
    txPABiasHighVoltageData high;
    high.bandwidthCode(storage);
    high.enterTestMode(protocol);
    for (int index = 1; index <= paBiasData::BIAS_COUNT; ++index) {
        const paBias& bias = paBiasData::bias(index);
        if (storage.isSupported(bias.flag))
            high.programBias(index,
                             static_cast<std::uint32_t>(storage.getSoftpot(ROW_PA_BIAS, bias.highColumn)),
                             protocol);
    }
    txPABiasLowVoltageData low;
    low.bandwidthCode(storage);
    low.enterTestMode(protocol);
    if (storage.isSupported(FLAG_PA_BIAS_LOW))
        low.programBias(
            1, static_cast<std::uint32_t>(storage.getSoftpot(ROW_PA_BIAS, paBiasData::bias(1).lowColumn)),
            protocol);
}

void radioProgramAll::programFrontEndFilter(EnhancedSBEP& protocol) {
    if (!storage.isSupported(FLAG_FRONT_END_FILTER))
        return;
    rxFEBPData filter;
    filter.bandwidthCode(storage);
    filter.enterTestMode(protocol);
    programPointGroup(rxFEBPData::POINTS, storage, protocol, allPointsAllowed());
    setProgress(80);
}

void radioProgramAll::programAutoSquelch(EnhancedSBEP& protocol) {
    if (!storage.isSupported(FLAG_AUTO_SQUELCH))
        return;
    rxAutoSquelchData squelch;
    squelch.enterTestMode(VARIANT_12_5_KHZ, protocol, false, true);
    programPointGroup(rxAutoSquelchData::POINTS_12_5_KHZ, storage, protocol, allPointsAllowed());
    setProgress(85);
    squelch.enterTestMode(VARIANT_20_KHZ, protocol, false, true);
    programPointGroup(rxAutoSquelchData::POINTS_20_KHZ, storage, protocol, allPointsAllowed());
    setProgress(90);
    squelch.enterTestMode(VARIANT_25_KHZ, protocol, false, true);
    programPointGroup(rxAutoSquelchData::POINTS_25_KHZ, storage, protocol, allPointsAllowed());
}

void radioProgramAll::programRSSI(EnhancedSBEP& protocol) {
    // The thresholds exist only as one record; there is no point-by-point form.
    if (!storage.isSupported(FLAG_RSSI) || !allPointsAllowed())
        return;
    const radiomodel model;
    const bool twoPoints =
        model.isModelGroupE(storage) || model.isModelGroupF(storage) || model.isModelGroupO(storage) ||
        model.isModelGroupP(storage) || model.isModelGroupQ(storage) || model.isModelGroupR(storage) ||
        model.isModelGroupB(storage) || model.isModelGroupA(storage) || model.isModelGroupD(storage) ||
        model.isModelGroupC(storage) || model.isModelGroupJ(storage);
    const std::array<std::uint8_t, 3> thresholds{
        cellByte(storage, ROW_RSSI, 0), cellByte(storage, ROW_RSSI, 1), cellByte(storage, ROW_RSSI, 2)};
    protocol.writeSoftpotBytes(RSSI_TYPE, WRITE_STORE_ALL,
                               std::span<const std::uint8_t>(thresholds).first(twoPoints ? 2 : 3));
}

void radioProgramAll::programTempComp(EnhancedSBEP& protocol) {
    std::array<std::uint8_t, TEMP_COMP_BYTES> bytes{};
    for (int i = 0; i < TEMP_COMP_BYTES; ++i)
        bytes[static_cast<std::size_t>(i)] = cellByte(storage, ROW_RADIO_INFO, COL_TEMP_COMP_1 + i);
    protocol.writeSoftpotBytes(TEMP_COMP_TYPE, WRITE_STORE, bytes);
}

void radioProgramAll::programMobilePower(EnhancedSBEP& protocol) {
    if (mobile() && storage.isSupported(FLAG_MOBILE_KM))
        programPointGroup(txTransmitPowData::MOBILE_POWER, storage, protocol);
}

void radioProgramAll::programBattery(EnhancedSBEP& protocol) {
    if (mobile())
        protocol.writeSoftpot(BATTERY_TYPE, WRITE_STORE_ALL,
                              static_cast<std::uint32_t>(storage.getSoftpot(ROW_BATTERY, 1)), 2);
}

void radioProgramAll::programSonaroVolumeAndReset(EnhancedSBEP& protocol) {
    if (storage.isSupported(FLAG_RATED_VOLUME) && rxRatedVolumeData::hasSonaroVariant(storage)) {
        rxRatedVolumeData volume;
        volume.bandwidthCode(storage);
        volume.enterTestMode(protocol, ratedVolumeVariant::SONARO);
        volume.program(static_cast<std::uint32_t>(
                           storage.getSoftpot(ROW_RATED_VOLUME, rxRatedVolumeData::SONARO_COLUMN)),
                       protocol);
    }
    protocol.resetRadio();
    progress.setGauge(100);
}
