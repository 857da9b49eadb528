// One method per radio operation. Each builds its request, runs the
// request's exchange (with retries) on the bound port and hands back the
// reply or records what the radio answered. Every operation first checks
// that a port is bound (GeneralCommunicationError, 6000, otherwise).
//
// Reply buffers are filled as the exchange buffer's copyReply does:
// buf[0] = reply header, buf[1] = reply opcode, buf[2] = first payload byte.
//
// Memory transfers: one request each, 1..MAX_MEMORY_TRANSFER bytes and less
// than the chunk size, so that the request and its reply fit the exchange
// buffer (the program moves 1, 2 or 6 bytes). Longer transfers raise
// std::invalid_argument. A write the radio reports as pending is followed by
// empty write requests until the radio confirms it, at most
// MAX_PENDING_POLLS times (then BadWrite).
#pragma once

#include "link/ExchangeBuffer.h"
#include "link/RadioProtocol.h"
#include "link/SupportRecorder.h"

#include <string_view>

class EnhancedSBEP : public RadioProtocol {
public:
    using Byte = std::uint8_t;
    using ReplyBuffer = sbep::ReplyBuffer;

    static constexpr int MAX_MEMORY_TRANSFER = 32;
    static constexpr int MAX_PENDING_POLLS = 16;

    void setChunkSize(std::uint8_t size) { chunkSize_ = size; }
    std::uint8_t chunkSize() const { return chunkSize_; }

    void readPowerUpStatus(ReplyBuffer& buf);
    void readTempComp(ReplyBuffer& buf);
    void readRSSICalDac(ReplyBuffer& buf);  // type 26: one value
    void readRSSICalDac2(ReplyBuffer& buf); // type 25: three values
    void readRSSI(ReplyBuffer& buf);
    void readBBO(ReplyBuffer& buf, int k, int g);
    void writeBBO(int a, int b, int c);
    void readTuneData(ReplyBuffer& buf);
    void readSerialNumber(ReplyBuffer& buf);
    void readModelNumber(ReplyBuffer& buf);
    void readUUID(ReplyBuffer& buf);
    void readRegionalID(ReplyBuffer& buf);
    void readICVersion(ReplyBuffer& buf);
    void writeSerialNumber(std::string_view serialNumber); // 10 characters

    void keyUp() override;
    void dekey() override;
    void resetRadio() override;
    // dest receives the raw reply frame: the data starts at dest[5], or at
    // dest[7] when the reply uses the 16-bit length field.
    void readMemory(ReplyBuffer& dest, std::uint32_t address, int length) override;
    void writeMemory(std::span<const Byte> source, std::uint32_t address) override;

    // mode: sbep::SoftpotMode (1 store, 2 live, 4 all points stored).
    void writeSoftpot(int type, int mode, std::uint32_t value, int size);
    void writeSoftpotBytes(int type, int mode, std::span<const Byte> bytes);
    // Record in FLAG_LAST_WRITE_ACCEPTED (27) / FLAG_BULK_WRITE (21) whether
    // the radio accepted the write.
    void writeSoftpotChecked(SupportRecorder& storage, int type, int mode, std::uint32_t value, int size);
    void writeSoftpotBytesChecked(SupportRecorder& storage, int type, int mode, std::span<const Byte> bytes);
    // `value` is set only when the radio supports the softpot (flag set).
    void readSoftpotChecked(int type, std::uint32_t& value, SupportRecorder& storage, int flag);
    // Records the flag; the point values are then read with bulkPointValue.
    void readSoftpotAllPoints(int type, std::uint32_t& value, SupportRecorder& storage, int flag);
    // Point i (1..7) of the last all-points read; no exchange.
    std::uint8_t bulkPointValue(int i) const { return buffer_.replyPointValue(i); }
    void autoTune(int type, std::uint32_t& value, SupportRecorder& storage, int flag);

    // Encoded frequency points; the modes do not reach the radio.
    void setChannel(int frequency, int mode);
    void setChannelPair(int frequency1, int mode1, int frequency2, int mode2);
    void setTestMode(int a, int b, int c);

    const sbep::ExchangeBuffer& exchangeBuffer() const { return buffer_; }

private:
    template <class Request, class... Args> void readData(ReplyBuffer& buf, Args&&... args);
    template <class Request, class... Args> void run(Args&&... args);
    void checkTransferLength(int length) const;

    sbep::ExchangeBuffer buffer_;
    std::uint8_t chunkSize_ = 64;
};

// Flags the checked softpot writes record.
constexpr int FLAG_RECORD_LAST_WRITE = 27;
constexpr int FLAG_RECORD_BULK_WRITE = 21;
