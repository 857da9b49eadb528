// One self-describing block of the radio's memory (the codeplug): loaded with
// memory reads, changed byte by byte with its check bytes kept consistent,
// written back whole. Nothing reaches the radio before store().
//
// Block layout from the base address:
//   byte 0: flags. 0x04 extended header; 0x80 the block ends with a check
//           byte; 0x40 simple header: every entry ends with a check byte,
//           extended header: every record does; 0x02 kept, not used.
//   simple:   1 = entry size W, 2 = entry count N, entries from byte 3.
//   extended: 1 = record size R (0: variable), 2 = record count M,
//             3 bit 6 = every entry ends with a check byte, 4 = W, 5 = N,
//             records from byte 6. With R = 0 every record is preceded by
//             its own entry count byte (the first one is byte 5).
//
// A check byte keeps the byte sum of the range it covers unchanged. Every
// index is checked against the block: a call outside it returns false and
// touches nothing.
#pragma once

#include "model/radioMemory.h"

#include <cstdint>
#include <span>
#include <vector>

class codeplugAccess {
public:
    static constexpr int HEADER_READ = 6;
    static constexpr int READ_PIECE = 32;
    static constexpr int WRITE_PIECE = 38;
    static constexpr std::uint32_t SUM16_ADDRESS = 766;

    enum State { EMPTY = 0, LOADED = 3 };

    // Reads the header and the whole block. A failure of any read leaves the
    // object empty (a block half read must never be stored back).
    bool load(EnhancedSBEP& connection, int baseAddress);
    bool load(radioMemory& memory, int baseAddress);

    bool readByte(std::uint8_t& out, int record, int entry, int byte) const;
    // Stores the byte and moves the check byte that covers it by the opposite
    // amount. Fails, changing nothing, when the block declares check bytes but
    // none covers the position.
    bool writeByte(std::uint8_t value, int record, int entry, int byte);
    // Stores the byte without touching the block's check bytes; `sum16` (the
    // caller's copy of the 2-byte sum at SUM16_ADDRESS) follows the change.
    bool writeByteSum16(std::uint8_t value, int record, int entry, int byte, std::uint16_t& sum16);

    bool store(EnhancedSBEP& connection, int baseAddress) const;
    bool store(radioMemory& memory, int baseAddress) const;

    // The 2 bytes at SUM16_ADDRESS, high byte first.
    static bool readSum16(EnhancedSBEP& connection, std::uint16_t& sum16);
    static bool readSum16(radioMemory& memory, std::uint16_t& sum16);
    static bool writeSum16(EnhancedSBEP& connection, std::uint16_t sum16);
    static bool writeSum16(radioMemory& memory, std::uint16_t sum16);

    int state() const { return state_; }
    bool isLoaded() const { return state_ == LOADED; }
    int blockLength() const { return static_cast<int>(buffer.size()); }
    std::span<const std::uint8_t> block() const { return buffer; }
    bool hasExtendedHeader() const { return extended; }
    int loadedAddress() const { return baseAddress_; }

    // Buffer position of (record, entry, byte), or -1 outside the block.
    int position(int record, int entry, int byte) const;
    // The check byte that covers buffer position p, 0 for none.
    int checkBytePositionFor(int p) const;
    // Result of the last lookup made by writeByte.
    int checkBytePosition() const { return checkPosition; }

private:
    struct recordPlace {
        int start = 0;   // first data byte
        int entries = 0; // entry count of the record
        int dataEnd = 0; // one past the last data byte (its check byte, if any)
    };

    bool decodeAndMeasure(radioMemory& memory, int baseAddress, std::span<const std::uint8_t> header);
    int entryStride() const { return entrySize + (entryCheck ? 1 : 0); }
    const recordPlace* recordAt(int p) const;
    bool declaresCheckBytes() const { return entryCheck || recordCheck || blockCheck; }
    void clear();

    int baseAddress_ = 0;
    int entrySize = 0;   // W
    int entryCount = 0;  // N
    int recordSize = 0;  // R, 0 = records of variable length
    int recordCount = 0; // M, 0 = no records
    bool entryCheck = false;
    bool recordCheck = false;
    bool blockCheck = false;
    bool headerBit1 = false;
    bool extended = false;
    int checkPosition = 0;
    std::vector<recordPlace> records; // one per record; one for a simple block
    std::vector<std::uint8_t> buffer;
    int state_ = EMPTY;
};
