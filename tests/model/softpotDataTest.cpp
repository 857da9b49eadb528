// The softpot data classes against the simulated radio: test modes, the
// all-points and point-by-point reads with their gating, refused procedures,
// the wire form of the writes and the group store.
#include "simulatedLink.h"

#include "model/rxPointData.h"
#include "model/rxRSSIData.h"
#include "model/singleSoftpotData.h"
#include "model/softpotPoints.h"
#include "model/txAttnData.h"
#include "model/txPABiasData.h"
#include "model/txPowerData.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace simtest;
using sbep::Bytes;

namespace {

constexpr int UNTOUCHED = -1;

// The image as a read of the tuning data leaves it for `p`.
radioStorage imageOf(const sim::radioProfile& p) {
    radioStorage s;
    for (int i = 0; i < 7; ++i) {
        s.setSoftpot(ROW_RADIO_INFO, p.txPoints[i], COL_TX_POINT_F1 + i);
        s.setSoftpot(ROW_RADIO_INFO, p.rxPoints[i], COL_RX_POINT_F1 + i);
    }
    s.setSoftpot(ROW_RADIO_INFO, p.frequencyBase, COL_FREQUENCY_BASE);
    s.setSoftpot(ROW_RADIO_INFO, p.spacingMask, COL_SPACING_MASK);
    s.setRadioType(p.radioType);
    s.setModelNumber(p.model);
    return s;
}

void fillRow(radioStorage& s, int row, int first, int count, int value) {
    for (int c = first; c < first + count; ++c)
        s.setSoftpot(row, value, c);
}

// Payload of a request frame (after the header fields).
Bytes payloadOf(const Bytes& frame) {
    const std::size_t header = sbep::frameHeaderSize(frame);
    return Bytes(frame.begin() + static_cast<long>(header), frame.end() - 1);
}

class softpotDataTest : public ::testing::Test {
protected:
    void start(sim::radioProfile p) {
        radioProfile = p;
        connection.reset();
        line.reset(); // its COM mapping goes with it
        line = std::make_unique<simulatedLine>(std::move(p));
        connection = std::make_unique<simulatedConnection>();
        image = imageOf(radioProfile);
    }
    EnhancedSBEP& protocol() { return connection->protocol(); }
    sim::simulatedRadio& radio() { return line->radio; }
    std::uint32_t stored(int type, int point, int bank = 0) { return radio().storedValue(type, point, bank); }
    std::size_t count(int opcode, int sub = -1) { return requestsWith(radio(), opcode, sub).size(); }

    sim::radioProfile radioProfile;
    std::unique_ptr<simulatedLine> line;
    std::unique_ptr<simulatedConnection> connection;
    radioStorage image;
};

} // namespace

TEST(bandwidthCode, FollowsTheWidestSpacingOfTheMask) {
    struct Case {
        const char* name;
        int mask;
        int code;
    };
    const Case cases[] = {
        {"25 and 20 kHz", 6, 2}, {"20 and 12.5 kHz", 3, 1}, {"12.5 kHz only", 1, 0}, {"all three", 7, 2},
        {"25 kHz only", 4, 2},   {"20 kHz only", 2, 1},     {"none", 0, 0},
    };
    for (const Case& c : cases) {
        radioStorage s;
        s.setSoftpot(ROW_RADIO_INFO, c.mask, COL_SPACING_MASK);
        txDTMFData data;
        EXPECT_EQ(data.bandwidthCode(s), c.code) << c.name;
        EXPECT_EQ(data.spacingCode(), c.code) << c.name;
    }
}

TEST_F(softpotDataTest, AllPointsReadFillsEveryCellFromOneRequestAlsoForUnusedPoints) {
    sim::radioProfile p = profile("portable");
    p.txPoints[6] = 0;
    start(p);
    image.clearSupported(FLAG_TX_POWER);
    txTransmitPowData().readHighPower(image, protocol());
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(image.getSoftpot(ROW_TX_POWER, n - 1), static_cast<int>(stored(0, n))) << "F" << n;
    EXPECT_TRUE(image.isSupported(FLAG_TX_POWER));
    EXPECT_EQ(count(OP_SOFTPOT), 1u);
    EXPECT_EQ(count(OP_CHANNEL), 0u);
}

