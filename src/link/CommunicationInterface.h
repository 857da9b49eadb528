// The byte pipe to one radio. CommunicationInterface is what the protocol
// layer needs (send, read, wait); CommunicationPort adds the line settings of
// a serial port. Time limits are counted in character times of the line.
#pragma once

#include <chrono>
#include <cstdint>
#include <span>

class CommunicationInterface {
public:
    using Byte = std::uint8_t;
    using Clock = std::chrono::steady_clock;

    virtual ~CommunicationInterface() = default;

    // Transmit, then pause 175 ms; with echo verification on, read the echo
    // back and raise DataCollision when it differs.
    virtual void sendVerified(std::span<const Byte> bytes) = 0;
    // Transmit, then pause 110 ms.
    virtual void send(std::span<const Byte> bytes) = 0;
    // Takes up to dest.size() waiting bytes without blocking; returns the count.
    // Leaves dest untouched past the bytes it delivers.
    virtual int read(std::span<Byte> dest) = 0;
    virtual void purgeInput() = 0;
    virtual int bytesAvailable() = 0;
    virtual double characterTime() const = 0; // seconds

    // Blocks until more than `known` bytes are waiting or `deadline` has
    // passed, whichever comes first. May return early; callers re-check.
    virtual void awaitInput(int known, Clock::time_point deadline) = 0;

    // Returns once at least `count` bytes are waiting (bytes already waiting
    // count). `maxIdle` limits the silence between two arrivals, not the whole
    // wait: each new byte restarts the allowance. Raises TimeoutOnReceive.
    // Returns the idle character times spent since the last byte arrived.
    int waitForBytes(int count, int maxIdle);
    int waitForByte(int maxIdle) { return waitForBytes(1, maxIdle); }
    Byte readByte(int maxIdle);
    void readBytes(std::span<Byte> dest, int maxIdle);
    int readWord(int maxIdle); // big-endian
};

class CommunicationPort : public CommunicationInterface {
public:
    virtual int portNumber() const = 0;
    // Validates and applies; the line itself always runs at 9600 8N1.
    virtual void configure(int baudRate, int parity, int byteSize, int stopBits) = 0;
    virtual void setBaudRate(int baudRate) = 0;
    virtual int baudRate() const = 0;
    virtual void setParity(int parity) = 0; // 0 none, 1 odd, 2 even
    virtual int parity() const = 0;
    virtual void setByteSize(int byteSize) = 0; // 4..8
    virtual int byteSize() const = 0;
    virtual void setStopBits(int stopBits) = 0; // 0 one, 1 one and a half, 2 two
    virtual int stopBits() const = 0;
    virtual double bitsPerCharacter() const = 0;
};

// Start bit, data bits, parity bit and stop bits of one character.
double bitsPerCharacter(int byteSize, int parity, int stopBits);
