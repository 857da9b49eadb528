#include "link/SBEPReply.h"

#include "link/LinkErrors.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace sbep {

namespace {
constexpr Byte RESET_OPCODE = 0x10;

bool contains(std::initializer_list<int> accepted, int opcode) {
    return std::find(accepted.begin(), accepted.end(), opcode) != accepted.end();
}

std::string hexByte(int value) {
    static const char digits[] = "0123456789ABCDEF";
    return std::string("0x") + digits[(value >> 4) & 0xF] + digits[value & 0xF];
}

// Completes a frame whose header byte (and opcode byte) have been read:
// length field, payload and checksum.
Bytes completeFrame(CommunicationInterface& port, Byte header, int opcode, int timeout) {
    Bytes frame{header};
    if ((header >> 4) == 0x0F) {
        frame.push_back(static_cast<Byte>(opcode));
    }
    std::size_t length = header & 0x0F;
    if (length == 0x0F) {
        length = static_cast<std::size_t>(port.readWord(timeout));
        frame.push_back(static_cast<Byte>(length >> 8));
        frame.push_back(static_cast<Byte>(length & 0xFF));
    }
    if (frame.size() + length > MAX_REPLY_FRAME) {
        throw BadReply("reply announces " + std::to_string(length) + " bytes");
    }
    const std::size_t fields = frame.size();
    frame.resize(fields + length);
    port.readBytes(std::span<Byte>(frame).subspan(fields), timeout);
    if (frame.size() >= 2 && !frameValid(frame)) {
        throw BadReply("reply checksum wrong");
    }
    return frame;
}

// Reads the rest of a data reply whose first byte is waiting into `room`;
// bytes beyond it are counted but dropped. Returns the count received.
std::size_t collectReply(CommunicationInterface& port, std::span<Byte> room) {
    std::size_t received = 0;
    Byte overflow[64];
    for (;;) {
        for (int waiting = port.bytesAvailable(); waiting > 0; waiting = port.bytesAvailable()) {
            const std::size_t stored = std::min(received, room.size());
            std::span<Byte> into =
                received < room.size()
                    ? room.subspan(stored, std::min<std::size_t>(room.size() - stored, waiting))
                    : std::span<Byte>(overflow, std::min<std::size_t>(sizeof overflow, waiting));
            received += static_cast<std::size_t>(port.read(into));
        }
        const std::size_t expected = announcedFrameLength(room.first(std::min(received, room.size())));
        if ((expected != 0 && received >= expected) || received > MAX_REPLY_FRAME) {
            return received;
        }
        try {
            port.waitForByte(REPLY_TAIL_IDLE);
        } catch (const TimeoutOnReceive&) {
            return received;
        }
    }
}

// The announced length against the received count, both counted after the
// header fields, as the radio counts them.
bool lengthMatches(std::span<const Byte> reply, std::size_t received) {
    const std::size_t expected = announcedFrameLength(reply);
    return expected != 0 && expected == received;
}
} // namespace

std::size_t announcedFrameLength(std::span<const Byte> bytes) {
    if (bytes.empty()) {
        return 0;
    }
    const Byte header = bytes[0];
    const bool escapedOpcode = (header >> 4) == 0x0F;
    const bool longLength = (header & 0x0F) == 0x0F;
    if (!escapedOpcode && !longLength && (header & 0x0F) == 0) {
        return 1;
    }
    const std::size_t fields = 1 + (escapedOpcode ? 1 : 0) + (longLength ? 2 : 0);
    if (bytes.size() < fields) {
        return 0;
    }
    std::size_t length = header & 0x0F;
    if (longLength) {
        const std::size_t at = escapedOpcode ? 2 : 1;
        length = (static_cast<std::size_t>(bytes[at]) << 8) | bytes[at + 1];
    }
    return fields + length;
}