TEST_F(softpotDataTest, PointByPointAsksOnlyForUsedPointsOnTheirOwnChannel) {
    sim::radioProfile p = profile("portable");
    p.allPointsRead = false;
    p.txPoints = {0, 1200, 0, 0, 5000, 0, 0};
    start(p);
    fillRow(image, ROW_PA_VOLTAGE_LIMIT, 0, 7, UNTOUCHED);
    txPAVoltageLimitData().readFromRadio(image, protocol());

    const auto channels = requestsWith(radio(), OP_CHANNEL);
    ASSERT_EQ(channels.size(), 2u);
    EXPECT_EQ(payloadOf(channels[0]), (Bytes{0x00, 0x04, 0xB0, 0x04, 0xB0})); // F2 on both sides
    EXPECT_EQ(payloadOf(channels[1]), (Bytes{0x00, 0x13, 0x88, 0x13, 0x88})); // F5
    EXPECT_EQ(count(OP_SOFTPOT, 0), 2u);
    for (int c = 0; c < 7; ++c) {
        const int expected = c == 1 || c == 4 ? static_cast<int>(stored(6, c + 1)) : UNTOUCHED;
        EXPECT_EQ(image.getSoftpot(ROW_PA_VOLTAGE_LIMIT, c), expected) << "column " << c;
    }
}

TEST_F(softpotDataTest, ReceivePointReadTakesTheFirstTransmitPointWhereTheRadioHasNone) {
    sim::radioProfile p = profile("portable-legacy"); // tx F6 absent, rx F6 used
    start(p);
    rxFEBPData().readFromRadio(image, protocol());
    const auto channels = requestsWith(radio(), OP_CHANNEL);
    ASSERT_EQ(channels.size(), 6u);
    // F6: transmit code of F1, receive code of F6.
    EXPECT_EQ(payloadOf(channels[5]), (Bytes{0x00, 0x00, 0x05, 0x18, 0x38}));
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(image.getSoftpot(ROW_FRONT_END_FILTER, n - 1), static_cast<int>(stored(13, n))) << "F" << n;
    EXPECT_TRUE(image.isSupported(FLAG_FRONT_END_FILTER));
}

TEST_F(softpotDataTest, GatedReadStopsWhenTheRadioRefusesTheFirstPoint) {
    struct Case {
        const char* name;
        int type;
        int flag;
        int row;
        int firstColumn;
        void (*read)(radioStorage&, EnhancedSBEP&);
    };
    const Case cases[] = {
        {"modulation balance", 3, FLAG_MOD_BALANCE, ROW_MOD_BALANCE, 14,
         [](radioStorage& s, EnhancedSBEP& e) { txModAttnData().readFromRadio(s, e); }},
        {"VCO attenuation 25 kHz", 2, FLAG_VCO_ATTN, ROW_VCO_ATTN, 14,
         [](radioStorage& s, EnhancedSBEP& e) { txVCOAttnData().read25kHz(s, e); }},
        {"high power", 0, FLAG_TX_POWER, ROW_TX_POWER, 0,
         [](radioStorage& s, EnhancedSBEP& e) { txTransmitPowData().readHighPower(s, e); }},
        {"front end filter", 13, FLAG_FRONT_END_FILTER, ROW_FRONT_END_FILTER, 0,
         [](radioStorage& s, EnhancedSBEP& e) { rxFEBPData().readFromRadio(s, e); }},
    };
    for (const Case& c : cases) {
        sim::radioProfile p = profile("portable");
        p.allPointsRead = false;
        p.unsupportedTypes.insert(c.type);
        start(p);
        fillRow(image, c.row, c.firstColumn, 7, UNTOUCHED);
        c.read(image, protocol());
        EXPECT_FALSE(image.isSupported(c.flag)) << c.name;
        EXPECT_EQ(count(OP_SOFTPOT, 0), 1u) << c.name;
        for (int col = c.firstColumn; col < c.firstColumn + 7; ++col)
            EXPECT_EQ(image.getSoftpot(c.row, col), UNTOUCHED) << c.name << " column " << col;
    }
}

TEST_F(softpotDataTest, UngatedReadAsksForEveryPointAndKeepsRefusedCells) {
    sim::radioProfile p = profile("portable");
    p.allPointsRead = false;
    p.unsupportedTypes.insert(7);
    start(p);
    fillRow(image, ROW_AUTO_SQUELCH, 0, 7, UNTOUCHED);
    rxAutoSquelchData().read12kHz(image, protocol());
    EXPECT_EQ(count(OP_SOFTPOT, 0), 7u);
    EXPECT_FALSE(image.isSupported(FLAG_AUTO_SQUELCH));
    for (int col = 0; col < 7; ++col)
        EXPECT_EQ(image.getSoftpot(ROW_AUTO_SQUELCH, col), UNTOUCHED);
}

