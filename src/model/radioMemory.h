// Byte-wise access to the radio's memory, as the codeplug and the baseband
// offset configuration need it. The radio side is an open connection
// (sbepRadioMemory); tests put a plain byte array behind the same interface.
#pragma once

#include <cstdint>
#include <span>

class EnhancedSBEP;

class radioMemory {
public:
    virtual ~radioMemory() = default;
    // Fills `dest` from `address` on. Raises the link's exceptions (or
    // std::exception) when the bytes cannot be had; nothing is returned half.
    virtual void read(std::uint32_t address, std::span<std::uint8_t> dest) = 0;
    virtual void write(std::uint32_t address, std::span<const std::uint8_t> source) = 0;
};

// Memory reads and writes on an open connection, one request per call.
class sbepRadioMemory final : public radioMemory {
public:
    explicit sbepRadioMemory(EnhancedSBEP& connection) : link(connection) {}

    // The data follow the 3 address bytes in the reply's payload (buffer byte
    // 5, or 7 with the 16-bit length field). A reply that is no memory data or
    // carries fewer bytes than asked for raises BadReply rather than handing
    // back whatever the reply buffer held before.
    void read(std::uint32_t address, std::span<std::uint8_t> dest) override;
    // In as few requests as the link allows.
    void write(std::uint32_t address, std::span<const std::uint8_t> source) override;

private:
    EnhancedSBEP& link;
};
