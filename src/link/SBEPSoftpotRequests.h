// Softpot and auto-tune requests. Their checked exchanges record in the radio
// image whether the radio supports the request: the answer "not supported"
// (0x86) clears the support flag instead of failing, a value sets it.
#pragma once

#include "link/SBEPRequests.h"

namespace sbep {

// Sub-command byte of the softpot request.
enum SoftpotMode : Byte {
    SOFTPOT_READ_ONE = 0,
    SOFTPOT_WRITE_STORE = 1, // program: the radio stores the value
    SOFTPOT_WRITE_LIVE = 2,  // tuning: used at once, not stored
    SOFTPOT_READ_ALL = 3,    // one value per frequency point, or the whole record
    SOFTPOT_WRITE_ALL = 4,   // all values at once, stored
};

class SBEPSoftpotRequest : public SBEPMessage {
public:
    // The first payload byte, behind the opcode and, in the long form (16 or
    // more payload bytes), the 16-bit length.
    int softpotType() const {
        const std::size_t header = frameHeaderSize(frame());
        return header > 0 && frame().size() > header ? frame()[header] : 0;
    }

protected:
    SBEPSoftpotRequest(int opcode, std::span<const Byte> payload) : SBEPMessage(opcode, payload) {}
    // BadReply unless the reply frame echoes this request's softpot type.
    void checkEchoedType(std::span<const Byte> reply) const;
    // The flag-recording exchange: "not supported" behind the ACK clears the
    // flag, another reply sets it (and, with `withValue`, hands it to
    // takeAttachedValue), no reply reads one on its own.
    void recordSupport(CommunicationInterface& port, ExchangeBuffer& buffer, SupportRecorder& storage,
                       int flag, Pause pause, bool withValue);
    virtual void takeAttachedValue(const ExchangeBuffer&, int) {}
};

class SBEPSoftpotReadRequest : public SBEPSoftpotRequest {
public:
    // t 00 00 for one value, t 03 00 (SOFTPOT_READ_ALL) for all points.
    explicit SBEPSoftpotReadRequest(int type, SoftpotMode mode = SOFTPOT_READ_ONE);

    std::uint32_t value() const { return value_; }
    int valueSize() const { return valueSize_; }

    // Flag-recording read: the value is 2 bytes for flags 2 and 16, 4 bytes
    // for flag 20 and 1 byte otherwise.
    void exchangeChecked(CommunicationInterface& port, ExchangeBuffer& buffer, SupportRecorder& storage,
                         int flag) override;
    // Records the flag only; the point values stay in the exchange buffer.
    void exchangeAllPoints(CommunicationInterface& port, ExchangeBuffer& buffer, SupportRecorder& storage,
                           int flag) override;

protected:
    void receiveCheckedReply(CommunicationInterface& port, ExchangeBuffer& buffer, SupportRecorder& storage,
                             int flag) override;
    void takeAttachedValue(const ExchangeBuffer& buffer, int flag) override;

private:
    std::uint32_t value_ = 0;
    int valueSize_ = 0;
};

class SBEPSoftpotWriteRequest : public SBEPSoftpotRequest {
public:
    // t m and the value as a big-endian number of `size` bytes (1..4).
    SBEPSoftpotWriteRequest(int type, int mode, std::uint32_t value, int size);
    // t m and the bytes as given.
    SBEPSoftpotWriteRequest(int type, int mode, std::span<const Byte> bytes);

    void exchangeChecked(CommunicationInterface& port, ExchangeBuffer& buffer, SupportRecorder& storage,
                         int flag) override;

protected:
    void receiveCheckedReply(CommunicationInterface& port, ExchangeBuffer& buffer, SupportRecorder& storage,
                             int flag) override;
};

class SBEPAutoTuneRequest : public SBEPSoftpotRequest {
public:
    explicit SBEPAutoTuneRequest(int type);

    std::uint32_t value() const { return value_; }
    int valueSize() const { return valueSize_; }

    // The tuned value is 2 bytes for flag 1 and 1 byte otherwise.
    void exchangeChecked(CommunicationInterface& port, ExchangeBuffer& buffer, SupportRecorder& storage,
                         int flag) override;

protected:
    void receiveCheckedReply(CommunicationInterface& port, ExchangeBuffer& buffer, SupportRecorder& storage,
                             int flag) override;
    void takeAttachedValue(const ExchangeBuffer& buffer, int flag) override;

private:
    std::uint32_t value_ = 0;
    int valueSize_ = 0;
};

} // namespace sbep
