// Data classes of the procedures that keep one value: the signalling
// deviations, the reference oscillator warp, the battery threshold and the
// rated volume. Each is described by one singleSoftpot row.
#pragma once

#include "model/softpotBase.h"

#include <cstdint>

struct singleSoftpot {
    int type;      // softpot type
    int flag;      // support flag
    int row;       // SoftpotRow
    int column;    // cell
    int testMode;  // first byte of the test-mode command (a, 2, code)
    int maxValue;  // largest value a screen may set
    int valueSize; // bytes of a written value
};

class singleSoftpotData : public softpotBase {
public:
    explicit singleSoftpotData(const singleSoftpot& description) : d(description) {}

    const singleSoftpot& description() const { return d; }
    int maxValue() const { return d.maxValue; }

    // (testMode, 2, code) with the code of the last bandwidthCode().
    virtual void enterTestMode(EnhancedSBEP& protocol);
    // Nothing to undo for these procedures; the screens reset the radio.
    virtual void leaveTestMode(EnhancedSBEP&) {}
    void liveWrite(std::uint32_t value, EnhancedSBEP& protocol) const {
        softpotBase::liveWrite(value, d.type, protocol, d.valueSize);
    }
    // Stores the value in the radio (not in the image).
    virtual void program(std::uint32_t value, EnhancedSBEP& protocol);
    // Reads the value into its cell; a radio that refuses it clears the flag
    // and leaves the cell as it was.
    virtual void readFromRadio(radioStorage& storage, EnhancedSBEP& protocol);

    int storedValue(const radioStorage& storage) const { return storage.getSoftpot(d.row, d.column); }

protected:
    singleSoftpot d;
};

class txDTMFData final : public singleSoftpotData {
public:
    static constexpr singleSoftpot DESCRIPTION{14, FLAG_DTMF, ROW_DTMF, 0, 3, 31, 1};
    txDTMFData() : singleSoftpotData(DESCRIPTION) {}
};

class txVYS1200Data final : public singleSoftpotData {
public:
    static constexpr singleSoftpot DESCRIPTION{24, FLAG_VYS1200, ROW_VYS1200, 0, 4, 31, 1};
    txVYS1200Data() : singleSoftpotData(DESCRIPTION) {}
};

class txSelect5Data final : public singleSoftpotData {
public:
    static constexpr singleSoftpot DESCRIPTION{15, FLAG_SELECT5, ROW_SELECT5, 0, 4, 31, 1};
    txSelect5Data() : singleSoftpotData(DESCRIPTION) {}
};

class txHSSData final : public singleSoftpotData {
public:
    static constexpr singleSoftpot DESCRIPTION{16, FLAG_HST, ROW_HST, 0, 7, 31, 1};
    txHSSData() : singleSoftpotData(DESCRIPTION) {}
};

class txMPT1200Data final : public singleSoftpotData {
public:
    static constexpr singleSoftpot DESCRIPTION{5, FLAG_MPT1327, ROW_MPT1327, 0, 5, 31, 1};
    txMPT1200Data() : singleSoftpotData(DESCRIPTION) {}
};

class txRefOscData final : public singleSoftpotData {
public:
    static constexpr singleSoftpot DESCRIPTION{11, FLAG_REF_OSC_WARP, ROW_REF_OSC_WARP, 0, 0, 511, 2};
    txRefOscData() : singleSoftpotData(DESCRIPTION) {}

    // Transmit: (0, 2, code) then (129, 2, code); receive: (1, 2, code) then
    // (129, 2, code); both when both are asked for.
    void enterTestMode(EnhancedSBEP& protocol, bool transmit, bool receive);
    // The receive test mode, in which the read sequence reads the warp.
    void enterTestMode(EnhancedSBEP& protocol) override { enterTestMode(protocol, false, true); }
};

class txBatteryData final : public singleSoftpotData {
public:
    static constexpr singleSoftpot DESCRIPTION{10, FLAG_BATTERY, ROW_BATTERY, 1, 9, 255, 1};
    txBatteryData() : singleSoftpotData(DESCRIPTION) {}

    // The threshold record comes with the all-points read; its second byte
    // is the threshold.
    void readFromRadio(radioStorage& storage, EnhancedSBEP& protocol) override;
    // What the radio measures now at the supply it sees; the flag tells
    // whether it answered.
    std::uint32_t readCurrentThreshold(radioStorage& storage, EnhancedSBEP& protocol);
};

// The rated volume has two environments: carrier squelch (column 0) and the
// second one of radios whose model number has 'W' as its fourth character
// (column 1). Radios of model groups A to D take the 12.5 kHz code in its
// test mode whatever their spacing.
enum class ratedVolumeVariant { CARRIER_SQUELCH, SONARO };

class rxRatedVolumeData final : public singleSoftpotData {
public:
    static constexpr singleSoftpot DESCRIPTION{8, FLAG_RATED_VOLUME, ROW_RATED_VOLUME, 0, 0, 255, 1};
    static constexpr int SONARO_TEST_MODE = 18;
    static constexpr int SONARO_COLUMN = 1;

    rxRatedVolumeData() : singleSoftpotData(DESCRIPTION) {}

    int bandwidthCode(const radioStorage& storage) override;
    void enterTestMode(EnhancedSBEP& protocol, ratedVolumeVariant variant);
    void enterTestMode(EnhancedSBEP& protocol) override {
        enterTestMode(protocol, ratedVolumeVariant::CARRIER_SQUELCH);
    }
    // Column 0.
    void readFromRadio(radioStorage& storage, EnhancedSBEP& protocol) override;
    // Column 1, read in the second environment's test mode.
    void readSonaroFromRadio(radioStorage& storage, EnhancedSBEP& protocol);

    static bool hasSonaroVariant(const radioStorage& storage);
};
