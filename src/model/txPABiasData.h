// PA bias: up to three bias softpots (types 18, 20, 27), each tuned at the
// high supply voltage (ROW_PA_BIAS columns 0, 2, 4) and bias 1 also at the
// low one (column 1; the read also takes 3 and 5). The voltage softpot
// (type 6) and the transmit power (type 0) are only ever written live here.
#pragma once

#include "model/softpotBase.h"

#include <cstdint>

struct paBias {
    int type;
    int flag;       // support flag of the high-voltage value
    int highColumn; // ROW_PA_BIAS cells
    int lowColumn;
};

class paBiasData : public softpotBase {
public:
    static constexpr int BIAS_COUNT = 3;
    static constexpr paBias BIASES[BIAS_COUNT] = {
        {18, FLAG_PA_BIAS_HIGH, 0, 1},
        {20, FLAG_PA_BIAS_2, 2, 3},
        {27, FLAG_PA_BIAS_3, 4, 5},
    };
    static constexpr int VOLTAGE_TYPE = 6;
    static constexpr int TX_POWER_TYPE = 0;
    static constexpr int MAX_VALUE = 127;

    // bias 1..3
    static const paBias& bias(int index) { return BIASES[index < 1 ? 0 : index > 3 ? 2 : index - 1]; }

    void liveWriteBias(int index, std::uint32_t value, EnhancedSBEP& protocol) const {
        liveWrite(value, bias(index).type, protocol);
    }
    void programBias(int index, std::uint32_t value, EnhancedSBEP& protocol) const {
        programWrite(value, bias(index).type, protocol);
    }
    void liveWriteTxPower(std::uint32_t value, EnhancedSBEP& protocol) const {
        liveWrite(value, TX_POWER_TYPE, protocol);
    }
    void liveWriteVoltage(std::uint32_t value, EnhancedSBEP& protocol) const {
        liveWrite(value, VOLTAGE_TYPE, protocol);
    }

protected:
    // The voltage softpot's answer only tells whether the radio lets the
    // screens set the supply voltage (FLAG_PA_BIAS_TOGGLE); its value is not kept.
    static void readVoltageSupport(radioStorage& storage, EnhancedSBEP& protocol);
    // Reads bias 1 with `bias1Flag` and biases 2 and 3 with their own flags into
    // the high- or low-voltage cells.
    static void readBiases(radioStorage& storage, EnhancedSBEP& protocol, int bias1Flag, bool lowVoltage);
};

class txPABiasHighVoltageData final : public paBiasData {
public:
    // (9, 0, code)
    void enterTestMode(EnhancedSBEP& protocol);
    // (9, 2, code): the low-voltage test mode, used by radios that tune
    // bias 2 in it.
    void enterLowVoltageTestMode(EnhancedSBEP& protocol);
    void readFromRadio(radioStorage& storage, EnhancedSBEP& protocol);
};

class txPABiasLowVoltageData final : public paBiasData {
public:
    // (9, 2, code)
    void enterTestMode(EnhancedSBEP& protocol);
    void readFromRadio(radioStorage& storage, EnhancedSBEP& protocol);
};

// The receive-mode variant of the high-voltage procedure.
class txPABiasRxModeData final : public paBiasData {
public:
    // (9, 0, code)
    void enterTestMode(EnhancedSBEP& protocol);
    // (0, 2, 2)
    void enterReceiveTestMode(EnhancedSBEP& protocol);
    // (9, 2, 2)
    void enterReceiveBiasTestMode(EnhancedSBEP& protocol);
    void readFromRadio(radioStorage& storage, EnhancedSBEP& protocol);
};