TEST_F(softpotDataTest, HighestPowerPointByPointStoresEachPointsOwnValue) {
    sim::radioProfile p = profile("portable");
    p.allPointsRead = false;
    start(p);
    txTransmitPowData().readMaxPower(image, protocol());
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(image.getSoftpot(ROW_TX_POWER_MAX, n - 1), static_cast<int>(stored(28, n))) << "F" << n;
    EXPECT_TRUE(image.isSupported(FLAG_TX_POWER_MAX));
}

TEST_F(softpotDataTest, MobilePowerSplitsEachPointIntoKAndM) {
    for (const bool allPoints : {false, true}) {
        sim::radioProfile p = profile("mobile");
        p.allPointsRead = allPoints;
        p.softpots[17][0][0] = 0x1234;
        start(p);
        txTransmitPowData().readMobilePower(image, protocol());
        const char* path = allPoints ? "all points" : "point by point";
        EXPECT_EQ(image.getSoftpot(ROW_MOBILE_KM, 0), 0x12) << path;
        EXPECT_EQ(image.getSoftpot(ROW_MOBILE_KM, 1), 0x34) << path;
        for (int n = 2; n <= 7; ++n) {
            EXPECT_EQ(image.getSoftpot(ROW_MOBILE_KM, 2 * (n - 1)), static_cast<int>(stored(17, n) >> 8))
                << path;
            EXPECT_EQ(image.getSoftpot(ROW_MOBILE_KM, 2 * (n - 1) + 1),
                      static_cast<int>(stored(17, n) & 0xFF))
                << path;
        }
        EXPECT_TRUE(image.isSupported(FLAG_MOBILE_KM)) << path;
    }
}

TEST_F(softpotDataTest, OnePointVCOReadsTakeTheHighestTransmitPoint) {
    sim::radioProfile p = profile("portable");
    p.txPoints = {5, 1200, 2400, 3800, 5000, 0, 0};
    start(p);
    txVCOAttnData vco;
    vco.enterTestMode(VARIANT_20_KHZ, protocol(), false, true);
    vco.read20kHz(image, protocol());
    vco.enterTestMode(VARIANT_12_5_KHZ, protocol(), false, true);
    vco.read12kHz(image, protocol());
    EXPECT_EQ(image.getSoftpot(ROW_VCO_ATTN, 13), static_cast<int>(stored(2, 5, 1)));
    EXPECT_EQ(image.getSoftpot(ROW_VCO_ATTN, 6), static_cast<int>(stored(2, 5, 2)));
    const auto channels = requestsWith(radio(), OP_CHANNEL);
    ASSERT_EQ(channels.size(), 2u);
    EXPECT_EQ(payloadOf(channels[0]), (Bytes{0x00, 0x13, 0x88, 0x13, 0x88}));
}

TEST_F(softpotDataTest, RefusedPABias2KeepsItsCellsWhileTheOtherBiasesAreRead) {
    sim::radioProfile p = profile("portable");
    p.unsupportedTypes.insert(20);
    start(p);
    fillRow(image, ROW_PA_BIAS, 0, 6, UNTOUCHED);
    txPABiasHighVoltageData high;
    high.bandwidthCode(image);
    high.enterTestMode(protocol());
    high.readFromRadio(image, protocol());
    txPABiasLowVoltageData low;
    low.bandwidthCode(image);
    low.enterTestMode(protocol());
    low.readFromRadio(image, protocol());

    EXPECT_FALSE(image.isSupported(FLAG_PA_BIAS_2));
    EXPECT_EQ(image.getSoftpot(ROW_PA_BIAS, 2), UNTOUCHED);
    EXPECT_EQ(image.getSoftpot(ROW_PA_BIAS, 3), UNTOUCHED);
    EXPECT_EQ(image.getSoftpot(ROW_PA_BIAS, 0), static_cast<int>(stored(18, 0, 0)));
    EXPECT_EQ(image.getSoftpot(ROW_PA_BIAS, 1), static_cast<int>(stored(18, 0, 1)));
    EXPECT_EQ(image.getSoftpot(ROW_PA_BIAS, 4), static_cast<int>(stored(27, 0, 0)));
    EXPECT_EQ(image.getSoftpot(ROW_PA_BIAS, 5), static_cast<int>(stored(27, 0, 1)));
    EXPECT_TRUE(image.isSupported(FLAG_PA_BIAS_HIGH));
    EXPECT_TRUE(image.isSupported(FLAG_PA_BIAS_LOW));
    EXPECT_TRUE(image.isSupported(FLAG_PA_BIAS_3));
}

