// The simulated radio's answers: takes one complete request frame and returns
// the bytes the radio sends back (ACK and reply in one piece, a bare ACK for
// the reset, ACK and "not supported" for what the radio does not do), and
// changes the radio's state as the request says. No I/O, no threads.
#pragma once

#include "link/SBEPFrame.h"
#include "sim/radioState.h"

#include <span>
#include <string>

namespace sim {

// Request opcodes the radio knows.
enum requestOpcode : int {
    REQ_RESET = 0x10,
    REQ_READ_MEMORY = 0x11,
    REQ_WRITE_MEMORY = 0x17,
    REQ_WRITE_SERIAL = 0x18,
    REQ_KEY = 0x19,
    REQ_TUNE_DATA = 0x1B,
    REQ_AUTO_TUNE = 0x1F,
    REQ_SOFTPOT = 0x20,
    REQ_CHANNEL = 0x21,
    REQ_TEST_MODE = 0x22,
    REQ_RADIO_INFO = 0x23,
    REQ_BBO = 0x28,
};

// Reply opcodes of the radio's own choosing (the others are sbep::ReplyOpcode).
enum simReplyOpcode : int {
    REPLY_DONE = 0x81,       // payload: the request's opcode and first payload byte
    REPLY_RADIO_INFO = 0x83, // payload: the 0x23 selector, then the item
    REPLY_BBO = 0x88,        // payload: item, value
    REPLY_TUNE_DATA = 0x8B,  // 40 payload bytes, 16-bit length form
};

constexpr sbep::Byte NAK_BYTE = 0x60;

// Radio-info selectors of request 0x23.
enum infoSelector : int {
    INFO_MODEL = 0x00,
    INFO_SERIAL = 0x01,
    INFO_POWER_UP = 0x05,
    INFO_IC_VERSION = 0x0E,
    INFO_UUID = 0x0F,
    INFO_REGIONAL_ID = 0x10,
};

class radioBehaviour {
public:
    explicit radioBehaviour(radioProfile profile);

    // `frame` is a complete frame with a valid checksum.
    sbep::Bytes answer(std::span<const sbep::Byte> frame);
    // ACK and the "not supported" reply for `frame`, whatever it asks.
    static sbep::Bytes unsupportedAnswer(std::span<const sbep::Byte> frame);

    radioState& state() { return state_; }
    const radioState& state() const { return state_; }

    // Stored value of softpot `type` at point 1..7 (0 for single values).
    std::uint32_t storedValue(int type, int point, int bank = 0) const;
    // The point a request of this side works on now: the channel's, else the first present one.
    int currentPoint(softpotSide side) const;

private:
    sbep::Bytes radioInfo(std::span<const sbep::Byte> payload);
    sbep::Bytes tuneData() const;
    sbep::Bytes channel(std::span<const sbep::Byte> payload);
    sbep::Bytes memoryRead(std::span<const sbep::Byte> payload) const;
    sbep::Bytes memoryWrite(std::span<const sbep::Byte> payload);
    sbep::Bytes serialWrite(std::span<const sbep::Byte> payload);
    sbep::Bytes bbo(std::span<const sbep::Byte> payload);
    void reset();

    // softpotRequests.cpp
    sbep::Bytes softpot(std::span<const sbep::Byte> payload);
    sbep::Bytes autoTune(std::span<const sbep::Byte> payload) const;
    sbep::Bytes softpotRead(const softpotTypeInfo& info, int bank) const;
    sbep::Bytes softpotReadAll(const softpotTypeInfo& info, int bank) const;
    sbep::Bytes softpotWrite(const softpotTypeInfo& info, int bank, int mode,
                             std::span<const sbep::Byte> bytes);
    sbep::Bytes softpotWriteAll(const softpotTypeInfo& info, int bank, std::span<const sbep::Byte> bytes);
    bool accepts(const softpotTypeInfo& info, int point, std::uint32_t value) const;

    radioState state_;
};

// ACK followed by the reply frame, the burst the radio sends.
sbep::Bytes ackWithReply(int opcode, std::span<const sbep::Byte> payload);

// One line in words for logs and dumps ("softpot read, type 11").
std::string describeRequest(std::span<const sbep::Byte> frame);

} // namespace sim
