#include "operations/radioOperations.h"

#include "model/RF_Frequency.h"
#include "model/rxPointData.h"
#include "model/rxRSSIData.h"
#include "model/singleSoftpotData.h"
#include "model/txAttnData.h"
#include "model/txPABiasData.h"
#include "model/txPowerData.h"
#include "operations/radioOperationsMessages.h"

#include <string_view>

namespace {

using ReplyBuffer = EnhancedSBEP::ReplyBuffer;

constexpr std::uint8_t POWER_UP_OK = 0x00;
constexpr std::uint8_t POWER_UP_NORMAL = 0x20;
constexpr int MOBILE_RADIO = 2;
constexpr std::uint8_t BBO_ANSWERED = 0x88;
constexpr std::uint8_t NOT_SUPPORTED = 0x86;

// Reply layout of the identity and tuning requests (buffer positions).
constexpr int STATUS_BYTE = 3;
constexpr int SERIAL_FIRST = 3;
constexpr int LONG_TEXT_FIRST = 5; // model text and UUID: behind a 16-bit length
constexpr int IC_VERSION_FIRST = 3;
constexpr int TUNE_BASE = 4;
constexpr int TUNE_SPACING_MASK = 6;
constexpr int TUNE_TX_POINTS = 8;
constexpr int TUNE_RX_POINTS = 24;
constexpr int TUNE_DAC_1 = 40;
constexpr int TUNE_DAC_2 = 41;
constexpr int TUNE_RADIO_TYPE = 42;
constexpr int TUNE_BATTERY_DEFAULT = 43;
constexpr int TEMP_COMP_FIRST = 3;
constexpr int TEMP_COMP_BYTES = 4;

// Baseband offsets: groups 1..3, five items each, in the order the image keeps them.
constexpr int BBO_GROUPS = 3;
constexpr int BBO_ITEMS[] = {5, 0, 2, 10, 8};

int word(const ReplyBuffer& reply, int at) {
    return reply[at] * 256 + reply[at + 1];
}

std::string_view text(const ReplyBuffer& reply, int first, std::size_t length) {
    return {reinterpret_cast<const char*>(reply.data()) + first, length};
}

void setProgress(ProgressSink& progress, int percent) {
    progress.setProgress(percent, radioMessages::percentComplete(percent));
}

void readIdentity(radioStorage& storage, EnhancedSBEP& protocol) {
    ReplyBuffer reply{};
    protocol.readSerialNumber(reply);
    storage.setSerialNumber(text(reply, SERIAL_FIRST, radioStorage::SERIAL_LENGTH));
    reply.fill(0);
    protocol.readModelNumber(reply);
    storage.setModelNumber(text(reply, LONG_TEXT_FIRST, radioStorage::MODEL_REPLY_LENGTH));
    reply.fill(0);
    protocol.readUUID(reply);
    storage.setUUID(std::span<const std::uint8_t>(reply).subspan(LONG_TEXT_FIRST, radioStorage::UUID_LENGTH));
    reply.fill(0);
    protocol.readRegionalID(reply);
    storage.setRegionalID(reply[STATUS_BYTE]);
    reply.fill(0);
    protocol.readICVersion(reply);
    storage.setICVersion(
        std::span<const std::uint8_t>(reply).subspan(IC_VERSION_FIRST, radioStorage::IC_VERSION_LENGTH));
}

// Stores the tuning data; false when the radio has no used transmit or no
// used receive point.
bool readTuningData(radioStorage& storage, EnhancedSBEP& protocol) {
    ReplyBuffer reply{};
    protocol.readTuneData(reply);
    storage.setSoftpot(ROW_RADIO_INFO, word(reply, TUNE_BASE), COL_FREQUENCY_BASE);
    for (int i = 0; i < RF_Frequency::POINTS; ++i) {
        storage.setSoftpot(ROW_RADIO_INFO, word(reply, TUNE_TX_POINTS + 2 * i), COL_TX_POINT_F1 + i);
        storage.setSoftpot(ROW_RADIO_INFO, word(reply, TUNE_RX_POINTS + 2 * i), COL_RX_POINT_F1 + i);
    }
    storage.setSoftpot(ROW_MOBILE_KM, reply[TUNE_DAC_1], COL_KM_DAC_1);
    storage.setSoftpot(ROW_MOBILE_KM, reply[TUNE_DAC_2], COL_KM_DAC_2);
    storage.setRadioType(reply[TUNE_RADIO_TYPE]);
    storage.setSoftpot(ROW_BATTERY, reply[TUNE_BATTERY_DEFAULT], 0);
    storage.setSoftpot(ROW_RADIO_INFO, reply[TUNE_SPACING_MASK], COL_SPACING_MASK);
    RF_Frequency::applyGroupHRule(storage);

    RF_Frequency frequency;
    return frequency.firstTxPoint(storage) != 0 && frequency.firstRxPoint(storage) != 0;
}

void readTransmitPower(radioStorage& storage, EnhancedSBEP& protocol, ProgressSink& progress) {
    txTransmitPowData power;
    if (storage.getRadioType() == MOBILE_RADIO) {
        power.readMobilePower(storage, protocol);
        RF_Frequency::applyLowBandRule(storage);
        setProgress(progress, 25);
        return;
    }
    power.bandwidthCode(storage);
    power.enterTestMode(POWER_HIGH, protocol, false, true);
    power.readHighPower(storage, protocol);
    setProgress(progress, 20);
    power.readMaxPower(storage, protocol);
    setProgress(progress, 22);
    if (storage.isSupported(FLAG_TX_POWER)) {
        power.enterTestMode(POWER_LOW, protocol, false, true);
        power.readLowPower(storage, protocol);
        setProgress(progress, 25);
    }
}

void readVCOAttenuation(radioStorage& storage, EnhancedSBEP& protocol, ProgressSink& progress) {
    txVCOAttnData vco;
    vco.enterTestMode(VARIANT_25_KHZ, protocol, false, true);
    vco.read25kHz(storage, protocol);
    setProgress(progress, 40);
    if (!storage.isSupported(FLAG_VCO_ATTN))
        return;
    vco.enterTestMode(VARIANT_20_KHZ, protocol, false, true);
    vco.read20kHz(storage, protocol);
    setProgress(progress, 50);
    vco.enterTestMode(VARIANT_12_5_KHZ, protocol, false, true);
    vco.read12kHz(storage, protocol);
    setProgress(progress, 55);
}

void readPAVoltageLimit(radioStorage& storage, EnhancedSBEP& protocol) {
    txPAVoltageLimitData limit;
    limit.bandwidthCode(storage);
    limit.enterTestMode(POWER_HIGH, protocol, false, true);
    // A radio that tunes the limit itself answers the value; 0 means the
    // points are read one by one.
    if (limit.autoTune(storage, protocol) == 0 && storage.isSupported(FLAG_PA_VOLTAGE_LIMIT))
        limit.readFromRadio(storage, protocol);
}

void readPABias(radioStorage& storage, EnhancedSBEP& protocol) {
    txPABiasHighVoltageData high;
    high.bandwidthCode(storage);
    high.enterTestMode(protocol);
    high.readFromRadio(storage, protocol);
    if (storage.getRadioType() == MOBILE_RADIO) {
        storage.clearSupported(FLAG_PA_BIAS_LOW);
        return;
    }
    txPABiasLowVoltageData low;
    low.bandwidthCode(storage);
    low.enterTestMode(protocol);
    low.readFromRadio(storage, protocol);
}

void readAutoSquelch(radioStorage& storage, EnhancedSBEP& protocol, ProgressSink& progress) {
    rxAutoSquelchData squelch;
    squelch.enterTestMode(VARIANT_12_5_KHZ, protocol, false, true);
    squelch.read12kHz(storage, protocol);
    setProgress(progress, 75);
    if (!storage.isSupported(FLAG_AUTO_SQUELCH))
        return;
    squelch.enterTestMode(VARIANT_20_KHZ, protocol, false, true);
    squelch.read20kHz(storage, protocol);
    setProgress(progress, 80);
    squelch.enterTestMode(VARIANT_25_KHZ, protocol, false, true);
    squelch.read25kHz(storage, protocol);
    setProgress(progress, 85);
}

void readRatedVolume(radioStorage& storage, EnhancedSBEP& protocol, ProgressSink& progress) {
    rxRatedVolumeData volume;
    volume.bandwidthCode(storage);
    volume.enterTestMode(protocol, ratedVolumeVariant::CARRIER_SQUELCH);
    volume.readFromRadio(storage, protocol);
    setProgress(progress, 90);
    if (storage.isSupported(FLAG_RATED_VOLUME) && rxRatedVolumeData::hasSonaroVariant(storage)) {
        volume.enterTestMode(protocol, ratedVolumeVariant::SONARO);
        volume.readSonaroFromRadio(storage, protocol);
        setProgress(progress, 95);
    }
}

void readTempComp(radioStorage& storage, EnhancedSBEP& protocol) {
    ReplyBuffer reply{};
    protocol.readTempComp(reply);
    for (int i = 0; i < TEMP_COMP_BYTES; ++i)
        storage.setSoftpot(ROW_RADIO_INFO, reply[TEMP_COMP_FIRST + i], COL_TEMP_COMP_1 + i);
}

void readBasebandOffsets(radioStorage& storage, EnhancedSBEP& protocol) {
    ReplyBuffer reply{};
    protocol.readBBO(reply, BBO_ITEMS[0], 1);
    const bool answered = reply[1] == BBO_ANSWERED;
    storage.setBBOSupported(answered);
    if (!answered)
        return;
    // The first answer is group 1's first offset already.
    int column = 0;
    storage.setSoftpot(ROW_BBO, reply[3], column++);
    for (int group = 1; group <= BBO_GROUPS; ++group) {
        for (const int item : BBO_ITEMS) {
            if (group == 1 && item == BBO_ITEMS[0])
                continue;
            reply.fill(0);
            protocol.readBBO(reply, item, group);
            storage.setSoftpot(ROW_BBO, reply[3], column++);
        }
    }
}

} // namespace

