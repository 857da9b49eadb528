#include "model/codeplugAccess.h"

#include "sim/codeplugImage.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Radio memory as a plain array that notes every transfer and can fail on
// a chosen one.
class fakeMemory final : public radioMemory {
public:
    struct transfer {
        char kind; // 'r' or 'w'
        std::uint32_t address;
        std::size_t length;
    };

    Bytes bytes = Bytes(0x10000, 0);
    std::vector<transfer> log;
    int failAt = -1; // index into log of the transfer that fails

    void read(std::uint32_t address, std::span<std::uint8_t> dest) override {
        note('r', address, dest.size());
        std::copy_n(bytes.begin() + address, dest.size(), dest.begin());
    }
    void write(std::uint32_t address, std::span<const std::uint8_t> source) override {
        note('w', address, source.size());
        std::copy(source.begin(), source.end(), bytes.begin() + address);
    }
    void place(std::uint32_t address, const Bytes& block) {
        std::copy(block.begin(), block.end(), bytes.begin() + address);
    }
    std::vector<std::size_t> lengths(char kind) const {
        std::vector<std::size_t> out;
        for (const auto& t : log)
            if (t.kind == kind)
                out.push_back(t.length);
        return out;
    }

private:
    void note(char kind, std::uint32_t address, std::size_t length) {
        if (address + length > bytes.size())
            throw std::out_of_range("outside the radio's memory");
        log.push_back({kind, address, length});
        if (static_cast<int>(log.size()) - 1 == failAt)
            throw std::runtime_error("line failure");
    }
};

constexpr std::uint32_t BASE = 0x0400;

Bytes entries(int n, int w, std::uint8_t first) {
    Bytes out;
    for (int i = 0; i < n * w; ++i)
        out.push_back(static_cast<std::uint8_t>(first + i));
    return out;
}

sim::codeplugBlockSpec simpleSpec(int w, int n, bool entryCheck, bool blockCheck) {
    sim::codeplugBlockSpec spec;
    spec.entrySize = w;
    spec.entryCheck = entryCheck;
    spec.blockCheck = blockCheck;
    spec.records.resize(1);
    for (int e = 0; e < n; ++e) {
        Bytes entry;
        for (int b = 0; b < w; ++b)
            entry.push_back(static_cast<std::uint8_t>(0x10 * (e + 1) + b));
        spec.records[0].push_back(entry);
    }
    return spec;
}

struct loadedBlock {
    fakeMemory memory;
    codeplugAccess block;

    explicit loadedBlock(const Bytes& bytes) {
        memory.place(BASE, bytes);
        EXPECT_TRUE(block.load(memory, BASE));
    }
    std::string checkFault() const {
        Bytes image = memory.bytes;
        std::copy(block.block().begin(), block.block().end(), image.begin() + BASE);
        return sim::codeplugCheckFault(image, BASE);
    }
};

TEST(codeplugAccessTest, SimpleBlockWithEntryChecksKeepsTheEntrysCheckByte) {
    loadedBlock b(sim::buildCodeplugBlock(simpleSpec(4, 3, true, false)));
    ASSERT_EQ(b.block.blockLength(), 18);
    EXPECT_EQ(b.block.position(0, 1, 2), 10);

    const Bytes before(b.block.block().begin(), b.block.block().end());
    ASSERT_TRUE(b.block.writeByte(0x99, 0, 1, 2));
    EXPECT_EQ(b.block.checkBytePosition(), 12);
    const Bytes after(b.block.block().begin(), b.block.block().end());
    for (std::size_t p = 0; p < before.size(); ++p) {
        if (p != 10 && p != 12) {
            EXPECT_EQ(after[p], before[p]) << "byte " << p;
        }
    }
    EXPECT_EQ(after[10], 0x99);
    EXPECT_EQ(b.checkFault(), "");
}

TEST(codeplugAccessTest, CheckByteMovesByTheOppositeAmount) {
    // Entry 0 of a simple block with one 1-byte entry: data at 3, check at 4.
    fakeMemory memory;
    memory.place(BASE, {0x40, 1, 1, 0x12, 0x50});
    codeplugAccess block;
    ASSERT_TRUE(block.load(memory, BASE));
    ASSERT_TRUE(block.writeByte(0x34, 0, 0, 0));
    EXPECT_EQ(block.block()[3], 0x34);
    EXPECT_EQ(block.block()[4], 0x2E);
}

