// What every softpot data class shares: the channel-spacing code its
// test-mode commands carry, the live and store writes, and the channel
// selection. A data object is short-lived and owns neither the radio image
// nor the protocol; both are handed to each operation.
#pragma once

#include "link/EnhancedSBEP.h"
#include "model/radioStorage.h"

#include <cstdint>

// Third byte of the test-mode commands.
enum BandwidthCode : int {
    BANDWIDTH_12_5_KHZ = 0,
    BANDWIDTH_20_KHZ = 1,
    BANDWIDTH_25_KHZ = 2,
};

// Mask bit 2 (25 kHz) wins over bit 1 (20 kHz); neither gives 12.5 kHz.
int bandwidthCodeFromMask(int spacingMask);

// Write modes of the softpot write request.
enum SoftpotWriteMode : int {
    WRITE_STORE = 1,     // the radio keeps the value
    WRITE_LIVE = 2,      // used at once while tuning, not kept
    WRITE_STORE_ALL = 4, // every point (or a multi-byte record) at once, kept
};

// The mode byte the channel requests carry; the radio ignores it.
constexpr int CHANNEL_MODE = 2;

class softpotBase {
public:
    virtual ~softpotBase() = default;

    // From the channel-spacing mask in ROW_RADIO_INFO column 13; kept as the
    // code the following test-mode commands send.
    virtual int bandwidthCode(const radioStorage& storage);
    int spacingCode() const { return code; }
    void setSpacingCode(int c) { code = c; }

    static void liveWrite(std::uint32_t value, int type, EnhancedSBEP& protocol, int size = 1) {
        protocol.writeSoftpot(type, WRITE_LIVE, value, size);
    }
    static void programWrite(std::uint32_t value, int type, EnhancedSBEP& protocol, int size = 1) {
        protocol.writeSoftpot(type, WRITE_STORE, value, size);
    }

    // Codes as stored in ROW_RADIO_INFO.
    static void setChannelPair(EnhancedSBEP& protocol, int txCode, int rxCode) {
        protocol.setChannelPair(txCode, CHANNEL_MODE, rxCode, CHANNEL_MODE);
    }
    static void setChannel(EnhancedSBEP& protocol, int rxCode) { protocol.setChannel(rxCode, CHANNEL_MODE); }

protected:
    int code = BANDWIDTH_25_KHZ; // until bandwidthCode() replaces it
};