readRadioResult radioOperations::readRadio(radioStorage& storage, ProgressSink& progress) {
    const std::unique_ptr<radioConnection> connection = connector_->connect();
    EnhancedSBEP& protocol = connection->protocol();

    ReplyBuffer reply{};
    protocol.readPowerUpStatus(reply);
    const std::uint8_t status = reply[STATUS_BYTE];
    if (status != POWER_UP_OK && status != POWER_UP_NORMAL) {
        progress.setGauge(100);
        return {readRadioOutcome::POWER_UP_FAILURE, status};
    }

    readIdentity(storage, protocol);
    setProgress(progress, 5);
    if (!readTuningData(storage, protocol))
        return {readRadioOutcome::NO_VALID_POINTS, READ_NO_VALID_POINTS};

    setProgress(progress, 10);
    txRefOscData refOsc;
    refOsc.bandwidthCode(storage);
    refOsc.enterTestMode(protocol, false, true);
    refOsc.readFromRadio(storage, protocol);

    setProgress(progress, 15);
    readTransmitPower(storage, protocol, progress);

    setProgress(progress, 25);
    txModAttnData modulation;
    modulation.enterTestMode(txModAttnData::NORMAL_SPACING, protocol);
    modulation.readFromRadio(storage, protocol);

    setProgress(progress, 30);
    readVCOAttenuation(storage, protocol, progress);
    if (storage.isSupported(FLAG_MOD_BALANCE))
        readPAVoltageLimit(storage, protocol);
    txDTMFData().readFromRadio(storage, protocol);
    readPABias(storage, protocol);
    txVYS1200Data().readFromRadio(storage, protocol);
    txSelect5Data().readFromRadio(storage, protocol);
    txHSSData().readFromRadio(storage, protocol);
    txMPT1200Data().readFromRadio(storage, protocol);
    txBatteryData().readFromRadio(storage, protocol);
    rxFEBPData().readFromRadio(storage, protocol);

    setProgress(progress, 65);
    readAutoSquelch(storage, protocol, progress);
    readRatedVolume(storage, protocol, progress);
    rxRSSIData::readThresholds(storage, protocol);
    readTempComp(storage, protocol);
    readBasebandOffsets(storage, protocol);

    progress.setGauge(100);
    protocol.resetRadio();
    storage.setReadStatus(READ_STATUS_COMPLETE);
    return {readRadioOutcome::COMPLETE, READ_COMPLETE};
}

bool radioOperations::verifySerialNo(const radioStorage& storage, EnhancedSBEP& protocol) {
    ReplyBuffer reply{};
    protocol.readSerialNumber(reply);
    const std::string_view stored = storage.getSerialNumber();
    if (stored.size() < radioStorage::SERIAL_LENGTH)
        return false;
    return text(reply, SERIAL_FIRST, radioStorage::SERIAL_LENGTH) ==
           stored.substr(0, radioStorage::SERIAL_LENGTH);
}
