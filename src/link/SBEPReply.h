// Reading the radio's answers: one reply frame read from the port, and the
// exchange reader that takes the echo of a request, the first answer byte and
// the data reply behind it into the exchange buffer.
#pragma once

#include "link/CommunicationInterface.h"
#include "link/ExchangeBuffer.h"
#include "link/SBEPFrame.h"

#include <initializer_list>

namespace sbep {

// Idle limits of an exchange, in character times.
constexpr int FIRST_ECHO_IDLE = 10;         // first echo byte after the send pause
constexpr int ECHO_IDLE_PER_BYTE = 250;     // times the request length
constexpr int ANSWER_IDLE = 250;            // first answer byte after the echo
constexpr int REPLY_AFTER_ACK_IDLE = 10250; // data reply behind a bare ACK
constexpr int ANSWER_BODY_IDLE = 20000;     // rest of an answer frame
constexpr int SEPARATE_REPLY_IDLE = 20000;  // a reply read on its own
constexpr int LATE_REPLY_IDLE = 250;        // an optional late reply
// Once a data reply has started, the silence that ends it. At 9600 baud the
// bytes come back to back; USB adapters deliver in bursts up to ~16 ms apart.
constexpr int REPLY_TAIL_IDLE = 50;
// No reply of this protocol comes near this; a header announcing more is noise.
constexpr std::size_t MAX_REPLY_FRAME = 512;

class SBEPReply {
public:
    // Reads one frame. BadReply when its opcode differs from `expected` and is
    // a NAK or "not supported", or when the checksum is wrong.
    static SBEPReply read(CommunicationInterface& port, int expected, int timeout);
    // Reads one frame; BadReply unless its opcode is one of `accepted`.
    static SBEPReply readOneOf(CommunicationInterface& port, std::initializer_list<int> accepted,
                               int timeout);
    // A reply that comes on its own after an exchange: the first byte within
    // LATE_REPLY_IDLE, the rest of the frame within `timeout`.
    static SBEPReply readLate(CommunicationInterface& port, std::initializer_list<int> accepted, int timeout);
    // The answer to `request`, which has just been sent: the echo, the first
    // answer byte and any data reply behind an ACK go to `buffer`
    // (readExchangeAnswer); the answer frame itself is then completed from the
    // port. BadReply unless its opcode is one of `accepted`.
    static SBEPReply readAnswer(CommunicationInterface& port, ExchangeBuffer& buffer,
                                std::span<const Byte> request, std::initializer_list<int> accepted,
                                int timeout);

    int opcode() const { return opcode_; }
    std::span<const Byte> frame() const { return frame_; }
    std::size_t length() const { return frame_.size(); }
    const Byte* bytes() const { return frame_.data(); }
    std::size_t replyPayloadLength() const { return framePayloadLength(frame_); }
    std::span<const Byte> replyPayload() const;

private:
    SBEPReply(int opcode, Bytes frame) : opcode_(opcode), frame_(std::move(frame)) {}

    int opcode_;
    Bytes frame_;
};

// The exchange reader: clears `buffer`, reads the echo of `request` and the
// first answer byte (returned, 0 when none came), and after a bare ACK the
// data reply behind it. ackIndex becomes the request length. Raises
// TimeoutOnReceive for a missing echo and CommError when the data reply's
// length differs from the length it announces (never after a reset request).
Byte readExchangeAnswer(CommunicationInterface& port, ExchangeBuffer& buffer, std::span<const Byte> request);

// The frame length announced by the header fields in `bytes`; 0 while they
// are incomplete.
std::size_t announcedFrameLength(std::span<const Byte> bytes);

} // namespace sbep
