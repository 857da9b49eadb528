#include "model/RF_Frequency.h"
#include "model/convertUtil.h"

#include <gtest/gtest.h>

#include <array>

namespace {

radioStorage withPoints(const std::array<int, 7>& tx, const std::array<int, 7>& rx, int base = 5760) {
    radioStorage s;
    for (int i = 0; i < 7; ++i) {
        s.setSoftpot(ROW_RADIO_INFO, tx[i], COL_TX_POINT_F1 + i);
        s.setSoftpot(ROW_RADIO_INFO, rx[i], COL_RX_POINT_F1 + i);
    }
    s.setSoftpot(ROW_RADIO_INFO, base, COL_FREQUENCY_BASE);
    return s;
}

TEST(RF_FrequencyTest, CodeToFrequency) {
    struct Case {
        const char* name;
        std::uint16_t base, code;
        std::uint32_t kHz;
    };
    const Case cases[] = {
        {"149 MHz", 5760, 1000, 149000},
        {"code 0 is the base", 5760, 0, 144000},
        {"largest values", 65535, 65535, 65535u * 25 + 65535u * 5},
        {"35 MHz", 1400, 0, 35000},
    };
    for (const auto& c : cases) {
        RF_Frequency f;
        EXPECT_EQ(RF_Frequency::toKHz(c.base, c.code), c.kHz) << c.name;
        EXPECT_DOUBLE_EQ(f.toMHz(c.base, c.code), c.kHz * 0.001) << c.name;
        EXPECT_EQ(f.lastKHz(), c.kHz) << c.name;
    }
}

TEST(RF_FrequencyTest, ChannelForAFrequency) {
    EXPECT_EQ(RF_Frequency::channelForHz(200000000u, 5760), (200000000u - 144000000u) / 5000u);
    EXPECT_EQ(RF_Frequency::channelForHz(144004999u, 5760), 0u);
    EXPECT_EQ(RF_Frequency::channelForHz(144005000u, 5760), 1u);
    EXPECT_EQ(RF_Frequency::channelForHz(100000000u, 5760), 0u) << "below the base";
}

TEST(RF_FrequencyTest, FirstMiddleLastPoints) {
    struct Case {
        const char* name;
        std::array<int, 7> codes;
        int first, middle, last;
    };
    const Case cases[] = {
        {"F1..F5", {1, 2, 3, 4, 5, 0, 0}, 1, 3, 5},     {"F2 and F7", {0, 9, 0, 0, 0, 0, 9}, 2, 4, 7},
        {"F2, F4, F7", {0, 9, 0, 9, 0, 0, 9}, 2, 4, 7}, {"F3 only", {0, 0, 7, 0, 0, 0, 0}, 3, 3, 3},
        {"all seven", {1, 1, 1, 1, 1, 1, 1}, 1, 4, 7},  {"none", {0, 0, 0, 0, 0, 0, 0}, 0, 0, 0},
    };
    for (const auto& c : cases) {
        std::array<int, 7> rx{};
        for (int i = 0; i < 7; ++i)
            rx[i] = c.codes[i] * 10;
        const auto tx = withPoints(c.codes, {});
        const auto rxOnly = withPoints({}, rx);
        RF_Frequency f;
        EXPECT_EQ(f.firstTxPoint(tx), c.first) << c.name;
        EXPECT_EQ(f.middleTxPoint(tx), c.middle) << c.name;
        EXPECT_EQ(f.lastTxPoint(tx), c.last) << c.name;
        EXPECT_EQ(f.firstRxPoint(rxOnly), c.first) << c.name;
        EXPECT_EQ(f.middleRxPoint(rxOnly), c.middle) << c.name;
        EXPECT_EQ(f.lastRxPoint(rxOnly), c.last) << c.name;
        EXPECT_EQ(f.firstTxPoint(rxOnly), 0) << c.name << " tx side of an rx-only radio";
    }
}

TEST(RF_FrequencyTest, CodesAtThePoints) {
    const auto s = withPoints({0, 200, 0, 400, 0, 0, 700}, {0, 0, 30, 40, 50, 0, 0});
    RF_Frequency f;
    EXPECT_EQ(f.firstTxCode(s), 200);
    EXPECT_EQ(f.middleTxCode(s), 400);
    EXPECT_EQ(f.lastTxCode(s), 700);
    EXPECT_EQ(f.middleRxCode(s), 40);
    EXPECT_EQ(f.lastRxCode(s), 50);
    // The middle index is arithmetic: with F3 and F5 used it is F4, unused.
    const auto gap = withPoints({}, {0, 0, 30, 0, 50, 0, 0});
    EXPECT_EQ(f.middleRxPoint(gap), 4);
    EXPECT_EQ(f.middleRxCode(gap), 0);
    const auto none = withPoints({}, {});
    EXPECT_EQ(f.firstTxCode(none), 0);
    EXPECT_EQ(f.lastRxCode(none), 0);
}

TEST(RF_FrequencyTest, PointCodeFallsBackToTheFirstUsedPoint) {
    const auto s = withPoints({0, 0, 300, 0, 500, 0, 0}, {0, 20, 0, 0, 0, 60, 0});
    struct Case {
        const char* name;
        bool rx, tx;
        int n;
        int code;
    };
    const Case cases[] = {
        {"rx F6 used", true, false, 6, 60},      {"rx F5 unused gives rx F2", true, false, 5, 20},
        {"tx F5 used", false, true, 5, 500},     {"tx F1 unused gives tx F3", false, true, 1, 300},
        {"tx wins over rx", true, true, 5, 500}, {"both, tx unused, falls back on rx", true, true, 2, 20},
        {"index 0 rx", true, false, 0, 20},      {"index 8 tx", false, true, 8, 300},
        {"neither side", false, false, 3, 300},
    };
    RF_Frequency f;
    for (const auto& c : cases)
        EXPECT_EQ(f.pointCode(s, c.rx, c.tx, c.n), c.code) << c.name;
    EXPECT_EQ(f.firstPointIndex(s, true, false), 2);
    EXPECT_EQ(f.firstPointIndex(s, false, true), 3);
    EXPECT_EQ(f.firstPointIndex(s, true, true), 2);
    EXPECT_EQ(f.firstPointIndex(s, false, false), 0);

    const auto none = withPoints({}, {});
    EXPECT_EQ(f.pointCode(none, true, false, 4), 0);
    EXPECT_EQ(f.firstPointIndex(none, false, true), 0);
}

TEST(RF_FrequencyTest, LowBandRule) {
    // Base 0: code c is c * 5 kHz, so the codes below are kHz / 5.
    struct Case {
        const char* name;
        int base;
        std::array<int, 7> tx;
        int lowBand;
    };
    const Case cases[] = {
        {"VHF 136..174 MHz", 0, {27200, 29000, 30000, 31000, 32000, 33000, 34800}, 0},
        {"one point at 35 MHz", 0, {29000, 7000, 0, 0, 0, 0, 0}, 1},
        {"exactly 50 MHz", 0, {10000, 0, 0, 0, 0, 0, 0}, 0},
        {"just below 50 MHz", 0, {9999, 0, 0, 0, 0, 0, 0}, 1},
        {"exactly 29.7 MHz", 0, {5940, 0, 0, 0, 0, 0, 0}, 0},
        {"just above 29.7 MHz", 0, {5941, 0, 0, 0, 0, 0, 0}, 1},
        {"unused points are the bare base", 1400, {6000, 6000, 6000, 6000, 6000, 6000, 0}, 1},
        {"base alone below the band", 1000, {0, 0, 0, 0, 0, 0, 0}, 0},
    };
    for (const auto& c : cases) {
        auto s = withPoints(c.tx, {}, c.base);
        s.setSoftpot(ROW_MOBILE_KM, 1 - c.lowBand, COL_KM_LOW_BAND);
        s.setSoftpot(ROW_DAC_VISITED, 1, 0);
        RF_Frequency::applyLowBandRule(s);
        EXPECT_EQ(s.getSoftpot(ROW_MOBILE_KM, COL_KM_LOW_BAND), c.lowBand) << c.name;
        EXPECT_EQ(s.getSoftpot(ROW_DAC_VISITED, 0), 0) << c.name;
    }
}

TEST(RF_FrequencyTest, GroupHRadiosKeepOnlyF3) {
    struct Case {
        const char* name;
        const char* reply;
        bool onlyF3;
    };
    const Case cases[] = {
        {"group H", "T27QZ05XC2      ", true},
        {"other portable", "T31S4NK1C7      ", false},
    };
    for (const auto& c : cases) {
        auto s = withPoints({1, 2, 3, 4, 5, 6, 7}, {11, 12, 13, 14, 15, 16, 17});
        s.setModelNumber(c.reply);
        RF_Frequency::applyGroupHRule(s);
        for (int n = 1; n <= 7; ++n) {
            const bool kept = !c.onlyF3 || n == 3;
            EXPECT_EQ(RF_Frequency::txCode(s, n), kept ? n : 0) << c.name << " tx F" << n;
            EXPECT_EQ(RF_Frequency::rxCode(s, n), kept ? 10 + n : 0) << c.name << " rx F" << n;
        }
        EXPECT_EQ(s.getSoftpot(ROW_RADIO_INFO, COL_FREQUENCY_BASE), 5760) << c.name;
    }
}

TEST(convertUtilTest, HexToInt) {
    struct Case {
        const char* name;
        const char* text;
        int length;
        int value;
    };
    const Case cases[] = {
        {"00A3", "00A3", 4, 163},         {"all zeros", "0000", 4, 0},
        {"G counts 0", "1G", 2, 16},      {"lower case", "ff", 2, 255},
        {"length cuts", "A3FF", 2, 163},  {"zero length", "A3", 0, 0},
        {"negative length", "A3", -2, 0}, {"length past the text", "A3", 10, 163},
        {"single digit", "7", 1, 7},      {"eight digits", "7FFFFFFF", 8, 0x7FFFFFFF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(convertUtil::hexToInt(c.text, c.length), c.value) << c.name;
}

TEST(convertUtilTest, ToHex) {
    EXPECT_EQ(convertUtil::toHex(0xA3, 2), "A3");
    EXPECT_EQ(convertUtil::toHex(5, 2), "05");
    EXPECT_EQ(convertUtil::toHex(0, 2), "00");
    EXPECT_EQ(convertUtil::toHex(0x1234, 2), "1234");
    EXPECT_EQ(convertUtil::hexToInt(convertUtil::toHex(0xBEEF, 4), 4), 0xBEEF);
}

} // namespace
