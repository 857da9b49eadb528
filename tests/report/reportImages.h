// Radio images for the report tests, filled cell by cell so that every value
// in the expected reports can be traced back to one line here.
#pragma once

#include "model/radioStorage.h"

#include <initializer_list>
#include <string>

namespace reportImages {

constexpr int BASE_136_MHZ = 5440; // 5440 * 25 kHz

inline void setRow(radioStorage& s, int row, int firstColumn, std::initializer_list<int> values) {
    int column = firstColumn;
    for (int v : values)
        s.setSoftpot(row, v, column++);
}

// Transmit points 137.000, -, 141.005, 148.000, -, -, 161.000 MHz; receive
// points -, 139.000, 143.000, 147.000, -, -, 166.000 MHz.
inline void portable(radioStorage& s) {
    s.setSerialNumber("748TGK0123");
    s.setModelNumber("T25XYZ12AB      ");
    s.setRadioType(1);
    s.setSoftpot(ROW_RADIO_INFO, BASE_136_MHZ, COL_FREQUENCY_BASE);
    setRow(s, ROW_RADIO_INFO, COL_TX_POINT_F1, {200, 0, 1001, 2400, 0, 0, 5000});
    setRow(s, ROW_RADIO_INFO, COL_RX_POINT_F1, {0, 600, 1400, 2200, 0, 0, 6000});

    setRow(s, ROW_FRONT_END_FILTER, 0, {11, 22, 33, 44, 55, 66, 77});
    s.clearSupported(FLAG_AUTO_SQUELCH);
    setRow(s, ROW_AUTO_SQUELCH, 0, {1, 2, 3, 4, 5, 6, 7});
    s.setSoftpot(ROW_RATED_VOLUME, 180, 0);
    s.clearSupported(FLAG_RSSI);
    s.setSoftpot(ROW_REF_OSC_WARP, 301, 0);
    setRow(s, ROW_TX_POWER, 0, {101, 102, 103, 104, 105, 106, 107});
    setRow(s, ROW_TX_POWER, 7, {51, 52, 53, 54, 55, 56, 57});
    setRow(s, ROW_MOD_BALANCE, 14, {31, 32, 33, 34, 35, 36, 37});
    s.setSoftpot(ROW_VCO_ATTN, 60, 6);
    s.setSoftpot(ROW_VCO_ATTN, 61, 13);
    setRow(s, ROW_VCO_ATTN, 14, {70, 71, 72, 73, 74, 75, 76});
    s.clearSupported(FLAG_DTMF);
    s.setSoftpot(ROW_VYS1200, 19, 0);
    s.setSoftpot(ROW_PA_BIAS, 90, 0);
    s.setSoftpot(ROW_PA_BIAS, 45, 1);
    s.clearSupported(FLAG_PA_BIAS_2);
    s.clearSupported(FLAG_PA_BIAS_3);
    s.clearSupported(FLAG_SELECT5);
    s.clearSupported(FLAG_MPT1327);
    s.setSoftpot(ROW_HST, 4095, 0); // the marker of a group an archive did not hold
}

// A group F mobile radio: transmit points 137.000 and 138.000 MHz, receive
// points 137.500 and 138.500 MHz; K and M of F1 are the worked example
// K = 100, M = 50 at D1 = 200, D2 = 150.
inline void mobileGroupF(radioStorage& s) {
    s.setSerialNumber("456AFT7890");
    s.setModelNumber("V42ABC3XY1      ");
    s.setRadioType(2);
    s.setSoftpot(ROW_RADIO_INFO, BASE_136_MHZ, COL_FREQUENCY_BASE);
    setRow(s, ROW_RADIO_INFO, COL_TX_POINT_F1, {200, 400});
    setRow(s, ROW_RADIO_INFO, COL_RX_POINT_F1, {300, 500});

    setRow(s, ROW_FRONT_END_FILTER, 0, {120, 121});
    setRow(s, ROW_AUTO_SQUELCH, 0, {20, 21});
    setRow(s, ROW_AUTO_SQUELCH, 7, {27, 28});
    setRow(s, ROW_AUTO_SQUELCH, 14, {34, 35});
    s.setSoftpot(ROW_RATED_VOLUME, 200, 0);
    setRow(s, ROW_RSSI, 0, {40, 50, 60, 110, 100, 90});
    s.setSoftpot(ROW_REF_OSC_WARP, 256, 0);
    setRow(s, ROW_TX_POWER, 0, {99, 98}); // a mobile radio has no per-point power softpot
    setRow(s, ROW_MOBILE_KM, 0, {100, 50, 10, 200});
    s.setSoftpot(ROW_MOBILE_KM, 200, COL_KM_DAC_1);
    s.setSoftpot(ROW_MOBILE_KM, 150, COL_KM_DAC_2);
    s.setSoftpot(ROW_MOBILE_KM, 0, COL_KM_LOW_BAND);
    setRow(s, ROW_MOD_BALANCE, 14, {40, 41});
    s.setSoftpot(ROW_VCO_ATTN, 62, 6);
    s.setSoftpot(ROW_VCO_ATTN, 63, 13);
    setRow(s, ROW_VCO_ATTN, 14, {80, 81});
    s.setSoftpot(ROW_DTMF, 22, 0);
    s.setSoftpot(ROW_VYS1200, 23, 0);
    setRow(s, ROW_PA_BIAS, 0, {91, 94, 92, 0, 93, 0});
    setRow(s, ROW_PA_VOLTAGE_LIMIT, 0, {111, 112});
    s.setSoftpot(ROW_SELECT5, 24, 0);
    s.setSoftpot(ROW_MPT1327, 25, 0);
    s.setSoftpot(ROW_HST, 26, 0);
    s.setSoftpot(ROW_BATTERY, 75, 0);
    s.setSoftpot(ROW_BATTERY, 72, 1);
}

} // namespace reportImages
