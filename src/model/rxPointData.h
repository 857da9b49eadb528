// The receive procedures tuned at every receive point: the front end filter
// and the auto squelch (one set of points per channel spacing).
#pragma once

#include "model/softpotBase.h"
#include "model/softpotPoints.h"
#include "model/txAttnData.h"

#include <cstdint>

class rxFEBPData final : public softpotBase {
public:
    static constexpr int FRONT_END_FILTER_TYPE = 13;
    static constexpr pointGroup POINTS{FRONT_END_FILTER_TYPE, FLAG_FRONT_END_FILTER,
                                       ROW_FRONT_END_FILTER,  0,
                                       pointSide::RECEIVE,    pointGating::FIRST_POINT};
    static constexpr int RSSI_CALIBRATION_COLUMN = 6;

    // (0, 2, code)
    void enterTestMode(EnhancedSBEP& protocol);
    void liveWrite(std::uint32_t value, EnhancedSBEP& protocol) const {
        softpotBase::liveWrite(value, FRONT_END_FILTER_TYPE, protocol);
    }
    void program(std::uint32_t value, EnhancedSBEP& protocol) const {
        programWrite(value, FRONT_END_FILTER_TYPE, protocol);
    }
    void readFromRadio(radioStorage& storage, EnhancedSBEP& protocol) const {
        readPointGroup(POINTS, storage, protocol);
    }
    // The radio's RSSI calibration value into ROW_RSSI column 6.
    void readRSSICalibration(radioStorage& storage, EnhancedSBEP& protocol) const;
};

class rxAutoSquelchData final : public softpotBase {
public:
    static constexpr int AUTO_SQUELCH_TYPE = 7;
    static constexpr pointGroup POINTS_12_5_KHZ{AUTO_SQUELCH_TYPE,  FLAG_AUTO_SQUELCH, ROW_AUTO_SQUELCH, 0,
                                                pointSide::RECEIVE, pointGating::NONE};
    static constexpr pointGroup POINTS_20_KHZ{AUTO_SQUELCH_TYPE,  FLAG_AUTO_SQUELCH, ROW_AUTO_SQUELCH, 7,
                                              pointSide::RECEIVE, pointGating::NONE};
    static constexpr pointGroup POINTS_25_KHZ{AUTO_SQUELCH_TYPE,  FLAG_AUTO_SQUELCH, ROW_AUTO_SQUELCH, 14,
                                              pointSide::RECEIVE, pointGating::NONE};
    static constexpr int MIN_VALUE = 1;
    static constexpr int MAX_VALUE = 63;

    // The group of a spacing variant (1 = 25 kHz, 2 = 20 kHz, 3 = 12.5 kHz).
    static const pointGroup& pointsOfVariant(int variant);

    // Transmit: (0, 2, b); receive: (1, 2, b); an unknown variant sends nothing.
    void enterTestMode(int variant, EnhancedSBEP& protocol, bool transmit, bool receive);
    void liveWrite(std::uint32_t value, EnhancedSBEP& protocol) const {
        softpotBase::liveWrite(value, AUTO_SQUELCH_TYPE, protocol);
    }
    void program(std::uint32_t value, EnhancedSBEP& protocol) const {
        programWrite(value, AUTO_SQUELCH_TYPE, protocol);
    }
    // The radio tunes the squelch itself; 0 when it leaves that to the PC.
    std::uint32_t autoTune(radioStorage& storage, EnhancedSBEP& protocol) const;

    void read12kHz(radioStorage& storage, EnhancedSBEP& protocol) const {
        readPointGroup(POINTS_12_5_KHZ, storage, protocol);
    }
    void read20kHz(radioStorage& storage, EnhancedSBEP& protocol) const {
        readPointGroup(POINTS_20_KHZ, storage, protocol);
    }
    void read25kHz(radioStorage& storage, EnhancedSBEP& protocol) const {
        readPointGroup(POINTS_25_KHZ, storage, protocol);
    }
};
