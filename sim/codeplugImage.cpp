#include "sim/codeplugImage.h"

#include "sim/radioProfile.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace sim {

namespace {

constexpr std::uint8_t FLAG_HEADER_BIT_1 = 0x02;
constexpr std::uint8_t FLAG_EXTENDED = 0x04;
constexpr std::uint8_t FLAG_INNER_CHECK = 0x40;
constexpr std::uint8_t FLAG_BLOCK_CHECK = 0x80;

std::uint8_t complementOf(const sbep::Bytes& bytes, std::size_t from) {
    const unsigned sum = std::accumulate(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.end(), 0u);
    return static_cast<std::uint8_t>((0x100 - (sum & 0xFF)) & 0xFF);
}

std::uint8_t fieldValue(std::size_t n, const char* what) {
    if (n > 255)
        throw std::invalid_argument(std::string("codeplug block: ") + what + " above 255");
    return static_cast<std::uint8_t>(n);
}

void appendEntries(sbep::Bytes& out, const codeplugBlockSpec& layout, const codeplugBlockSpec::record& r) {
    for (const auto& e : r) {
        if (static_cast<int>(e.size()) != layout.entrySize)
            throw std::invalid_argument("codeplug block: an entry is not W bytes long");
        const std::size_t from = out.size();
        out.insert(out.end(), e.begin(), e.end());
        if (layout.entryCheck)
            out.push_back(complementOf(out, from));
    }
}

unsigned sumOf(const std::vector<std::uint8_t>& m, std::size_t from, std::size_t to) {
    return std::accumulate(m.begin() + static_cast<std::ptrdiff_t>(from),
                           m.begin() + static_cast<std::ptrdiff_t>(to), 0u) &
           0xFF;
}

} // namespace

sbep::Bytes buildCodeplugBlock(const codeplugBlockSpec& layout) {
    fieldValue(static_cast<std::size_t>(layout.entrySize), "entry size");
    std::uint8_t flags = 0;
    if (layout.extended)
        flags |= FLAG_EXTENDED;
    if (layout.headerBit1)
        flags |= FLAG_HEADER_BIT_1;
    if (layout.blockCheck)
        flags |= FLAG_BLOCK_CHECK;
    if (layout.extended ? layout.recordCheck : layout.entryCheck)
        flags |= FLAG_INNER_CHECK;

    sbep::Bytes out;
    if (!layout.extended) {
        if (layout.records.size() != 1)
            throw std::invalid_argument("codeplug block: a simple block holds exactly one record");
        out = {flags, static_cast<std::uint8_t>(layout.entrySize),
               fieldValue(layout.records[0].size(), "entry count")};
        appendEntries(out, layout, layout.records[0]);
    } else {
        const std::size_t firstCount = layout.records.empty() ? 0 : layout.records[0].size();
        out = {flags,
               fieldValue(static_cast<std::size_t>(layout.recordSize), "record size"),
               fieldValue(layout.records.size(), "record count"),
               static_cast<std::uint8_t>(layout.entryCheck ? 0x40 : 0),
               static_cast<std::uint8_t>(layout.entrySize),
               fieldValue(firstCount, "entry count")};
        for (std::size_t r = 0; r < layout.records.size(); ++r) {
            const auto& rec = layout.records[r];
            std::size_t from = out.size();
            if (layout.recordSize == 0) {
                if (r == 0)
                    from = out.size() - 1; // the count byte of record 0 is header byte 5
                else
                    out.push_back(fieldValue(rec.size(), "entry count"));
            } else if (rec.size() != firstCount) {
                throw std::invalid_argument("codeplug block: fixed-size records differ in entry count");
            }
            const std::size_t dataStart = out.size();
            appendEntries(out, layout, rec);
            if (layout.recordSize != 0) {
                if (out.size() - dataStart > static_cast<std::size_t>(layout.recordSize))
                    throw std::invalid_argument("codeplug block: entries longer than the record size");
                out.resize(dataStart + static_cast<std::size_t>(layout.recordSize), 0);
            }
            if (layout.recordCheck)
                out.push_back(complementOf(out, from));
        }
    }
    if (layout.blockCheck)
        out.push_back(complementOf(out, 0));
    return out;
}

std::string codeplugCheckFault(const std::vector<std::uint8_t>& m, std::size_t a) {
    auto at = [&](std::size_t p) -> unsigned {
        if (a + p >= m.size())
            throw std::out_of_range("block runs past the end of memory");
        return m[a + p];
    };
    try {
        const unsigned flags = at(0);
        const bool extended = flags & FLAG_EXTENDED;
        const bool blockCheck = flags & FLAG_BLOCK_CHECK;
        const bool innerCheck = flags & FLAG_INNER_CHECK;
        const bool entryCheck = extended ? (at(3) & 0x40) != 0 : innerCheck;
        const bool recordCheck = extended && innerCheck;
        const std::size_t w = extended ? at(4) : at(1);
        const std::size_t stride = w + (entryCheck ? 1 : 0);
        std::size_t p = 0;
        auto checkEntries = [&](std::size_t start, std::size_t count) -> std::string {
            for (std::size_t e = 0; entryCheck && e < count; ++e) {
                const std::size_t from = start + e * stride;
                at(from + w);
                if (sumOf(m, a + from, a + from + w + 1) != 0)
                    return "entry check byte at " + std::to_string(from + w);
            }
            return {};
        };
        if (!extended) {
            const std::size_t n = at(2);
            if (auto fault = checkEntries(3, n); !fault.empty())
                return fault;
            p = 3 + n * stride;
        } else {
            const std::size_t r = at(1);
            const std::size_t records = at(2);
            p = r == 0 ? 5 : 6;
            for (std::size_t i = 0; i < records; ++i) {
                const std::size_t from = p;
                std::size_t count = at(5);
                if (r == 0) {
                    count = at(p);
                    ++p;
                }
                if (auto fault = checkEntries(p, count); !fault.empty())
                    return fault;
                p += r == 0 ? count * stride : r;
                if (recordCheck) {
                    at(p);
                    if (sumOf(m, a + from, a + p + 1) != 0)
                        return "record check byte at " + std::to_string(p);
                    ++p;
                }
            }
        }
        if (blockCheck) {
            at(p);
            if (sumOf(m, a, a + p + 1) != 0)
                return "block check byte at " + std::to_string(p);
        }
    } catch (const std::out_of_range& e) {
        return e.what();
    }
    return {};
}

void placeCodeplugBlock(radioProfile& profile, std::size_t address, const sbep::Bytes& block) {
    if (address + block.size() > profile.memory.size())
        throw std::invalid_argument("codeplug block runs past the end of the radio's memory");
    std::copy(block.begin(), block.end(), profile.memory.begin() + static_cast<std::ptrdiff_t>(address));
}

} // namespace sim
