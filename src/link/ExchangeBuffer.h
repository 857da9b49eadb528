// The bytes of the last exchange: the echo of the request, the radio's first
// answer byte at ackIndex and the data reply that followed it. It stays valid
// until the next exchange clears it; the all-points softpot read is picked up
// from here after the operation returns. Every reader stays inside the 50
// bytes and yields 0 for positions beyond them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace sbep {

constexpr std::size_t EXCHANGE_BUFFER_SIZE = 50;
using ReplyBuffer = std::array<std::uint8_t, EXCHANGE_BUFFER_SIZE>;

class ExchangeBuffer {
public:
    void clear() {
        bytes_.fill(0);
        ackIndex_ = 0;
    }
    std::span<std::uint8_t> bytes() { return bytes_; }
    std::span<const std::uint8_t> bytes() const { return bytes_; }
    std::uint8_t at(std::size_t index) const { return index < bytes_.size() ? bytes_[index] : 0; }

    std::size_t ackIndex() const { return ackIndex_; }
    void setAckIndex(std::size_t index) { ackIndex_ = index < bytes_.size() ? index : bytes_.size() - 1; }

    // The reply that followed the first answer byte, from its header to the
    // end of the buffer (empty when the echo filled the buffer).
    std::span<const std::uint8_t> reply() const;

    // Puts a reply that was read on its own where one behind the ACK would be.
    void setReply(std::span<const std::uint8_t> frame);

    bool replyPresent() const { return at(ackIndex_ + 1) != 0; }
    bool replyUnsupported() const { return at(ackIndex_ + 2) == 0x86; }
    // Big-endian value of the bytes after the reply's header, opcode and
    // first payload byte.
    std::uint32_t replyByte1() const { return value(ackIndex_ + 4, 1); }
    std::uint32_t replyByte2() const { return value(ackIndex_ + 4, 2); }
    std::uint32_t replyByte4() const { return value(ackIndex_ + 4, 4); }
    // Point i (1 = F1) of an all-points softpot reply.
    std::uint8_t replyPointValue(int i) const;
    // dest[0] = reply header, dest[1] = opcode, dest[2] = first payload byte...
    // Positions past the end of the reply area are zero.
    void copyReply(ReplyBuffer& dest) const;

private:
    std::uint32_t value(std::size_t from, int size) const;

    ReplyBuffer bytes_{};
    std::size_t ackIndex_ = 0;
};

} // namespace sbep
