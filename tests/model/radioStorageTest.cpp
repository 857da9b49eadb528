#include "model/radioStorage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(radioStorageTest, FreshImageHoldsTheNullTextsAndZeroTable) {
    const radioStorage s;
    EXPECT_EQ(s.getModelNumber(), "NULL            ");
    EXPECT_EQ(s.getSerialNumber(), "NULL      ");
    EXPECT_EQ(s.getICVersionText(), "NULL");
    EXPECT_EQ(std::string(s.getUUID().begin(), s.getUUID().end()), "NULL            ");
    EXPECT_FALSE(s.modelRecognised());
    EXPECT_EQ(s.getReadStatus(), 0);
    EXPECT_EQ(s.getBBOConfigState(), 0);
    EXPECT_EQ(s.getBBOEntryCount(), 0);
    EXPECT_TRUE(s.getBBOLabels().empty());
    for (int row = 0; row < radioStorage::ROWS; ++row) {
        for (int column = 0; column < radioStorage::COLUMNS; ++column)
            EXPECT_EQ(s.getSoftpot(row, column), 0) << row << "," << column;
    }
}

TEST(radioStorageTest, FreshImageSupportsEverythingButMobileKMAndBattery) {
    const radioStorage s;
    for (int flag = FIRST_SUPPORT_FLAG; flag <= LAST_SUPPORT_FLAG; ++flag)
        EXPECT_EQ(s.isSupported(flag), flag != FLAG_MOBILE_KM && flag != FLAG_BATTERY) << flag;
}

TEST(radioStorageTest, FlagChangesTouchOnlyTheirFlag) {
    struct Case {
        const char* name;
        int flag;
        bool set;
    };
    const Case cases[] = {
        {"set 18", 18, true},    {"clear 8", 8, false},   {"clear 19", 19, false},  {"set 16", 16, true},
        {"clear 2", 2, false},   {"clear 28", 28, false}, {"set 0", 0, true},       {"clear 1", 1, false},
        {"clear 29", 29, false}, {"clear -5", -5, false}, {"set 1000", 1000, true},
    };
    for (const auto& c : cases) {
        radioStorage s;
        radioStorage before;
        c.set ? s.setSupported(c.flag) : s.clearSupported(c.flag);
        for (int flag = -1; flag <= 30; ++flag) {
            const bool expected =
                flag == c.flag ? (c.set && flag >= 2 && flag <= 28) : before.isSupported(flag);
            EXPECT_EQ(s.isSupported(flag), expected) << c.name << " flag " << flag;
        }
    }
}

TEST(radioStorageTest, FlagsOutsideTheRangeAreNeverSupported) {
    radioStorage s;
    s.setSupported(1);
    s.setSupported(29);
    EXPECT_FALSE(s.isSupported(1));
    EXPECT_FALSE(s.isSupported(29));
    EXPECT_FALSE(s.isSupported(0));
}

TEST(radioStorageTest, TheLinkRecordsFlagsThroughSupportRecorder) {
    radioStorage s;
    SupportRecorder& recorder = s;
    recorder.clearSupported(FLAG_RSSI);
    recorder.setSupported(FLAG_BATTERY);
    EXPECT_FALSE(s.isSupported(FLAG_RSSI));
    EXPECT_TRUE(s.isSupported(FLAG_BATTERY));
}

TEST(radioStorageTest, SoftpotAccessOutsideTheTableNeitherReadsNorWrites) {
    radioStorage s;
    s.setSoftpot(ROW_TX_POWER_MAX, 77, 21);
    s.setSoftpot(ROW_TX_POWER, -12345, 13);
    const int bad[][2] = {{-1, 0}, {0, -1}, {22, 0}, {0, 22}, {100, 100}, {-100, 5}};
    for (const auto& rc : bad) {
        s.setSoftpot(rc[0], 999, rc[1]);
        EXPECT_EQ(s.getSoftpot(rc[0], rc[1]), 0) << rc[0] << "," << rc[1];
    }
    int nonZero = 0;
    for (int row = 0; row < radioStorage::ROWS; ++row) {
        for (int column = 0; column < radioStorage::COLUMNS; ++column)
            nonZero += s.getSoftpot(row, column) != 0;
    }
    EXPECT_EQ(nonZero, 2);
    EXPECT_EQ(s.getSoftpot(ROW_TX_POWER_MAX, 21), 77);
    EXPECT_EQ(s.getSoftpot(ROW_TX_POWER, 13), -12345);
}

