// One SBEP request frame and the exchanges that carry it to the radio: send,
// take the echo, expect the ACK, collect the reply, retry. A message object
// serves one operation; its attempt counter is never reset.
#pragma once

#include "link/CommunicationInterface.h"
#include "link/ExchangeBuffer.h"
#include "link/SBEPFrame.h"
#include "link/SupportRecorder.h"
#include "link/TickTimer.h"

namespace sbep {

// One message is sent at most this often.
constexpr unsigned MAX_ATTEMPTS = 4;

class SBEPMessage {
public:
    SBEPMessage(int opcode, std::span<const Byte> payload);
    SBEPMessage(int opcode, Byte selector);
    virtual ~SBEPMessage() = default;

    std::size_t length() const { return frame_.size(); }
    const Byte* bytes() const { return frame_.data(); }
    std::span<const Byte> frame() const { return frame_; }
    unsigned attempts() const { return attempts_; }

    // Send (short pause), expect an ACK, take an optional reply.
    virtual void exchange(CommunicationInterface& port, ExchangeBuffer& buffer);
    // Send (long pause), expect an ACK, deliver the data reply to `dest`
    // (dest[0] = reply header). A separate "not supported" reply raises
    // UnsupportedMessage; one behind the ACK is left for the caller to see.
    virtual void exchangeData(CommunicationInterface& port, ExchangeBuffer& buffer, ReplyBuffer& dest);
    // Send (long pause), expect an ACK, record in `storage` whether the radio
    // supports the request.
    virtual void exchangeChecked(CommunicationInterface& port, ExchangeBuffer& buffer,
                                 SupportRecorder& storage, int flag);
    // Only the softpot read has an all-points form; here it does nothing.
    virtual void exchangeAllPoints(CommunicationInterface& port, ExchangeBuffer& buffer,
                                   SupportRecorder& storage, int flag);

    // The same with retries: UnsupportedMessage passes at once, any other
    // CommunicationError is retried until the message has been sent
    // MAX_ATTEMPTS times. CommError and other exceptions pass at once.
    void exchangeRetry(CommunicationInterface& port, ExchangeBuffer& buffer);
    void exchangeDataRetry(CommunicationInterface& port, ExchangeBuffer& buffer, ReplyBuffer& dest);
    void exchangeCheckedRetry(CommunicationInterface& port, ExchangeBuffer& buffer, SupportRecorder& storage,
                              int flag);
    void exchangeAllPointsRetry(CommunicationInterface& port, ExchangeBuffer& buffer,
                                SupportRecorder& storage, int flag);

protected:
    // A reply that did not come behind the ACK, read on its own.
    virtual void receiveReply(CommunicationInterface& port, ExchangeBuffer& buffer);
    virtual void receiveDataReply(CommunicationInterface& port, ExchangeBuffer& buffer, ReplyBuffer& dest);
    virtual void receiveCheckedReply(CommunicationInterface& port, ExchangeBuffer& buffer,
                                     SupportRecorder& storage, int flag);
    // A reply that came behind the ACK of exchange(); the base ignores it.
    virtual void acceptAttachedReply(const ExchangeBuffer& buffer);

    // Steps shared by the exchanges. begin() clears the buffer and the
    // receive queue, sends and waits for the first echo byte; the returned
    // pause, taken before a failure is passed on, keeps the line quiet for
    // FIRST_ECHO_IDLE character times measured from the send.
    class FailurePause {
    public:
        explicit FailurePause(double characterTime);
        void setIdle(int idle) { idle_ = idle; }
        void take();

    private:
        TickTimer timer_;
        int idle_ = 0;
    };
    enum class Pause { SHORT, LONG };
    FailurePause begin(CommunicationInterface& port, ExchangeBuffer& buffer, Pause pause);
    // Reads the answer; MessageNotAcknowledged unless it is an ACK.
    void expectAck(CommunicationInterface& port, ExchangeBuffer& buffer);

private:
    template <class Attempt> void retry(Attempt&& attempt);

    Bytes frame_;
    unsigned attempts_ = 0;
};

} // namespace sbep