TEST_F(softpotDataTest, WritesGoOutInTheirWireForm) {
    struct Case {
        const char* name;
        void (*write)(EnhancedSBEP&);
        Bytes frame;
    };
    const Case cases[] = {
        {"battery threshold store",
         [](EnhancedSBEP& e) { txBatteryData().program(37, e); },
         {0xF4, 0x20, 0x0A, 0x01, 0x25, 0xBB}},
        {"reference oscillator store as two bytes", [](EnhancedSBEP& e) { txRefOscData().program(300, e); },
         sbep::buildFrame(0x20, Bytes{0x0B, 0x01, 0x01, 0x2C})},
        {"reference oscillator live as two bytes", [](EnhancedSBEP& e) { txRefOscData().liveWrite(300, e); },
         sbep::buildFrame(0x20, Bytes{0x0B, 0x02, 0x01, 0x2C})},
        {"K and M as one 16-bit value",
         [](EnhancedSBEP& e) { txTransmitPowData().programMobilePower(0x12, 0x34, e); },
         sbep::buildFrame(0x20, Bytes{0x11, 0x01, 0x12, 0x34})},
    };
    for (const Case& c : cases) {
        start(profile("mobile"));
        c.write(protocol());
        const auto frames = radio().receivedRequests();
        ASSERT_EQ(frames.size(), 1u) << c.name;
        EXPECT_EQ(frames[0], c.frame) << c.name;
    }
}

TEST_F(softpotDataTest, TestModesCarryTheProceduresBytes) {
    struct Case {
        const char* name;
        const char* model; // 16-character model reply
        int mask;
        void (*enter)(radioStorage&, EnhancedSBEP&);
        std::vector<Bytes> modes;
    };
    const Case cases[] = {
        {"rated volume, group A takes 12.5 kHz",
         "T21P4NK1C7      ",
         7,
         [](radioStorage& s, EnhancedSBEP& e) {
             rxRatedVolumeData d;
             d.bandwidthCode(s);
             d.enterTestMode(e);
         },
         {{0, 2, 0}}},
        {"rated volume, other radios take their spacing",
         "T31S4NK1C7      ",
         7,
         [](radioStorage& s, EnhancedSBEP& e) {
             rxRatedVolumeData d;
             d.bandwidthCode(s);
             d.enterTestMode(e, ratedVolumeVariant::SONARO);
         },
         {{18, 2, 2}}},
        {"reference oscillator receive",
         "T31S4NK1C7      ",
         3,
         [](radioStorage& s, EnhancedSBEP& e) {
             txRefOscData d;
             d.bandwidthCode(s);
             d.enterTestMode(e, false, true);
         },
         {{1, 2, 1}, {129, 2, 1}}},
        {"low power",
         "T31S4NK1C7      ",
         1,
         [](radioStorage& s, EnhancedSBEP& e) {
             txTransmitPowData d;
             d.bandwidthCode(s);
             d.enterTestMode(POWER_LOW, e, true, false);
         },
         {{0, 2, 0}, {129, 2, 0}}},
        {"VCO attenuation 12.5 kHz",
         "T31S4NK1C7      ",
         7,
         [](radioStorage&, EnhancedSBEP& e) {
             txVCOAttnData().enterTestMode(VARIANT_12_5_KHZ, e, false, true);
         },
         {{1, 2, 0}, {128, 2, 0}}},
        {"auto squelch 20 kHz",
         "T31S4NK1C7      ",
         7,
         [](radioStorage&, EnhancedSBEP& e) {
             rxAutoSquelchData().enterTestMode(VARIANT_20_KHZ, e, false, true);
         },
         {{1, 2, 1}}},
        {"unknown power level sends nothing",
         "T31S4NK1C7      ",
         7,
         [](radioStorage&, EnhancedSBEP& e) { txTransmitPowData().enterTestMode(3, e, true, true); },
         {}},
    };
    for (const Case& c : cases) {
        sim::radioProfile p = profile("portable");
        start(p);
        image.setModelNumber(c.model);
        image.setSoftpot(ROW_RADIO_INFO, c.mask, COL_SPACING_MASK);
        c.enter(image, protocol());
        std::vector<Bytes> modes;
        for (const Bytes& f : requestsWith(radio(), OP_TEST_MODE))
            modes.push_back(payloadOf(f));
        EXPECT_EQ(modes, c.modes) << c.name;
    }
}

