// The Read Radio sequence and the serial-number check every screen and
// Program All run before they talk to a radio. One object lives next to the
// radio image; it keeps nothing between calls but the way to the radio.
#pragma once

#include "link/EnhancedSBEP.h"
#include "model/radioStorage.h"
#include "operations/UserMessage.h"
#include "operations/radioConnection.h"

enum class readRadioOutcome {
    COMPLETE,         // every softpot the radio supports is in the image
    NO_VALID_POINTS,  // no used transmit or no used receive frequency point
    POWER_UP_FAILURE, // the radio reported a power-up status other than 0 or 0x20
};

struct readRadioResult {
    readRadioOutcome outcome = readRadioOutcome::COMPLETE;
    // 0 complete, 2 no valid point, otherwise the radio's power-up status.
    int code = 0;
};

class radioOperations {
public:
    static constexpr int READ_COMPLETE = 0;
    static constexpr int READ_NO_VALID_POINTS = 2;
    static constexpr int POWER_UP_HARDWARE_FAILURE = 16;
    static constexpr std::uint8_t READ_STATUS_COMPLETE = 35;

    explicit radioOperations(radioConnector& connector) : connector_(&connector) {}

    // Fills the image from the radio over one connection, counting "5%
    // Complete" ... on `progress`. Raises the link's errors unchanged (the
    // values read so far stay in the image).
    readRadioResult readRadio(radioStorage& storage, ProgressSink& progress);

    // True only when the radio on the line reports the 10 characters of the
    // image's serial number (never while the image holds "Invalid").
    static bool verifySerialNo(const radioStorage& storage, EnhancedSBEP& protocol);

    radioConnector& connector() const { return *connector_; }

private:
    radioConnector* connector_;
};
