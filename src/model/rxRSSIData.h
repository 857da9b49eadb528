// RSSI: up to three calibrated signal-strength points. The radio calibrates a
// point itself when told to (a store of type 26 with the point's index) and
// reports the thresholds (ROW_RSSI columns 0..2) and the signal levels they
// were taken at (columns 3..5).
#pragma once

#include "model/softpotBase.h"

#include <cstdint>

class rxRSSIData : public softpotBase {
public:
    static constexpr int CALIBRATE_TYPE = 26;
    static constexpr int POINTS = 3;

    // (0, 2, 2) normally, (0, 2, 0) for the radios that calibrate at 12.5 kHz.
    void enterTestMode(EnhancedSBEP& protocol, bool narrow = false);
    // Makes the radio calibrate point 1..3 at the signal now applied.
    void calibratePoint(int point, EnhancedSBEP& protocol) const {
        programWrite(static_cast<std::uint32_t>(point - 1), CALIBRATE_TYPE, protocol);
    }
    // The signal levels into the object's own buffer.
    void readCalibration(EnhancedSBEP& protocol);
    const EnhancedSBEP::ReplyBuffer& calibration() const { return buffer; }

    // The thresholds and levels into ROW_RSSI columns 0..5 with FLAG_RSSI; a
    // radio without RSSI clears the flag and keeps the cells.
    static void readThresholds(radioStorage& storage, EnhancedSBEP& protocol);

private:
    EnhancedSBEP::ReplyBuffer buffer{};
};
