#include "link/SBEPSoftpotRequests.h"

#include "link/LinkErrors.h"
#include "link/SBEPReply.h"

#include <array>
#include <stdexcept>
#include <string>

namespace sbep {

namespace {
Byte byte(int value) {
    return static_cast<Byte>(value & 0xFF);
}

Bytes valuePayload(int type, int mode, std::uint32_t value, int size) {
    if (size < 1 || size > 4) {
        throw std::invalid_argument("softpot value size " + std::to_string(size) + " (1..4)");
    }
    Bytes payload{byte(type), byte(mode)};
    for (int shift = (size - 1) * 8; shift >= 0; shift -= 8) {
        payload.push_back(static_cast<Byte>((value >> shift) & 0xFF));
    }
    return payload;
}

Bytes bytesPayload(int type, int mode, std::span<const Byte> bytes) {
    Bytes payload{byte(type), byte(mode)};
    payload.insert(payload.end(), bytes.begin(), bytes.end());
    return payload;
}

// The value a separate softpot reply carries: the payload after the echoed
// type, as one big-endian number (the last four bytes of a longer record).
void takeReplyValue(const SBEPReply& reply, std::uint32_t& value, int& size) {
    const auto payload = reply.replyPayload();
    value = 0;
    size = payload.empty() ? 0 : static_cast<int>(payload.size() - 1);
    for (std::size_t i = 1; i < payload.size(); ++i) {
        value = (value << 8) | payload[i];
    }
}
} // namespace

void SBEPSoftpotRequest::checkEchoedType(std::span<const Byte> reply) const {
    const auto payload = framePayload(reply);
    if (payload.empty() || payload[0] != softpotType()) {
        throw BadReply("the reply is for softpot type " + std::to_string(payload.empty() ? -1 : payload[0]) +
                       ", not " + std::to_string(softpotType()));
    }
}

void SBEPSoftpotRequest::recordSupport(CommunicationInterface& port, ExchangeBuffer& buffer,
                                       SupportRecorder& storage, int flag, Pause pause, bool withValue) {
    FailurePause failurePause = begin(port, buffer, pause);
    try {
        expectAck(port, buffer);
        if (buffer.replyUnsupported()) {
            storage.clearSupported(flag);
        } else if (buffer.replyPresent()) {
            checkEchoedType(buffer.reply());
            storage.setSupported(flag);
            if (withValue) {
                takeAttachedValue(buffer, flag);
            }
        } else {
            receiveCheckedReply(port, buffer, storage, flag);
        }
    } catch (const BadReply&) {
        failurePause.take();
        throw;
    }
}

// --- read ---------------------------------------------------------------

SBEPSoftpotReadRequest::SBEPSoftpotReadRequest(int type, SoftpotMode mode)
    : SBEPSoftpotRequest(OP_SOFTPOT, std::array<Byte, 3>{byte(type), mode, 0x00}) {}

void SBEPSoftpotReadRequest::exchangeChecked(CommunicationInterface& port, ExchangeBuffer& buffer,
                                             SupportRecorder& storage, int flag) {
    recordSupport(port, buffer, storage, flag, Pause::SHORT, true);
}

void SBEPSoftpotReadRequest::exchangeAllPoints(CommunicationInterface& port, ExchangeBuffer& buffer,
                                               SupportRecorder& storage, int flag) {
    recordSupport(port, buffer, storage, flag, Pause::SHORT, false);
}

void SBEPSoftpotReadRequest::takeAttachedValue(const ExchangeBuffer& buffer, int flag) {
    if (flag == 2 || flag == 16) {
        value_ = buffer.replyByte2();
        valueSize_ = 2;
    } else if (flag == 20) {
        value_ = buffer.replyByte4();
        valueSize_ = 4;
    } else {
        value_ = buffer.replyByte1();
        valueSize_ = 1;
    }
}

void SBEPSoftpotReadRequest::receiveCheckedReply(CommunicationInterface& port, ExchangeBuffer& buffer,
                                                 SupportRecorder& storage, int flag) {
    const SBEPReply reply =
        SBEPReply::readLate(port, {OP_SOFTPOT_VALUE, OP_UNSUPPORTED}, SEPARATE_REPLY_IDLE);
    if (reply.opcode() == OP_UNSUPPORTED) {
        storage.clearSupported(flag);
        return;
    }
    checkEchoedType(reply.frame());
    takeReplyValue(reply, value_, valueSize_);
    storage.setSupported(flag);
    // The point readers look behind the ACK, wherever the reply came from.
    buffer.setReply(reply.frame());
}

// --- write --------------------------------------------------------------

SBEPSoftpotWriteRequest::SBEPSoftpotWriteRequest(int type, int mode, std::uint32_t value, int size)
    : SBEPSoftpotRequest(OP_SOFTPOT, valuePayload(type, mode, value, size)) {}

SBEPSoftpotWriteRequest::SBEPSoftpotWriteRequest(int type, int mode, std::span<const Byte> bytes)
    : SBEPSoftpotRequest(OP_SOFTPOT, bytesPayload(type, mode, bytes)) {}

void SBEPSoftpotWriteRequest::exchangeChecked(CommunicationInterface& port, ExchangeBuffer& buffer,
                                              SupportRecorder& storage, int flag) {
    recordSupport(port, buffer, storage, flag, Pause::LONG, false);
}

void SBEPSoftpotWriteRequest::receiveCheckedReply(CommunicationInterface& port, ExchangeBuffer&,
                                                  SupportRecorder& storage, int flag) {
    const SBEPReply reply =
        SBEPReply::readLate(port, {OP_SOFTPOT_VALUE, OP_UNSUPPORTED}, SEPARATE_REPLY_IDLE);
    if (reply.opcode() == OP_UNSUPPORTED) {
        storage.clearSupported(flag);
        return;
    }
    checkEchoedType(reply.frame());
    storage.setSupported(flag);
}

// --- auto-tune ----------------------------------------------------------

SBEPAutoTuneRequest::SBEPAutoTuneRequest(int type)
    : SBEPSoftpotRequest(OP_AUTO_TUNE, std::array<Byte, 1>{byte(type)}) {}

void SBEPAutoTuneRequest::exchangeChecked(CommunicationInterface& port, ExchangeBuffer& buffer,
                                          SupportRecorder& storage, int flag) {
    recordSupport(port, buffer, storage, flag, Pause::LONG, true);
}

void SBEPAutoTuneRequest::takeAttachedValue(const ExchangeBuffer& buffer, int flag) {
    value_ = flag == 1 ? buffer.replyByte2() : buffer.replyByte1();
    valueSize_ = flag == 1 ? 2 : 1;
}

void SBEPAutoTuneRequest::receiveCheckedReply(CommunicationInterface& port, ExchangeBuffer&,
                                              SupportRecorder& storage, int flag) {
    const SBEPReply reply =
        SBEPReply::readOneOf(port, {OP_SOFTPOT_VALUE, OP_UNSUPPORTED}, SEPARATE_REPLY_IDLE);
    if (reply.opcode() == OP_UNSUPPORTED) {
        storage.clearSupported(flag);
        return;
    }
    checkEchoedType(reply.frame());
    takeReplyValue(reply, value_, valueSize_);
    storage.setSupported(flag);
}

} // namespace sbep
