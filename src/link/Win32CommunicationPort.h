// The serial port the program talks to the radio through, over POSIX
// termios. Opened exclusively by COM port number (see SerialPortMap.h for
// the device a number opens), always run at 9600 baud, 8 data bits, no
// parity, one stop bit, no flow control, DTR and RTS off. Closed when the
// object is destroyed; the port is free between exchanges.
#pragma once

#include "link/CommunicationInterface.h"

#include <deque>
#include <string>

class Win32CommunicationPort : public CommunicationPort {
public:
    // Raises PortInUseError (with the system's reason) when the device cannot
    // be opened exclusively, CharacterSizeSettingError for a byte size
    // outside 4..8.
    Win32CommunicationPort(int portNumber, int baudRate, int parity, int byteSize, int stopBits,
                           int echoVerify);
    ~Win32CommunicationPort() override;
    Win32CommunicationPort(const Win32CommunicationPort&) = delete;
    Win32CommunicationPort& operator=(const Win32CommunicationPort&) = delete;

    void sendVerified(std::span<const Byte> bytes) override;
    void send(std::span<const Byte> bytes) override;
    int read(std::span<Byte> dest) override;
    void purgeInput() override;
    int bytesAvailable() override;
    double characterTime() const override;
    void awaitInput(int known, Clock::time_point deadline) override;

    int portNumber() const override { return portNumber_; }
    void configure(int baudRate, int parity, int byteSize, int stopBits) override;
    void setBaudRate(int baudRate) override;
    int baudRate() const override { return settings_.baudRate; }
    void setParity(int parity) override;
    int parity() const override { return settings_.parity; }
    void setByteSize(int byteSize) override;
    int byteSize() const override { return settings_.byteSize; }
    void setStopBits(int stopBits) override;
    int stopBits() const override { return settings_.stopBits; }
    double bitsPerCharacter() const override;

    const std::string& devicePath() const { return device_; }

    // Longest receive queue kept; more raises InputBufferFull.
    static constexpr std::size_t INPUT_QUEUE_LIMIT = 16384;

private:
    struct LineSettings {
        int baudRate = 9600;
        int parity = 0;
        int byteSize = 8;
        int stopBits = 0;
    };

    void apply();
    void transmit(std::span<const Byte> bytes);
    void writeByte(Byte byte);
    void pump();
    void checkLineErrors();
    void resetLineErrorBaseline();
    void release() noexcept;
    [[noreturn]] void fail(const char* what, int error) const;

    int echoVerify_;
    LineSettings settings_;
    int fd_ = -1;
    int portNumber_;
    std::string device_;
    std::deque<Byte> input_;
    bool lineCountersAvailable_ = true;
    struct LineCounters {
        int brk = 0, frame = 0, overrun = 0, parity = 0, bufOverrun = 0;
    } lineCounters_;
};