TEST_F(softpotDataTest, BatteryThresholdComesFromTheThresholdRecord) {
    start(profile("mobile"));
    txBatteryData battery;
    battery.readFromRadio(image, protocol());
    EXPECT_TRUE(image.isSupported(FLAG_BATTERY));
    EXPECT_EQ(image.getSoftpot(ROW_BATTERY, 1), static_cast<int>(stored(10, 0)));
    EXPECT_EQ(battery.readCurrentThreshold(image, protocol()), radioProfile.batteryReading);
}

TEST_F(softpotDataTest, RefusedSingleValueKeepsItsCell) {
    sim::radioProfile p = profile("portable");
    p.unsupportedTypes.insert(14);
    start(p);
    image.setSoftpot(ROW_DTMF, UNTOUCHED, 0);
    txDTMFData().readFromRadio(image, protocol());
    EXPECT_FALSE(image.isSupported(FLAG_DTMF));
    EXPECT_EQ(image.getSoftpot(ROW_DTMF, 0), UNTOUCHED);
    txSelect5Data().readFromRadio(image, protocol());
    EXPECT_EQ(image.getSoftpot(ROW_SELECT5, 0), static_cast<int>(stored(15, 0)));
}

TEST_F(softpotDataTest, GroupStoreFallsBackToUsedPointsOfItsOwnSide) {
    struct Case {
        const char* name;
        pointGroup group;
        int bank;
        int testModeA;
    };
    const Case cases[] = {
        {"transmit low power", txTransmitPowData::LOW_POWER, 1, 1},
        {"receive front end filter", rxFEBPData::POINTS, 0, 0},
    };
    for (const Case& c : cases) {
        start(profile("portable-legacy")); // no all-points write; tx F6, F7 and rx F7 unused
        const std::vector<std::uint32_t> before = [&] {
            std::vector<std::uint32_t> v;
            for (int n = 1; n <= 7; ++n)
                v.push_back(stored(c.group.type, n, c.bank));
            return v;
        }();
        for (int n = 1; n <= 7; ++n)
            image.setSoftpot(c.group.row, 10 + n, c.group.column(n));
        if (c.bank == 1)
            txTransmitPowData().enterTestMode(POWER_LOW, protocol(), false, true);
        programPointGroup(c.group, image, protocol());
        EXPECT_FALSE(image.isSupported(FLAG_BULK_WRITE)) << c.name;
        const pointSide side = c.group.side;
        for (int n = 1; n <= 7; ++n) {
            const bool used = pointCode(image, side, n) != 0;
            EXPECT_EQ(stored(c.group.type, n, c.bank), used ? 10u + n : before[n - 1]) << c.name << " F" << n;
        }
    }
}

TEST_F(softpotDataTest, GroupStoreSendsAllPointsAtOnceWhenTheRadioTakesThem) {
    start(profile("portable"));
    for (int n = 1; n <= 7; ++n)
        image.setSoftpot(ROW_VCO_ATTN, 40 + n, 13 + n);
    txVCOAttnData().enterTestMode(VARIANT_25_KHZ, protocol(), false, true);
    programPointGroup(txVCOAttnData::POINTS_25_KHZ, image, protocol());
    EXPECT_TRUE(image.isSupported(FLAG_BULK_WRITE));
    EXPECT_EQ(count(OP_SOFTPOT, 4), 1u);
    EXPECT_EQ(count(OP_CHANNEL), 0u);
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(stored(2, n, 0), 40u + n);
    // Not allowed: point by point although the radio would take them all.
    programPointGroup(txVCOAttnData::POINTS_25_KHZ, image, protocol(), false);
    EXPECT_EQ(count(OP_SOFTPOT, 4), 1u);
    EXPECT_EQ(count(OP_SOFTPOT, 1), 7u);
}

TEST_F(softpotDataTest, RSSIThresholdsAndLevelsLandInTheirCells) {
    start(profile("portable"));
    rxRSSIData::readThresholds(image, protocol());
    EXPECT_TRUE(image.isSupported(FLAG_RSSI));
    const std::uint32_t levels = stored(25, 0); // one 24-bit record
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(image.getSoftpot(ROW_RSSI, i), static_cast<int>(stored(26, i + 1)));
        EXPECT_EQ(image.getSoftpot(ROW_RSSI, 3 + i), static_cast<int>((levels >> (16 - 8 * i)) & 0xFF));
    }
}
