#include "link/SBEPRequests.h"

#include <array>

namespace sbep {

namespace {
Byte byte(int value) {
    return static_cast<Byte>(value & 0xFF);
}
Byte high(int value) {
    return static_cast<Byte>((value >> 8) & 0xFF);
}

Bytes serialPayload(std::string_view serialNumber) {
    Bytes payload{0x00};
    for (std::size_t i = 0; i < SBEPWriteSerialNoRequest::SERIAL_LENGTH; ++i) {
        payload.push_back(i < serialNumber.size() ? static_cast<Byte>(serialNumber[i]) : Byte{' '});
    }
    return payload;
}
} // namespace

SBEPTempCompRequest::SBEPTempCompRequest() : SBEPMessage(OP_SOFTPOT, std::array<Byte, 3>{0x01, 0x00, 0x00}) {}

SBEPReadRSSICalDacRequest::SBEPReadRSSICalDacRequest(int type)
    : SBEPMessage(OP_SOFTPOT, std::array<Byte, 2>{byte(type), 0x00}) {}

SBEPReadRSSIRequest::SBEPReadRSSIRequest() : SBEPMessage(OP_SOFTPOT, std::array<Byte, 3>{0x1A, 0x03, 0x00}) {}

SBEPReadBBORequest::SBEPReadBBORequest(int k, int g)
    : SBEPMessage(OP_BBO, std::array<Byte, 2>{byte(k), byte(g)}) {}

SBEPWriteBBORequest::SBEPWriteBBORequest(int a, int b, int c)
    : SBEPMessage(OP_BBO, std::array<Byte, 3>{byte(b), byte(c), byte(a)}) {}

SBEPWriteSerialNoRequest::SBEPWriteSerialNoRequest(std::string_view serialNumber)
    : SBEPMessage(OP_WRITE_SERIAL, serialPayload(serialNumber)) {}

SBEPChannelRequest::SBEPChannelRequest(int frequency, int)
    : SBEPMessage(OP_CHANNEL, std::array<Byte, 3>{0x00, high(frequency), byte(frequency)}) {}

SBEPChannelRequest::SBEPChannelRequest(int frequency1, int, int frequency2, int)
    : SBEPMessage(OP_CHANNEL, std::array<Byte, 5>{0x00, high(frequency1), byte(frequency1), high(frequency2),
                                                  byte(frequency2)}) {}

SBEPTestModeRequest::SBEPTestModeRequest(int a, int b, int c)
    : SBEPMessage(OP_TEST_MODE, std::array<Byte, 3>{byte(a), byte(b), byte(c)}) {}

} // namespace sbep
