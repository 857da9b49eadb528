#include "model/codeplugAccess.h"

#include <algorithm>
#include <array>
#include <exception>

namespace {

constexpr std::uint8_t FLAG_HEADER_BIT_1 = 0x02;
constexpr std::uint8_t FLAG_EXTENDED = 0x04;
constexpr std::uint8_t FLAG_INNER_CHECK = 0x40; // entries (simple) or records (extended)
constexpr std::uint8_t FLAG_BLOCK_CHECK = 0x80;
constexpr std::uint8_t EXTENDED_ENTRY_CHECK = 0x40; // in header byte 3

constexpr int SIMPLE_HEADER = 3;
constexpr int EXTENDED_HEADER = 6;
constexpr int FIRST_COUNT_BYTE = 5; // variable-length records: count of record 0

// Blocks are addressed with 16 bits; a header that announces more is damaged
// and must not turn into a huge buffer or reads across the radio's memory.
constexpr int MAX_BLOCK_LENGTH = 0x10000;
constexpr long long ADDRESS_LIMIT = 0x1000000; // 24-bit memory addresses

} // namespace

void codeplugAccess::clear() {
    *this = codeplugAccess{};
}

bool codeplugAccess::load(EnhancedSBEP& connection, int baseAddress) {
    sbepRadioMemory memory(connection);
    return load(memory, baseAddress);
}

bool codeplugAccess::load(radioMemory& memory, int baseAddress) {
    clear();
    try {
        if (baseAddress < 0 || baseAddress + static_cast<long long>(HEADER_READ) > ADDRESS_LIMIT)
            return false;
        std::array<std::uint8_t, HEADER_READ> header{};
        memory.read(static_cast<std::uint32_t>(baseAddress), header);
        if (!decodeAndMeasure(memory, baseAddress, header))
            return false;
        for (std::size_t at = 0; at < buffer.size(); at += READ_PIECE) {
            const std::size_t n = std::min<std::size_t>(READ_PIECE, buffer.size() - at);
            memory.read(static_cast<std::uint32_t>(baseAddress + at), std::span(buffer).subspan(at, n));
        }
        // The count bytes walked while measuring must be the ones the block
        // holds, or the record places computed from them are wrong.
        if (extended && recordSize == 0) {
            for (const auto& r : records) {
                if (buffer[static_cast<std::size_t>(r.start - 1)] != r.entries) {
                    clear();
                    return false;
                }
            }
        }
    } catch (const std::exception&) {
        clear();
        return false;
    }
    baseAddress_ = baseAddress;
    state_ = LOADED;
    return true;
}

bool codeplugAccess::decodeAndMeasure(radioMemory& memory, int baseAddress,
                                      std::span<const std::uint8_t> header) {
    const std::uint8_t flags = header[0];
    extended = (flags & FLAG_EXTENDED) != 0;
    blockCheck = (flags & FLAG_BLOCK_CHECK) != 0;
    headerBit1 = (flags & FLAG_HEADER_BIT_1) != 0;
    long long length = 0;
    if (!extended) {
        entrySize = header[1];
        entryCount = header[2];
        entryCheck = (flags & FLAG_INNER_CHECK) != 0;
        const int start = SIMPLE_HEADER;
        records.push_back({start, entryCount, start + entryCount * entryStride()});
        length = records.back().dataEnd;
    } else {
        recordSize = header[1];
        recordCount = header[2];
        entryCheck = (header[3] & EXTENDED_ENTRY_CHECK) != 0;
        recordCheck = (flags & FLAG_INNER_CHECK) != 0;
        entrySize = header[4];
        entryCount = header[5];
        const int recordCheckBytes = recordCheck ? 1 : 0;
        if (recordSize != 0) {
            for (int r = 0; r < recordCount; ++r) {
                const int start = EXTENDED_HEADER + r * (recordSize + recordCheckBytes);
                records.push_back({start, entryCount, start + recordSize});
            }
            length = EXTENDED_HEADER + static_cast<long long>(recordCount) * (recordSize + recordCheckBytes);
        } else {
            length = FIRST_COUNT_BYTE;
            for (int r = 0; r < recordCount; ++r) {
                int count = entryCount;
                if (r > 0) {
                    if (length >= MAX_BLOCK_LENGTH)
                        return false;
                    std::array<std::uint8_t, 1> byte{};
                    memory.read(static_cast<std::uint32_t>(baseAddress + length), byte);
                    count = byte[0];
                }
                const int start = static_cast<int>(length) + 1;
                records.push_back({start, count, start + count * entryStride()});
                length = records.back().dataEnd + recordCheckBytes;
            }
        }
    }
    if (blockCheck)
        ++length;
    if (length > MAX_BLOCK_LENGTH || baseAddress + length > ADDRESS_LIMIT)
        return false;
    buffer.assign(static_cast<std::size_t>(length), 0);
    return true;
}