TEST(radioStorageTest, RadioTypeIsTheRadioInfoCell) {
    radioStorage s;
    s.setRadioType(2);
    EXPECT_EQ(s.getSoftpot(ROW_RADIO_INFO, 8), 2);
    s.setSoftpot(ROW_RADIO_INFO, 1, 8);
    EXPECT_EQ(s.getRadioType(), 1);
}

TEST(radioStorageTest, SetModelNumberLocatesThePrefix) {
    struct Case {
        const char* name;
        const char* reply;
        const char* model;
        bool recognised;
    };
    const Case cases[] = {
        {"prefix at 0", "T31S4NK1C7      ", "T31S4NK1C7      ", true},
        {"prefix at 3", "123T31S4NK1C7XYZ", "T31S4NK1C7      ", true},
        {"prefix at 6", "ZZZZZZT31S4NK1C7", "T31S4NK1C7      ", true},
        {"three-letter prefix", "AAV46E2TC1      ", "AAV46E2TC1      ", true},
        {"last match wins", "AAV42K7R3AM6    ", "V42K7R3AM6      ", true},
        {"prefix inside wins over start", "T21T35W2A4BM1   ", "T35W2A4BM1      ", true},
        {"prefix at 7 is too late", "ZZZZZZZT31S4NK1C", "ZZZZZZZT31S4NK1C", false},
        {"no prefix", "QQ9912345678ABCD", "QQ9912345678ABCD", false},
        {"short unknown reply padded", "ABC", "ABC             ", false},
        {"long reply cut at 16", "T31S4NK1C7ABCDEFGHIJ", "T31S4NK1C7      ", true},
    };
    for (const auto& c : cases) {
        radioStorage s;
        s.setModelNumber(c.reply);
        EXPECT_EQ(s.getModelNumber(), c.model) << c.name;
        EXPECT_EQ(s.modelRecognised(), c.recognised) << c.name;
    }
}

TEST(radioStorageTest, UnrecognisedReplyDoesNotLeaveItsTailBehindTheNextModel) {
    radioStorage s;
    s.setModelNumber("ZZZZZZZZZZZZZZZZ");
    s.setModelNumber("T31S4NK1C7QQQQQQ");
    EXPECT_EQ(s.getModelNumber(), "T31S4NK1C7      ");
}

TEST(radioStorageTest, SpacingFromModelNumber) {
    struct Case {
        const char* name;
        const char* reply;
        int mask;
    };
    const Case cases[] = {
        {"H digit, 4 six places on", "T31H3PC2N4      ", 1},
        {"H digit, 6 six places on", "T31H3PC2N6      ", 6},
        {"H digit, other character", "T31H3PC2N5      ", 7},
        {"M digit at 0", "M1XXXX4         ", 1},
        {"first position decides", "T31M3PC2N6H1XXX4", 6},
        {"letter without digit skipped", "QHXM1QQQQ6QQQQQQ", 6},
        {"no H or M with digit", "T31S4NK1C7      ", 7},
        {"fresh image", "", 7},
        {"lower case is not a match", "T31h3PC2N4      ", 7},
    };
    for (const auto& c : cases) {
        radioStorage s;
        if (*c.reply)
            s.setModelNumber(c.reply);
        EXPECT_EQ(s.spacingFromModelNumber(), c.mask) << c.name;
    }
}

TEST(radioStorageTest, SpacingScanStopsSixBeforeTheEnd) {
    // 'M' followed by a digit at position 11 lies beyond length - 6 = 10.
    radioStorage s;
    s.setModelNumber("QQQQQQQQQQQM4QQ4");
    ASSERT_FALSE(s.modelRecognised());
    EXPECT_EQ(s.spacingFromModelNumber(), 7);
    // At position 10 the decisive place is past the text.
    s.setModelNumber("QQQQQQQQQQM4QQQQ");
    EXPECT_EQ(s.spacingFromModelNumber(), 7);
    s.setModelNumber("QQQQQQQQQM4QQQQ6");
    EXPECT_EQ(s.spacingFromModelNumber(), 6);
}