TEST(codeplugAccessTest, PositionsBelowTheHeaderHaveNoCheckByteAndCannotBeWritten) {
    loadedBlock b(sim::buildCodeplugBlock(simpleSpec(4, 2, false, true)));
    EXPECT_EQ(b.block.checkBytePositionFor(1), 0);
    EXPECT_EQ(b.block.checkBytePositionFor(3), b.block.blockLength() - 1);
    const Bytes before(b.block.block().begin(), b.block.block().end());
    EXPECT_FALSE(b.block.writeByte(0x55, 0, 0, -2)); // would be position 1
    EXPECT_TRUE(std::equal(before.begin(), before.end(), b.block.block().begin()));
}

TEST(codeplugAccessTest, BlockIsReadIn32AndWrittenIn38BytePieces) {
    // W = 67, N = 1, no check bytes: 3 + 67 = 70 bytes.
    fakeMemory memory;
    Bytes block = {0x00, 67, 1};
    const Bytes data = entries(1, 67, 1);
    block.insert(block.end(), data.begin(), data.end());
    memory.place(BASE, block);
    codeplugAccess access;
    ASSERT_TRUE(access.load(memory, BASE));
    ASSERT_EQ(access.blockLength(), 70);
    EXPECT_EQ(memory.lengths('r'), (std::vector<std::size_t>{6, 32, 32, 6}));
    EXPECT_EQ(memory.log[3].address, BASE + 64);

    ASSERT_TRUE(access.store(memory, BASE));
    EXPECT_EQ(memory.lengths('w'), (std::vector<std::size_t>{38, 32}));
    EXPECT_EQ(memory.log.back().address, BASE + 38);
}

TEST(codeplugAccessTest, EveryIndexOutsideTheBlockIsRefused) {
    loadedBlock b(sim::buildCodeplugBlock(simpleSpec(4, 3, true, true)));
    struct Case {
        const char* name;
        int record, entry, byte;
    };
    const Case cases[] = {
        {"second record of a simple block", 1, 0, 0},
        {"entry N", 0, 3, 0},
        {"byte W (the entry's check byte)", 0, 0, 4},
        {"negative record", -1, 0, 0},
        {"negative entry", 0, -1, 0},
        {"negative byte", 0, 0, -1},
        {"far beyond", 0, 200, 200},
    };
    const Bytes before(b.block.block().begin(), b.block.block().end());
    for (const auto& c : cases) {
        std::uint8_t out = 0xEE;
        std::uint16_t sum = 7;
        EXPECT_EQ(b.block.position(c.record, c.entry, c.byte), -1) << c.name;
        EXPECT_FALSE(b.block.readByte(out, c.record, c.entry, c.byte)) << c.name;
        EXPECT_EQ(out, 0xEE) << c.name;
        EXPECT_FALSE(b.block.writeByte(1, c.record, c.entry, c.byte)) << c.name;
        EXPECT_FALSE(b.block.writeByteSum16(1, c.record, c.entry, c.byte, sum)) << c.name;
        EXPECT_EQ(sum, 7) << c.name;
    }
    EXPECT_TRUE(std::equal(before.begin(), before.end(), b.block.block().begin()));
}

TEST(codeplugAccessTest, NothingWorksBeforeALoad) {
    codeplugAccess block;
    fakeMemory memory;
    std::uint8_t out = 0;
    std::uint16_t sum = 0;
    EXPECT_EQ(block.state(), codeplugAccess::EMPTY);
    EXPECT_FALSE(block.readByte(out, 0, 0, 0));
    EXPECT_FALSE(block.writeByte(1, 0, 0, 0));
    EXPECT_FALSE(block.writeByteSum16(1, 0, 0, 0, sum));
    EXPECT_FALSE(block.store(memory, BASE));
    EXPECT_TRUE(memory.log.empty());
}

