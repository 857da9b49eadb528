#include "link/SBEPMemoryRequests.h"

#include "link/LinkErrors.h"
#include "link/SBEPReply.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace sbep {

namespace {
constexpr std::size_t ADDRESS_SIZE = 3;
constexpr std::uint32_t ADDRESS_BUSY = 0xFFFFFF;
// The radio may take this long to commit a write before it confirms it.
constexpr double WRITE_CONFIRM_SECONDS = 2.0;

std::array<Byte, 4> readPayload(std::uint32_t address, int count) {
    if (count < 1 || count > 255) {
        throw std::invalid_argument("memory read of " + std::to_string(count) + " bytes");
    }
    return {static_cast<Byte>(count), static_cast<Byte>(address >> 16), static_cast<Byte>(address >> 8),
            static_cast<Byte>(address)};
}

Bytes writePayload(std::span<const Byte> source, std::uint32_t address) {
    Bytes payload{static_cast<Byte>(address >> 16), static_cast<Byte>(address >> 8),
                  static_cast<Byte>(address)};
    payload.insert(payload.end(), source.begin(), source.end());
    return payload;
}

std::uint32_t be24(std::span<const Byte> bytes) {
    if (bytes.size() < ADDRESS_SIZE) {
        return 0;
    }
    return (static_cast<std::uint32_t>(bytes[0]) << 16) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           bytes[2];
}
} // namespace

// --- read ---------------------------------------------------------------

SBEPReadRequest::SBEPReadRequest(std::span<Byte> destination, std::uint32_t address, int count)
    : SBEPMessage(OP_READ_MEMORY, readPayload(address, count)), destination_(destination) {}

void SBEPReadRequest::takeData(std::span<const Byte> reply) {
    // The reply carries the address before the data.
    const auto payload = framePayload(reply);
    const std::size_t count = static_cast<std::size_t>(requestedCount());
    if (frameOpcode(reply) != OP_MEMORY_DATA || payload.size() != ADDRESS_SIZE + count) {
        throw BadReply("memory reply of " + std::to_string(payload.size()) + " payload bytes for a read of " +
                       std::to_string(count));
    }
    const auto data = payload.subspan(ADDRESS_SIZE);
    std::copy_n(data.begin(), std::min(data.size(), destination_.size()), destination_.begin());
}

void SBEPReadRequest::receiveReply(CommunicationInterface& port, ExchangeBuffer&) {
    const SBEPReply reply = SBEPReply::read(port, OP_MEMORY_DATA, SEPARATE_REPLY_IDLE);
    takeData(reply.frame());
}

void SBEPReadRequest::acceptAttachedReply(const ExchangeBuffer& buffer) {
    takeData(buffer.reply());
}

// --- write --------------------------------------------------------------

SBEPWriteRequest::SBEPWriteRequest(std::span<const Byte> source, std::uint32_t address,
                                   const SBEPWriteRequest* pending)
    : SBEPMessage(OP_WRITE_MEMORY, writePayload(source, address)), address_(address & 0xFFFFFF),
      pending_(pending) {}

void SBEPWriteRequest::takeConfirmation(std::span<const Byte> reply) {
    const int opcode = frameOpcode(reply);
    const auto payload = framePayload(reply);
    if (opcode == OP_WRITE_FAILED) {
        throw BadWrite(be24(payload));
    }
    if (opcode == OP_UNSUPPORTED) {
        throw UnsupportedMessage("the radio does not accept memory writes");
    }
    if (opcode != OP_WRITE_DONE || payload.size() < ADDRESS_SIZE) {
        throw BadReply("unexpected answer to a memory write");
    }
    const std::uint32_t reported = be24(payload);
    if (reported == address_) {
        pending_ = nullptr;
    } else if (reported == ADDRESS_BUSY || reported == 0 ||
               (pending_ != nullptr && reported == pending_->requestedAddress())) {
        pending_ = this;
    } else {
        throw BadReply("the write confirmation names another address");
    }
}

void SBEPWriteRequest::receiveReply(CommunicationInterface& port, ExchangeBuffer&) {
    const int idle = static_cast<int>(std::lround(WRITE_CONFIRM_SECONDS / port.characterTime()));
    port.waitForByte(idle);
    const SBEPReply reply = SBEPReply::readLate(port, {OP_WRITE_FAILED, OP_WRITE_DONE}, idle);
    takeConfirmation(reply.frame());
}

void SBEPWriteRequest::acceptAttachedReply(const ExchangeBuffer& buffer) {
    takeConfirmation(buffer.reply());
}

} // namespace sbep