TEST(radioStorageTest, IdentityTextsAreCopiedIntoTheImage) {
    radioStorage s;
    {
        std::string serial = "123ABC4567";
        std::string ic = "\x01\xFE\x02\x03";
        s.setSerialNumber(serial);
        s.setICVersion(ic);
        serial.assign(10, '#');
        ic.assign(4, '#');
    }
    EXPECT_EQ(s.getSerialNumber(), "123ABC4567");
    EXPECT_EQ(s.getICVersion()[1], 0xFE);
    s.setSerialNumber("Invalid");
    EXPECT_EQ(s.getSerialNumber(), "Invalid");
    s.setSerialNumber("12345678901234");
    EXPECT_EQ(s.getSerialNumber(), "1234567890");

    const std::uint8_t uuid[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    s.setUUID(uuid);
    EXPECT_EQ(s.getUUID()[15], 16);
    s.setUUID(std::string_view("NULL"));
    EXPECT_EQ(std::string(s.getUUID().begin(), s.getUUID().end()), "NULL            ");
}

TEST(radioStorageTest, BBOLabelsForARadioWithOffsetRequests) {
    radioStorage s;
    s.setBBOSupported(true);
    ASSERT_TRUE(s.allocBBOLabels());
    const auto labels = s.getBBOLabels();
    ASSERT_EQ(labels.size(), 9u);
    EXPECT_EQ(s.getBBOCount(), 9);
    EXPECT_EQ(s.getBBOEntry()->labelCount, 9);
    EXPECT_EQ(labels[0].label(), "CSQ Offset               ");
    EXPECT_EQ(labels[7].label(), "LTR High Deviation Offset");
    EXPECT_EQ(labels[8].label(), "LTR Low Deviation Offset ");
    for (const auto& l : labels)
        EXPECT_EQ(l.label().size(), 25u);
}

TEST(radioStorageTest, BBOLabelsFromTheConfigurationEntry) {
    struct Case {
        const char* name;
        int count;
        bool ok;
        std::size_t slots;
    };
    const Case cases[] = {
        {"four labels", 4, true, 4}, {"none", 0, true, 0},       {"twenty", 20, true, 20},
        {"too many", 21, false, 0},  {"negative", -3, false, 0}, {"huge", 1 << 30, false, 0},
    };
    for (const auto& c : cases) {
        radioStorage s;
        s.setBBOSupported(true);
        s.allocBBOLabels();
        s.setBBOSupported(false);
        s.getBBOEntry()->labelCount = c.count;
        EXPECT_EQ(s.getBBOCount(), c.count) << c.name;
        EXPECT_EQ(s.allocBBOLabels(), c.ok) << c.name;
        EXPECT_EQ(s.getBBOLabels().size(), c.slots) << c.name;
    }
}

TEST(radioStorageTest, BBOCountFollowsSupport) {
    radioStorage s;
    s.getBBOEntry()->labelCount = 5;
    EXPECT_EQ(s.getBBOCount(), 5);
    s.setBBOSupported(true);
    EXPECT_EQ(s.getBBOCount(), 9);
    EXPECT_EQ(s.getBBOEntry()->labelCount, 9);
}

TEST(radioStorageTest, BBOEntryWordIsTheLowHalfOfTheBlockAddress) {
    radioStorage s;
    auto* e = s.getBBOEntry();
    e->checkAddress = 0x1111;
    e->checkMinimum = 1;
    e->checkMaximum = 2;
    e->blockAddress = 0x12345678;
    EXPECT_EQ(s.getBBOEntryWord(), 0x5678);
    s.setBBOConfigState(3);
    s.setBBOEntryCount(12);
    EXPECT_EQ(s.getBBOConfigState(), 3);
    EXPECT_EQ(s.getBBOEntryCount(), 12);
}

TEST(radioStorageTest, LabelTextIsCutToItsSlot) {
    bboLabel l;
    l.setLabel(std::string(40, 'x'));
    EXPECT_EQ(l.label().size(), 29u);
    l.byteOffset = 7;
    l.mask = 15;
    l.setLabel("short");
    EXPECT_EQ(l.label(), "short");
    EXPECT_EQ(l.byteOffset, 7);
}

} // namespace