// Layouts with records: every write keeps every check byte of the block.
TEST(codeplugAccessTest, WritesInRecordBlocksKeepEveryCheckByte) {
    auto recordsOf = [](std::vector<int> counts, int w) {
        std::vector<sim::codeplugBlockSpec::record> out;
        std::uint8_t v = 1;
        for (int n : counts) {
            sim::codeplugBlockSpec::record r;
            for (int e = 0; e < n; ++e) {
                Bytes entry;
                for (int b = 0; b < w; ++b)
                    entry.push_back(v++);
                r.push_back(entry);
            }
            out.push_back(r);
        }
        return out;
    };
    struct Case {
        const char* name;
        int recordSize;
        std::vector<int> counts;
        bool entryCheck, recordCheck, blockCheck;
        int expectedLength;
    };
    const Case cases[] = {
        // R*M + 6 + M + 1
        {"fixed records, record and block checks", 8, {2, 2, 2}, false, true, true, 8 * 3 + 6 + 3 + 1},
        // entries with checks inside fixed records
        {"fixed records, entry and record checks", 9, {2, 2}, true, true, false, 9 * 2 + 6 + 2},
        // 5 + sum(n*W + 1 + n + 1) + 1
        {"variable records, all checks",
         0,
         {2, 1, 3},
         true,
         true,
         true,
         5 + (2 * 3 + 4) + (3 + 3) + (3 * 3 + 5) + 1},
        {"variable records, record checks only", 0, {1, 2}, false, true, false, 5 + (3 + 2) + (6 + 2)},
        {"variable records, block check only", 0, {3, 1}, false, false, true, 5 + (9 + 1) + (3 + 1) + 1},
    };
    for (const auto& c : cases) {
        sim::codeplugBlockSpec spec;
        spec.extended = true;
        spec.entrySize = 3;
        spec.recordSize = c.recordSize;
        spec.entryCheck = c.entryCheck;
        spec.recordCheck = c.recordCheck;
        spec.blockCheck = c.blockCheck;
        spec.records = recordsOf(c.counts, 3);
        loadedBlock b(sim::buildCodeplugBlock(spec));
        ASSERT_EQ(b.block.blockLength(), c.expectedLength) << c.name;
        for (std::size_t r = 0; r < c.counts.size(); ++r) {
            for (int e = 0; e < c.counts[r]; ++e) {
                for (int byte = 0; byte < 3; ++byte) {
                    std::uint8_t old = 0;
                    ASSERT_TRUE(b.block.readByte(old, static_cast<int>(r), e, byte)) << c.name;
                    EXPECT_EQ(old,
                              spec.records[r][static_cast<std::size_t>(e)][static_cast<std::size_t>(byte)])
                        << c.name << " r" << r << " e" << e << " b" << byte;
                    ASSERT_TRUE(b.block.writeByte(static_cast<std::uint8_t>(old ^ 0xA5), static_cast<int>(r),
                                                  e, byte))
                        << c.name;
                    EXPECT_EQ(b.checkFault(), "") << c.name << " r" << r << " e" << e << " b" << byte;
                }
            }
            EXPECT_FALSE(b.block.writeByte(0, static_cast<int>(r), c.counts[r], 0)) << c.name;
        }
        EXPECT_FALSE(b.block.writeByte(0, static_cast<int>(c.counts.size()), 0, 0)) << c.name;
    }
}

TEST(codeplugAccessTest, VariableRecordsAreMeasuredRecordByRecord) {
    sim::codeplugBlockSpec spec;
    spec.extended = true;
    spec.entrySize = 2;
    spec.recordCheck = true;
    spec.records = {{{1, 2}}, {{3, 4}, {5, 6}}, {{7, 8}}};
    fakeMemory memory;
    memory.place(BASE, sim::buildCodeplugBlock(spec));
    codeplugAccess block;
    ASSERT_TRUE(block.load(memory, BASE));
    // Header, then the count bytes of records 1 and 2, then the block.
    ASSERT_GE(memory.log.size(), 3u);
    EXPECT_EQ(memory.log[1].address, BASE + 5 + 4);     // after record 0: count, 2 bytes, check
    EXPECT_EQ(memory.log[2].address, BASE + 5 + 4 + 6); // after record 1: count, 4 bytes, check
    std::uint8_t v = 0;
    ASSERT_TRUE(block.readByte(v, 2, 0, 1));
    EXPECT_EQ(v, 8);
}

