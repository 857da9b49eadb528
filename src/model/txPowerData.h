// Transmit power (high, low, highest accepted, the mobile K and M pairs), the
// transmit DAC and the PA voltage limit: the procedures tuned in the power
// test mode, level 1 (high power) or 2 (low power).
#pragma once

#include "model/softpotBase.h"
#include "model/softpotPoints.h"

#include <cstdint>

enum PowerLevel : int { POWER_HIGH = 1, POWER_LOW = 2 };

// Level 1 or 2 (others send nothing): transmit sends (0, c, code) then
// (129, c, code), receive (1, c, code) then (129, c, code), with c = 0 for
// level 1 and 2 for level 2.
void enterPowerTestMode(EnhancedSBEP& protocol, int level, int code, bool transmit, bool receive);

constexpr int TX_POWER_TYPE = 0;
constexpr int PA_VOLTAGE_LIMIT_TYPE = 6;
constexpr int MOBILE_POWER_TYPE = 17;
constexpr int PA_VOLTAGE_LIMIT_OPEN = 127;

class txTransmitPowData final : public softpotBase {
public:
    static constexpr pointGroup HIGH_POWER{TX_POWER_TYPE,       FLAG_TX_POWER,           ROW_TX_POWER, 0,
                                           pointSide::TRANSMIT, pointGating::FIRST_POINT};
    static constexpr pointGroup LOW_POWER{TX_POWER_TYPE,       FLAG_TX_POWER,    ROW_TX_POWER, 7,
                                          pointSide::TRANSMIT, pointGating::NONE};
    static constexpr pointGroup MAX_POWER{28, FLAG_TX_POWER_MAX,   ROW_TX_POWER_MAX,
                                          0,  pointSide::TRANSMIT, pointGating::FIRST_POINT};
    // K of F n in column 2(n-1), M in 2(n-1)+1; on the wire K * 256 + M.
    static constexpr pointGroup MOBILE_POWER{MOBILE_POWER_TYPE,
                                             FLAG_MOBILE_KM,
                                             ROW_MOBILE_KM,
                                             0,
                                             pointSide::TRANSMIT,
                                             pointGating::FIRST_POINT,
                                             2};
    static constexpr int MAX_VALUE = 127;
    static constexpr int MAX_KM_VALUE = 255;

    void enterTestMode(int level, EnhancedSBEP& protocol, bool transmit, bool receive) {
        enterPowerTestMode(protocol, level, code, transmit, receive);
    }

    void liveWrite(std::uint32_t value, EnhancedSBEP& protocol) const {
        softpotBase::liveWrite(value, TX_POWER_TYPE, protocol);
    }
    void program(std::uint32_t value, EnhancedSBEP& protocol) const {
        programWrite(value, TX_POWER_TYPE, protocol);
    }
    void programMaxPower(std::uint32_t value, EnhancedSBEP& protocol) const {
        programWrite(value, MAX_POWER.type, protocol);
    }
    void programMobilePower(int k, int m, EnhancedSBEP& protocol) const {
        programWrite(static_cast<std::uint32_t>((k & 0xFF) * 256 + (m & 0xFF)), MOBILE_POWER_TYPE, protocol,
                     2);
    }
    // The PA voltage limit fully open, so that the power alone sets the output.
    void openVoltageLimit(EnhancedSBEP& protocol) const {
        softpotBase::liveWrite(PA_VOLTAGE_LIMIT_OPEN, PA_VOLTAGE_LIMIT_TYPE, protocol);
    }

    void readHighPower(radioStorage& storage, EnhancedSBEP& protocol) const {
        readPointGroup(HIGH_POWER, storage, protocol);
    }
    void readLowPower(radioStorage& storage, EnhancedSBEP& protocol) const {
        readPointGroup(LOW_POWER, storage, protocol);
    }
    void readMaxPower(radioStorage& storage, EnhancedSBEP& protocol) const {
        readPointGroup(MAX_POWER, storage, protocol);
    }
    void readMobilePower(radioStorage& storage, EnhancedSBEP& protocol) const {
        readPointGroup(MOBILE_POWER, storage, protocol);
    }
};

// The two transmit power DACs of low-band mobile radios (ROW_MOBILE_KM
// columns 14 and 15, from the tuning data). Tuned live as transmit power.
class txTransmitDACData final : public softpotBase {
public:
    static constexpr int MAX_VALUE = 255;

    void enterTestMode(int level, EnhancedSBEP& protocol, bool transmit, bool receive) {
        enterPowerTestMode(protocol, level, code, transmit, receive);
    }
    void liveWrite(std::uint32_t value, EnhancedSBEP& protocol) const {
        softpotBase::liveWrite(value, TX_POWER_TYPE, protocol);
    }
    void program(std::uint32_t value, EnhancedSBEP& protocol) const {
        programWrite(value, TX_POWER_TYPE, protocol);
    }
    // A 16-bit value of the K and M softpot.
    void programDAC(std::uint32_t value, EnhancedSBEP& protocol) const {
        programWrite(value, MOBILE_POWER_TYPE, protocol, 2);
    }
    void openVoltageLimit(EnhancedSBEP& protocol) const {
        softpotBase::liveWrite(PA_VOLTAGE_LIMIT_OPEN, PA_VOLTAGE_LIMIT_TYPE, protocol);
    }
};

class txPAVoltageLimitData final : public softpotBase {
public:
    static constexpr pointGroup POINTS{PA_VOLTAGE_LIMIT_TYPE, FLAG_PA_VOLTAGE_LIMIT, ROW_PA_VOLTAGE_LIMIT, 0,
                                       pointSide::TRANSMIT,   pointGating::NONE};
    static constexpr int MAX_VALUE = 127;

    void enterTestMode(int level, EnhancedSBEP& protocol, bool transmit, bool receive) {
        enterPowerTestMode(protocol, level, code, transmit, receive);
    }
    void liveWrite(std::uint32_t value, EnhancedSBEP& protocol) const {
        softpotBase::liveWrite(value, PA_VOLTAGE_LIMIT_TYPE, protocol);
    }
    void program(std::uint32_t value, EnhancedSBEP& protocol) const {
        programWrite(value, PA_VOLTAGE_LIMIT_TYPE, protocol);
    }
    // The radio tunes the limit itself; 0 when it leaves that to the PC (or
    // refuses, which clears FLAG_PA_VOLTAGE_LIMIT).
    std::uint32_t autoTune(radioStorage& storage, EnhancedSBEP& protocol) const;
    void readFromRadio(radioStorage& storage, EnhancedSBEP& protocol) const {
        readPointGroup(POINTS, storage, protocol);
    }
};