Byte readExchangeAnswer(CommunicationInterface& port, ExchangeBuffer& buffer, std::span<const Byte> request) {
    buffer.clear();
    const std::size_t n = request.size();
    if (n + 2 > EXCHANGE_BUFFER_SIZE) {
        throw std::length_error("request of " + std::to_string(n) +
                                " bytes does not fit the exchange buffer");
    }
    const std::span<Byte> bytes = buffer.bytes();
    port.readBytes(bytes.first(n), static_cast<int>(n) * ECHO_IDLE_PER_BYTE);
    // The radio resets instead of answering with data.
    const bool reset = n > 1 && request[1] == RESET_OPCODE;
    std::size_t received = 0;
    try {
        port.waitForByte(ANSWER_IDLE);
        port.read(bytes.subspan(n, 1));
        if (bytes[n] == ACK_BYTE && !reset) {
            port.waitForByte(REPLY_AFTER_ACK_IDLE);
            received = collectReply(port, bytes.subspan(n + 1));
        }
    } catch (const TimeoutOnReceive&) {
        // No answer, or an ACK without data: the zeros left in the buffer say so.
    }
    buffer.setAckIndex(n);
    if (!reset && buffer.replyPresent() && !lengthMatches(buffer.reply(), received)) {
        throw CommError();
    }
    return bytes[n];
}

std::span<const Byte> SBEPReply::replyPayload() const {
    const std::size_t header = frameHeaderSize(frame_);
    const std::size_t payload = framePayloadLength(frame_);
    if (header == 0 || header + payload > frame_.size()) {
        return {};
    }
    return std::span<const Byte>(frame_).subspan(header, payload);
}

SBEPReply SBEPReply::read(CommunicationInterface& port, int expected, int timeout) {
    const Byte header = port.readByte(timeout);
    const int opcode = (header >> 4) == 0x0F ? port.readByte(timeout) : header >> 4;
    if (opcode != expected && (opcode == OP_NAK || opcode == OP_UNSUPPORTED)) {
        throw BadReply("answer " + hexByte(opcode) + " where " + hexByte(expected) + " was expected");
    }
    return SBEPReply(opcode, completeFrame(port, header, opcode, timeout));
}

SBEPReply SBEPReply::readOneOf(CommunicationInterface& port, std::initializer_list<int> accepted,
                               int timeout) {
    const Byte header = port.readByte(timeout);
    const int opcode = (header >> 4) == 0x0F ? port.readByte(timeout) : header >> 4;
    if (!contains(accepted, opcode)) {
        throw BadReply("unexpected answer " + hexByte(opcode));
    }
    return SBEPReply(opcode, completeFrame(port, header, opcode, timeout));
}

SBEPReply SBEPReply::readLate(CommunicationInterface& port, std::initializer_list<int> accepted,
                              int timeout) {
    const Byte header = port.readByte(LATE_REPLY_IDLE);
    const int opcode = (header >> 4) == 0x0F ? port.readByte(LATE_REPLY_IDLE) : header >> 4;
    if (!contains(accepted, opcode)) {
        throw BadReply("unexpected answer " + hexByte(opcode));
    }
    return SBEPReply(opcode, completeFrame(port, header, opcode, timeout));
}

SBEPReply SBEPReply::readAnswer(CommunicationInterface& port, ExchangeBuffer& buffer,
                                std::span<const Byte> request, std::initializer_list<int> accepted,
                                int timeout) {
    const Byte first = readExchangeAnswer(port, buffer, request);
    int opcode = first >> 4;
    if (opcode == 0x0F) {
        try {
            opcode = port.readByte(LATE_REPLY_IDLE);
        } catch (const TimeoutOnReceive&) {
            opcode = 0;
        }
    }
    if (!contains(accepted, opcode)) {
        throw BadReply(first == 0 ? std::string("no answer after the echo")
                                  : "answer " + hexByte(opcode) + " instead of an acknowledgement");
    }
    return SBEPReply(opcode, completeFrame(port, first, opcode, timeout));
}

} // namespace sbep