TEST(codeplugAccessTest, DamagedHeadersAreRefusedWithoutAHugeBuffer) {
    // Variable records: 255 records of 255 entries of 255 bytes would be
    // about 16 MB; the walk stops at the 64 KiB a block address can reach.
    fakeMemory memory;
    std::fill(memory.bytes.begin(), memory.bytes.end(), 0xFF);
    memory.place(BASE, {0x04, 0, 255, 0, 255, 255});
    codeplugAccess block;
    EXPECT_FALSE(block.load(memory, BASE));
    EXPECT_EQ(block.state(), codeplugAccess::EMPTY);
    EXPECT_LT(memory.log.size(), 10u);
}

TEST(codeplugAccessTest, CommunicationFailuresReturnFalse) {
    const Bytes bytes = sim::buildCodeplugBlock(simpleSpec(20, 3, true, true)); // 67 bytes
    for (int failAt = 0; failAt < 4; ++failAt) {
        fakeMemory memory;
        memory.place(BASE, bytes);
        memory.failAt = failAt;
        codeplugAccess block;
        EXPECT_FALSE(block.load(memory, BASE)) << "read " << failAt;
        EXPECT_FALSE(block.isLoaded()) << "read " << failAt;
    }
    loadedBlock b(bytes);
    b.memory.failAt = static_cast<int>(b.memory.log.size()) + 1; // the second piece
    EXPECT_FALSE(b.block.store(b.memory, BASE));
}

TEST(codeplugAccessTest, SecondLoadReplacesTheBlockAndAFailedOneEmptiesIt) {
    fakeMemory memory;
    memory.place(BASE, sim::buildCodeplugBlock(simpleSpec(4, 3, true, false)));
    memory.place(0x0800, sim::buildCodeplugBlock(simpleSpec(2, 1, false, false)));
    codeplugAccess block;
    ASSERT_TRUE(block.load(memory, BASE));
    ASSERT_TRUE(block.load(memory, 0x0800));
    EXPECT_EQ(block.blockLength(), 5);
    memory.failAt = static_cast<int>(memory.log.size());
    EXPECT_FALSE(block.load(memory, BASE));
    EXPECT_FALSE(block.isLoaded());
}

TEST(codeplugAccessTest, Sum16FollowsTheByteAndLeavesTheCheckBytesAlone) {
    loadedBlock b(sim::buildCodeplugBlock(simpleSpec(4, 3, true, true)));
    struct Case {
        const char* name;
        std::uint16_t sum;
        std::uint8_t value;
        std::uint16_t expected;
    };
    const Case cases[] = {
        {"up", 0x0001, 0x34, 0x0023},                // 0x12 -> 0x34
        {"down through zero", 0x0005, 0x00, 0xFFF3}, // 0x12 -> 0x00
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(b.block.writeByte(0x12, 0, 0, 0));
        const Bytes before(b.block.block().begin(), b.block.block().end());
        std::uint16_t sum = c.sum;
        ASSERT_TRUE(b.block.writeByteSum16(c.value, 0, 0, 0, sum)) << c.name;
        EXPECT_EQ(sum, c.expected) << c.name;
        EXPECT_EQ(b.block.block()[3], c.value) << c.name;
        EXPECT_EQ(b.block.block()[7], before[7]) << c.name;         // entry check
        EXPECT_EQ(b.block.block().back(), before.back()) << c.name; // block check
    }
}

TEST(codeplugAccessTest, Sum16IsTheTwoBytesAt766HighFirst) {
    fakeMemory memory;
    memory.bytes[766] = 0x12;
    memory.bytes[767] = 0xAB;
    std::uint16_t sum = 0;
    ASSERT_TRUE(codeplugAccess::readSum16(memory, sum));
    EXPECT_EQ(sum, 0x12AB);
    ASSERT_TRUE(codeplugAccess::writeSum16(memory, 0xBEEF));
    EXPECT_EQ(memory.bytes[766], 0xBE);
    EXPECT_EQ(memory.bytes[767], 0xEF);
    memory.failAt = static_cast<int>(memory.log.size());
    EXPECT_FALSE(codeplugAccess::readSum16(memory, sum));
}

} // namespace
