// The fixed requests of the catalogue: identity, test modes, channels, key
// up/dekey, reset, baseband offsets, serial number. Each builds its complete
// frame; the exchange it runs with is the caller's (EnhancedSBEP) choice.
#pragma once

#include "link/SBEPMessage.h"

#include <cstdint>
#include <string_view>

namespace sbep {

enum RequestOpcode : Byte {
    OP_RESET = 0x10,
    OP_READ_MEMORY = 0x11,
    OP_WRITE_MEMORY = 0x17,
    OP_WRITE_SERIAL = 0x18,
    OP_KEY = 0x19,
    OP_READ_TUNE = 0x1B,
    OP_AUTO_TUNE = 0x1F,
    OP_SOFTPOT = 0x20,
    OP_CHANNEL = 0x21,
    OP_TEST_MODE = 0x22,
    OP_RADIO_INFO = 0x23,
    OP_BBO = 0x28,
};

// Selectors of the radio-information request.
enum RadioInfoSelector : Byte {
    INFO_MODEL_NUMBER = 0x00,
    INFO_SERIAL_NUMBER = 0x01,
    INFO_POWER_UP_STATUS = 0x05,
    INFO_IC_VERSION = 0x0E,
    INFO_UUID = 0x0F,
    INFO_REGIONAL_ID = 0x10,
};

// RSSI calibration DAC softpot types.
enum RSSICalDacType : Byte {
    RSSI_CAL_DAC_THREE_VALUES = 25,
    RSSI_CAL_DAC_ONE_VALUE = 26,
};

class SBEPRadioModelNoRequest : public SBEPMessage {
public:
    SBEPRadioModelNoRequest() : SBEPMessage(OP_RADIO_INFO, INFO_MODEL_NUMBER) {}
};

class SBEPRadioSerialNoRequest : public SBEPMessage {
public:
    SBEPRadioSerialNoRequest() : SBEPMessage(OP_RADIO_INFO, INFO_SERIAL_NUMBER) {}
};

class SBEPRadioPowerUpRequest : public SBEPMessage {
public:
    SBEPRadioPowerUpRequest() : SBEPMessage(OP_RADIO_INFO, INFO_POWER_UP_STATUS) {}
};

class SBEPRadioICVersionRequest : public SBEPMessage {
public:
    SBEPRadioICVersionRequest() : SBEPMessage(OP_RADIO_INFO, INFO_IC_VERSION) {}
};

class SBEPRadioUUIDRequest : public SBEPMessage {
public:
    SBEPRadioUUIDRequest() : SBEPMessage(OP_RADIO_INFO, INFO_UUID) {}
};

class SBEPRadioRegionalIDRequest : public SBEPMessage {
public:
    SBEPRadioRegionalIDRequest() : SBEPMessage(OP_RADIO_INFO, INFO_REGIONAL_ID) {}
};

class SBEPReadTuneRequest : public SBEPMessage {
public:
    SBEPReadTuneRequest() : SBEPMessage(OP_READ_TUNE, Byte{0x00}) {}
};

class SBEPTempCompRequest : public SBEPMessage {
public:
    SBEPTempCompRequest();
};

class SBEPReadRSSICalDacRequest : public SBEPMessage {
public:
    explicit SBEPReadRSSICalDacRequest(int type);
};

class SBEPReadRSSIRequest : public SBEPMessage {
public:
    SBEPReadRSSIRequest();
};

class SBEPReadBBORequest : public SBEPMessage {
public:
    SBEPReadBBORequest(int k, int g);
};

class SBEPWriteBBORequest : public SBEPMessage {
public:
    SBEPWriteBBORequest(int a, int b, int c); // payload b c a
};

class SBEPWriteSerialNoRequest : public SBEPMessage {
public:
    static constexpr std::size_t SERIAL_LENGTH = 10;
    // Longer texts are cut to 10 characters, shorter ones padded with blanks.
    explicit SBEPWriteSerialNoRequest(std::string_view serialNumber);
};

class SBEPKeyUpRequest : public SBEPMessage {
public:
    SBEPKeyUpRequest() : SBEPMessage(OP_KEY, Byte{0x01}) {}
};

class SBEPDekeyRequest : public SBEPMessage {
public:
    SBEPDekeyRequest() : SBEPMessage(OP_KEY, Byte{0x00}) {}
};

class SBEPResetRequest : public SBEPMessage {
public:
    SBEPResetRequest() : SBEPMessage(OP_RESET, std::span<const Byte>{}) {}
};

// The mode arguments are accepted for the callers' sake; the radio takes none.
class SBEPChannelRequest : public SBEPMessage {
public:
    SBEPChannelRequest(int frequency, int mode);
    SBEPChannelRequest(int frequency1, int mode1, int frequency2, int mode2);
};

class SBEPTestModeRequest : public SBEPMessage {
public:
    SBEPTestModeRequest(int a, int b, int c);
};

} // namespace sbep
