#include "link/SBEPMessage.h"

#include "link/LinkErrors.h"
#include "link/SBEPReply.h"
#include "link/SerialTrace.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace sbep {

SBEPMessage::SBEPMessage(int opcode, std::span<const Byte> payload) : frame_(buildFrame(opcode, payload)) {}

SBEPMessage::SBEPMessage(int opcode, Byte selector)
    : frame_(buildFrame(opcode, std::span<const Byte>(&selector, 1))) {}

SBEPMessage::FailurePause::FailurePause(double characterTime) {
    timer_.start(characterTime);
}

void SBEPMessage::FailurePause::take() {
    timer_.wait(FIRST_ECHO_IDLE - idle_);
}

SBEPMessage::FailurePause SBEPMessage::begin(CommunicationInterface& port, ExchangeBuffer& buffer,
                                             Pause pause) {
    // The echo, the ACK and at least one reply byte must fit the buffer.
    if (frame_.size() + 2 > EXCHANGE_BUFFER_SIZE) {
        throw std::length_error("request of " + std::to_string(frame_.size()) +
                                " bytes does not fit the exchange buffer");
    }
    buffer.clear();
    port.purgeInput();
    if (pause == Pause::LONG) {
        port.sendVerified(frame_);
    } else {
        port.send(frame_);
    }
    FailurePause failurePause(port.characterTime());
    failurePause.setIdle(port.waitForByte(FIRST_ECHO_IDLE));
    return failurePause;
}

void SBEPMessage::expectAck(CommunicationInterface& port, ExchangeBuffer& buffer) {
    const SBEPReply answer = SBEPReply::readAnswer(port, buffer, frame_, {OP_ACK, OP_NAK}, ANSWER_BODY_IDLE);
    if (answer.opcode() != OP_ACK) {
        throw MessageNotAcknowledged("the radio answered with a NAK");
    }
}

void SBEPMessage::exchange(CommunicationInterface& port, ExchangeBuffer& buffer) {
    FailurePause pause = begin(port, buffer, Pause::SHORT);
    try {
        expectAck(port, buffer);
        if (buffer.replyPresent()) {
            acceptAttachedReply(buffer);
        } else {
            receiveReply(port, buffer);
        }
    } catch (...) {
        pause.take();
        throw;
    }
}

void SBEPMessage::exchangeData(CommunicationInterface& port, ExchangeBuffer& buffer, ReplyBuffer& dest) {
    FailurePause pause = begin(port, buffer, Pause::LONG);
    try {
        expectAck(port, buffer);
        if (buffer.replyPresent()) {
            buffer.copyReply(dest);
        } else {
            receiveDataReply(port, buffer, dest);
        }
    } catch (...) {
        pause.take();
        throw;
    }
}

void SBEPMessage::exchangeChecked(CommunicationInterface& port, ExchangeBuffer& buffer,
                                  SupportRecorder& storage, int flag) {
    FailurePause pause = begin(port, buffer, Pause::LONG);
    try {
        expectAck(port, buffer);
        if (buffer.replyUnsupported()) {
            storage.clearSupported(flag);
        } else if (buffer.replyPresent()) {
            storage.setSupported(flag);
        } else {
            receiveCheckedReply(port, buffer, storage, flag);
        }
    } catch (const BadReply&) {
        pause.take();
        throw;
    }
}

void SBEPMessage::exchangeAllPoints(CommunicationInterface&, ExchangeBuffer&, SupportRecorder&, int) {}

void SBEPMessage::receiveReply(CommunicationInterface& port, ExchangeBuffer&) {
    // Only drains an optional late reply; whatever comes, or nothing, is fine.
    try {
        SBEPReply::read(port, OP_UNSUPPORTED, LATE_REPLY_IDLE);
    } catch (const CommunicationError&) {
    }
}

void SBEPMessage::receiveDataReply(CommunicationInterface& port, ExchangeBuffer&, ReplyBuffer& dest) {
    try {
        const SBEPReply reply = SBEPReply::read(port, OP_UNSUPPORTED, SEPARATE_REPLY_IDLE);
        dest.fill(0);
        const auto frame = reply.frame().first(std::min(reply.length(), dest.size()));
        std::copy(frame.begin(), frame.end(), dest.begin());
        if (reply.opcode() == OP_UNSUPPORTED) {
            throw UnsupportedMessage("the radio does not support this request");
        }
    } catch (const TimeoutOnReceive&) {
        // No data came: the destination keeps what it held; callers test its fields.
    }
}

void SBEPMessage::receiveCheckedReply(CommunicationInterface& port, ExchangeBuffer&, SupportRecorder& storage,
                                      int flag) {
    try {
        const SBEPReply reply = SBEPReply::read(port, OP_UNSUPPORTED, SEPARATE_REPLY_IDLE);
        if (reply.opcode() == OP_UNSUPPORTED) {
            throw UnsupportedMessage("the radio does not support this request");
        }
        storage.setSupported(flag);
    } catch (const TimeoutOnReceive&) {
    }
}

void SBEPMessage::acceptAttachedReply(const ExchangeBuffer&) {}

template <class Attempt> void SBEPMessage::retry(Attempt&& attempt) {
    for (;;) {
        ++attempts_;
        try {
            attempt();
            return;
        } catch (const UnsupportedMessage&) {
            throw;
        } catch (const CommunicationError& error) {
            const bool last = attempts_ >= MAX_ATTEMPTS;
            if (SerialTrace::enabled()) {
                SerialTrace::note("attempt " + std::to_string(attempts_) +
                                  (last ? " failed, giving up: " : " failed, retrying: ") + error.what());
            }
            if (last) {
                throw;
            }
        }
    }
}

void SBEPMessage::exchangeRetry(CommunicationInterface& port, ExchangeBuffer& buffer) {
    retry([&] { exchange(port, buffer); });
}

void SBEPMessage::exchangeDataRetry(CommunicationInterface& port, ExchangeBuffer& buffer, ReplyBuffer& dest) {
    retry([&] { exchangeData(port, buffer, dest); });
}

void SBEPMessage::exchangeCheckedRetry(CommunicationInterface& port, ExchangeBuffer& buffer,
                                       SupportRecorder& storage, int flag) {
    retry([&] { exchangeChecked(port, buffer, storage, flag); });
}

void SBEPMessage::exchangeAllPointsRetry(CommunicationInterface& port, ExchangeBuffer& buffer,
                                         SupportRecorder& storage, int flag) {
    retry([&] { exchangeAllPoints(port, buffer, storage, flag); });
}

} // namespace sbep