int codeplugAccess::position(int record, int entry, int byte) const {
    if (!isLoaded() || record < 0 || entry < 0 || byte < 0 || byte >= entrySize)
        return -1;
    if (static_cast<std::size_t>(record) >= records.size())
        return -1;
    const recordPlace& r = records[static_cast<std::size_t>(record)];
    if (entry >= r.entries)
        return -1;
    const long long p = r.start + static_cast<long long>(entry) * entryStride() + byte;
    // An entry that would reach beyond its record (a header whose record
    // size is smaller than its entries) is outside the block's layout.
    if (p >= r.dataEnd || p >= blockLength())
        return -1;
    return static_cast<int>(p);
}

const codeplugAccess::recordPlace* codeplugAccess::recordAt(int p) const {
    for (const auto& r : records) {
        if (p >= r.start && p < r.dataEnd)
            return &r;
    }
    return nullptr;
}

int codeplugAccess::checkBytePositionFor(int p) const {
    const int headerEnd = extended ? EXTENDED_HEADER : SIMPLE_HEADER;
    if (!isLoaded() || p < headerEnd || p >= blockLength())
        return 0;
    const recordPlace* r = recordAt(p);
    int c = 0;
    // The innermost check byte is the one to move: it keeps its own range's
    // sum and, by that, the sum of every range around it.
    if (r != nullptr && entryCheck && entrySize > 0) {
        const int e = (p - r->start) / entryStride();
        const int candidate = r->start + e * entryStride() + entrySize;
        if (candidate < r->dataEnd)
            c = candidate;
    }
    if (c == 0 && r != nullptr && extended && recordCheck)
        c = r->dataEnd;
    if (c == 0 && blockCheck)
        c = blockLength() - 1;
    return c == p ? 0 : c;
}

bool codeplugAccess::readByte(std::uint8_t& out, int record, int entry, int byte) const {
    const int p = position(record, entry, byte);
    if (p < 0)
        return false;
    out = buffer[static_cast<std::size_t>(p)];
    return true;
}

bool codeplugAccess::writeByte(std::uint8_t value, int record, int entry, int byte) {
    const int p = position(record, entry, byte);
    if (p < 0)
        return false;
    checkPosition = checkBytePositionFor(p);
    auto& slot = buffer[static_cast<std::size_t>(p)];
    if (checkPosition != 0) {
        auto& check = buffer[static_cast<std::size_t>(checkPosition)];
        check = static_cast<std::uint8_t>(slot + check - value);
    } else if (declaresCheckBytes()) {
        return false;
    }
    slot = value;
    return true;
}

bool codeplugAccess::writeByteSum16(std::uint8_t value, int record, int entry, int byte,
                                    std::uint16_t& sum16) {
    const int p = position(record, entry, byte);
    if (p < 0)
        return false;
    auto& slot = buffer[static_cast<std::size_t>(p)];
    sum16 = static_cast<std::uint16_t>(sum16 + value - slot);
    slot = value;
    return true;
}

bool codeplugAccess::store(EnhancedSBEP& connection, int baseAddress) const {
    sbepRadioMemory memory(connection);
    return store(memory, baseAddress);
}

bool codeplugAccess::store(radioMemory& memory, int baseAddress) const {
    if (!isLoaded() || baseAddress < 0 || baseAddress + static_cast<long long>(buffer.size()) > ADDRESS_LIMIT)
        return false;
    try {
        for (std::size_t at = 0; at < buffer.size(); at += WRITE_PIECE) {
            const std::size_t n = std::min<std::size_t>(WRITE_PIECE, buffer.size() - at);
            memory.write(static_cast<std::uint32_t>(baseAddress + at), std::span(buffer).subspan(at, n));
        }
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

bool codeplugAccess::readSum16(EnhancedSBEP& connection, std::uint16_t& sum16) {
    sbepRadioMemory memory(connection);
    return readSum16(memory, sum16);
}

bool codeplugAccess::readSum16(radioMemory& memory, std::uint16_t& sum16) {
    try {
        std::array<std::uint8_t, 2> bytes{};
        memory.read(SUM16_ADDRESS, bytes);
        sum16 = static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

bool codeplugAccess::writeSum16(EnhancedSBEP& connection, std::uint16_t sum16) {
    sbepRadioMemory memory(connection);
    return writeSum16(memory, sum16);
}

bool codeplugAccess::writeSum16(radioMemory& memory, std::uint16_t sum16) {
    try {
        const std::array<std::uint8_t, 2> bytes{static_cast<std::uint8_t>(sum16 >> 8),
                                                static_cast<std::uint8_t>(sum16 & 0xFF)};
        memory.write(SUM16_ADDRESS, bytes);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}
