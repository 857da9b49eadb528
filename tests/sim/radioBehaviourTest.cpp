// The simulated radio's answers, read at the positions the PC's callers use.
#include "sim/radioBehaviour.h"
#include "exchangeView.h"

#include <gtest/gtest.h>

#include <string>

using sbep::Byte;
using sbep::Bytes;
using sim::radioBehaviour;
using sim::radioProfile;

namespace {

Bytes frame(int opcode, Bytes payload) {
    return sbep::buildFrame(opcode, payload);
}

exchangeView ask(radioBehaviour& radio, const Bytes& request) {
    return {request, radio.answer(request)};
}

std::string text(const std::array<std::uint8_t, 50>& reply, std::size_t from, std::size_t count) {
    return std::string(reply.begin() + static_cast<std::ptrdiff_t>(from),
                       reply.begin() + static_cast<std::ptrdiff_t>(from + count));
}

Bytes softpotRequest(int type, int mode, Bytes value = {0}) {
    Bytes payload{static_cast<Byte>(type), static_cast<Byte>(mode)};
    payload.insert(payload.end(), value.begin(), value.end());
    return frame(0x20, payload);
}

Bytes testMode(int a, int b, int c) {
    return frame(0x22, {static_cast<Byte>(a), static_cast<Byte>(b), static_cast<Byte>(c)});
}

Bytes channelPair(int tx, int rx) {
    return frame(0x21, {0, static_cast<Byte>(tx >> 8), static_cast<Byte>(tx), static_cast<Byte>(rx >> 8),
                        static_cast<Byte>(rx)});
}

class radioBehaviourTest : public ::testing::Test {
protected:
    radioBehaviour portable{radioProfile::builtIn("portable")};
    radioBehaviour legacy{radioProfile::builtIn("portable-legacy")};
    radioBehaviour mobile{radioProfile::builtIn("mobile")};
};

} // namespace

TEST_F(radioBehaviourTest, IdentityRepliesSitWhereTheReadSequenceTakesThem) {
    const radioProfile& p = portable.state().radio;
    struct Case {
        const char* name;
        Byte selector;
        std::size_t from;
        std::string expected;
    };
    const Case cases[] = {
        {"serial number", 0x01, 3, p.serial},
        {"model text", 0x00, 5, p.model},
        {"UUID", 0x0F, 5, std::string(p.uuid.begin(), p.uuid.end())},
        {"IC version", 0x0E, 3, std::string(p.icVersion.begin(), p.icVersion.end())},
        {"power-up status", 0x05, 3, std::string(1, static_cast<char>(p.powerUpStatus))},
        {"regional ID", 0x10, 3, std::string(1, static_cast<char>(p.regionalId))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = ask(portable, frame(0x23, {c.selector}));
        EXPECT_EQ(view.first(), sbep::ACK_BYTE);
        EXPECT_TRUE(view.replyPresent());
        EXPECT_TRUE(view.lengthConsistent());
        EXPECT_TRUE(view.fits());
        EXPECT_EQ(view.reply()[c.from - 1], c.selector) << "the selector comes before the item";
        EXPECT_EQ(text(view.reply(), c.from, c.expected.size()), c.expected);
    }
}

TEST_F(radioBehaviourTest, SerialNumberRequestGetsAckAndReplyInOneBurst) {
    const Bytes answer = portable.answer(Bytes{0xF2, 0x23, 0x01, 0xE9});
    ASSERT_GE(answer.size(), 2u);
    EXPECT_EQ(answer[0], 0x50);
    const Bytes reply(answer.begin() + 1, answer.end());
    EXPECT_TRUE(sbep::frameValid(reply));
    EXPECT_EQ(sbep::frameLength(reply), reply.size());
    EXPECT_EQ(std::string(reply.begin() + 3, reply.begin() + 13), "752TKL0412");
}

TEST_F(radioBehaviourTest, TuningDataLayout) {
    for (radioBehaviour* radio : {&portable, &legacy, &mobile}) {
        const radioProfile& p = radio->state().radio;
        SCOPED_TRACE(p.name);
        const auto view = ask(*radio, frame(0x1B, {0}));
        ASSERT_TRUE(view.longForm());
        EXPECT_TRUE(view.lengthConsistent());
        EXPECT_TRUE(view.fits());
        const auto r = view.reply();
        auto word = [&](std::size_t at) { return (r[at] << 8) | r[at + 1]; };
        EXPECT_EQ(word(4), p.frequencyBase);
        EXPECT_EQ(r[6], p.spacingMask);
        for (std::size_t i = 0; i < 7; ++i) {
            EXPECT_EQ(word(8 + 2 * i), p.txPoints[i]) << "transmit F" << i + 1;
            EXPECT_EQ(word(24 + 2 * i), p.rxPoints[i]) << "receive F" << i + 1;
        }
        EXPECT_EQ(r[40], p.dacDefaults[0]);
        EXPECT_EQ(r[41], p.dacDefaults[1]);
        EXPECT_EQ(r[42], p.radioType);
        EXPECT_EQ(r[43], p.batteryDefault);
    }
    EXPECT_EQ(mobile.state().radio.radioType, 2);
}

TEST_F(radioBehaviourTest, MemoryReadCarriesTheAddressBeforeTheData) {
    // Codeplug level byte at address 2: F5 11 01 00 00 02 F6.
    const auto one = ask(portable, Bytes{0xF5, 0x11, 0x01, 0x00, 0x00, 0x02, 0xF6});
    EXPECT_EQ(one.reply()[1], sbep::OP_MEMORY_DATA);
    EXPECT_EQ(one.reply()[5], 30);
    EXPECT_TRUE(one.lengthConsistent());

    // Eleven bytes need the 16-bit length: the data moves to byte 7.
    portable.state().radio.memory[0x300] = 0xA5;
    const auto eleven = ask(portable, frame(0x11, {11, 0x00, 0x03, 0x00}));
    ASSERT_TRUE(eleven.longForm());
    EXPECT_EQ(eleven.reply()[7], 0xA5);
    EXPECT_TRUE(eleven.lengthConsistent());

    EXPECT_TRUE(ask(portable, frame(0x11, {2, 0x00, 0xFF, 0xFF})).replyUnsupported());
}

TEST_F(radioBehaviourTest, MemoryWriteConfirmsWithItsAddress) {
    const auto done = ask(portable, frame(0x17, {0x00, 0x02, 0xFE, 0x12, 0x34}));
    const auto r = done.reply();
    EXPECT_EQ(r[1], sbep::OP_WRITE_DONE);
    EXPECT_EQ((r[2] << 16) | (r[3] << 8) | r[4], 0x02FE);
    EXPECT_EQ(portable.state().radio.memory[0x2FE], 0x12);
    EXPECT_EQ(portable.state().radio.memory[0x2FF], 0x34);

    const auto failed = ask(portable, frame(0x17, {0x01, 0x00, 0x00, 0x12}));
    EXPECT_EQ(failed.reply()[1], sbep::OP_WRITE_FAILED);
    EXPECT_EQ(failed.reply()[2], 0x01);
}

TEST_F(radioBehaviourTest, AllPointsReadLeavesOneValuePerPointBehindTheEchoedType) {
    const auto high = ask(portable, softpotRequest(0, 3, {0}));
    EXPECT_FALSE(high.replyUnsupported());
    EXPECT_EQ(high.reply()[2], 0);
    EXPECT_TRUE(high.lengthConsistent());
    for (int n = 1; n <= 7; ++n) {
        EXPECT_EQ(high.pointValue(n), portable.storedValue(0, n, 0)) << "F" << n;
    }
    EXPECT_EQ(high.pointValue(1), 102);

    // The low power level is what test mode (x, 2, x) selects.
    portable.answer(testMode(1, 2, 2));
    portable.answer(testMode(129, 2, 2));
    EXPECT_EQ(ask(portable, softpotRequest(0, 3, {0})).pointValue(7), 45);
}

TEST_F(radioBehaviourTest, AllPointsReadOfRecordsAndTwoByteValues) {
    // K and M: 14 bytes, 16-bit length form; K of Fn at 2n-1, M at 2n.
    const auto km = ask(mobile, softpotRequest(17, 3, {0}));
    ASSERT_TRUE(km.longForm());
    EXPECT_TRUE(km.lengthConsistent());
    EXPECT_EQ(km.pointValue(1), 0x5A);
    EXPECT_EQ(km.pointValue(2), 0x40);
    EXPECT_EQ(km.pointValue(13), 0x66);
    EXPECT_EQ(km.pointValue(14), 0x46);

    // The battery threshold record: its threshold is the second value.
    EXPECT_EQ(ask(mobile, softpotRequest(10, 3, {0})).pointValue(2), 97);
    // A single read of it is what the radio measures now.
    EXPECT_EQ(ask(mobile, softpotRequest(10, 0, {0})).replyValue(1), 99);
}

TEST_F(radioBehaviourTest, SingleValueReads) {
    // Reference oscillator: two bytes, 268 = 01 0C.
    const auto warp = ask(portable, softpotRequest(11, 0, {0}));
    EXPECT_EQ(warp.replyValue(2), 268u);
    EXPECT_EQ(warp.replyValue(1), 0x01u);
    EXPECT_EQ(ask(portable, softpotRequest(14, 0, {0})).replyValue(1), 17u);
    // PA bias at low voltage after test mode (9, 2, x).
    EXPECT_EQ(ask(portable, softpotRequest(18, 0, {0})).replyValue(1), 64u);
    portable.answer(testMode(9, 2, 2));
    EXPECT_EQ(ask(portable, softpotRequest(18, 0, {0})).replyValue(1), 58u);
    // Temperature compensation: four bytes at 3..6.
    const auto comp = ask(portable, frame(0x20, {0x01, 0x00, 0x00})).reply();
    EXPECT_EQ(comp[3], 0x0A);
    EXPECT_EQ(comp[4], 0xFF);
    EXPECT_EQ(comp[5], 0x00);
    EXPECT_EQ(comp[6], 0x7C);
}

TEST_F(radioBehaviourTest, PointByPointReadsFollowTheChannel) {
    const radioProfile& p = legacy.state().radio;
    EXPECT_TRUE(ask(legacy, softpotRequest(0, 3, {0})).replyUnsupported());
    legacy.answer(channelPair(p.txPoints[2], p.rxPoints[2]));
    EXPECT_EQ(ask(legacy, softpotRequest(0, 0, {0})).replyValue(1), 104u);
    // A receive softpot follows the receive code of the pair: F6 exists on
    // the receive side only, so the transmit code falls back to F1.
    legacy.answer(channelPair(p.txPoints[0], p.rxPoints[5]));
    EXPECT_EQ(ask(legacy, softpotRequest(13, 0, {0})).replyValue(1), 162u);
    EXPECT_EQ(legacy.state().txPoint, 1);
    EXPECT_EQ(legacy.state().rxPoint, 6);
}

TEST_F(radioBehaviourTest, StoredWriteChangesTheValueLiveWriteDoesNot) {
    const radioProfile& p = portable.state().radio;
    portable.answer(channelPair(p.txPoints[1], p.rxPoints[1]));
    EXPECT_FALSE(ask(portable, softpotRequest(6, 2, {77})).replyUnsupported());
    EXPECT_EQ(portable.storedValue(6, 2), 98u);
    ASSERT_EQ(portable.state().liveWrites.size(), 1u);
    EXPECT_EQ(portable.state().liveWrites[0].point, 2);
    EXPECT_EQ(portable.state().liveWrites[0].value, 77u);
    EXPECT_EQ(portable.state().live.size(), 1u);

    EXPECT_FALSE(ask(portable, softpotRequest(6, 1, {88})).replyUnsupported());
    EXPECT_EQ(portable.storedValue(6, 2), 88u);
    EXPECT_EQ(portable.storedValue(6, 1), 96u);

    // Reset drops the live values and the operating state, not the stored ones.
    portable.answer(frame(0x19, {1}));
    EXPECT_EQ(portable.answer(Bytes{0xF1, 0x10, 0xFE}), Bytes{0x50});
    EXPECT_TRUE(portable.state().live.empty());
    EXPECT_FALSE(portable.state().keyed);
    EXPECT_FALSE(portable.state().testModeSet);
    EXPECT_EQ(portable.state().resets, 1);
    EXPECT_EQ(portable.storedValue(6, 2), 88u);
}

TEST_F(radioBehaviourTest, AllPointsWriteStoresEveryPointOrNone) {
    const Bytes seven{60, 61, 62, 63, 64, 65, 66};
    EXPECT_FALSE(ask(portable, softpotRequest(13, 4, seven)).replyUnsupported());
    EXPECT_EQ(portable.storedValue(13, 7), 66u);
    // Modulation balance accepts 0..63: one value above refuses the write.
    const Bytes tooHigh{30, 31, 64, 32, 33, 33, 34};
    EXPECT_TRUE(ask(portable, softpotRequest(3, 4, tooHigh)).replyUnsupported());
    EXPECT_EQ(portable.storedValue(3, 3), 31u);
    // The older radio goes point by point.
    EXPECT_TRUE(ask(legacy, softpotRequest(13, 4, seven)).replyUnsupported());
}

TEST_F(radioBehaviourTest, RefusedValues) {
    const radioProfile& p = portable.state().radio;
    portable.answer(channelPair(p.txPoints[2], p.rxPoints[2]));
    struct Case {
        const char* name;
        Bytes request;
        bool refused;
    };
    const Case cases[] = {
        {"power at the point's highest (121)", softpotRequest(0, 1, {121}), false},
        {"power above the point's highest", softpotRequest(0, 1, {122}), true},
        {"DTMF deviation above 31", softpotRequest(14, 1, {32}), true},
        {"reference warp 511 in two bytes", softpotRequest(11, 1, {0x01, 0xFF}), false},
        {"reference warp 512", softpotRequest(11, 1, {0x02, 0x00}), true},
        {"unknown sub-command", softpotRequest(14, 7, {1}), true},
        {"battery threshold on a portable", softpotRequest(10, 1, {37}), true},
        {"unknown softpot type", softpotRequest(9, 0, {0}), true},
    };
    for (const Case& c : cases) {
        const auto view = ask(portable, c.request);
        EXPECT_EQ(view.replyUnsupported(), c.refused) << c.name;
        EXPECT_EQ(view.reply()[2], c.request[2]) << c.name << ": the reply echoes the type";
    }
    EXPECT_EQ(portable.storedValue(0, 3), 121u);
}

TEST_F(radioBehaviourTest, BatteryThresholdProgramWrite) {
    // txBatteryData::program (37): F4 20 0A 01 25 BB.
    EXPECT_FALSE(ask(mobile, Bytes{0xF4, 0x20, 0x0A, 0x01, 0x25, 0xBB}).replyUnsupported());
    EXPECT_EQ(mobile.storedValue(10, 0), 37u);
    // Program All writes the record as one 2-byte value with mode 4.
    EXPECT_FALSE(ask(mobile, softpotRequest(10, 4, {0x00, 0x62})).replyUnsupported());
    EXPECT_EQ(ask(mobile, softpotRequest(10, 3, {0})).pointValue(2), 0x62);
}

TEST_F(radioBehaviourTest, RssiReadsAndCalibration) {
    const auto thresholds = ask(portable, frame(0x20, {0x1A, 0x03, 0x00})).reply();
    EXPECT_EQ(thresholds[1], sbep::OP_SOFTPOT_VALUE);
    EXPECT_EQ(thresholds[3], 112);
    EXPECT_EQ(thresholds[4], 84);
    EXPECT_EQ(thresholds[5], 57);
    const auto levels = ask(portable, frame(0x20, {0x19, 0x00})).reply();
    EXPECT_EQ(levels[3], 118);
    EXPECT_EQ(levels[5], 80);
    EXPECT_EQ(ask(portable, frame(0x20, {0x1A, 0x00})).reply()[3], 47);
    // "Update" of point 2 sends (26, 1, 1): the radio takes the signal it receives.
    portable.answer(softpotRequest(26, 1, {1}));
    EXPECT_EQ(ask(portable, frame(0x20, {0x1A, 0x03, 0x00})).reply()[4], 86);
}

TEST_F(radioBehaviourTest, AutoTune) {
    EXPECT_EQ(ask(portable, frame(0x1F, {6})).replyValue(1), 0u);
    EXPECT_EQ(ask(portable, frame(0x1F, {7})).replyValue(1), 26u);
    EXPECT_TRUE(ask(legacy, frame(0x1F, {7})).replyUnsupported());
}

TEST_F(radioBehaviourTest, BasebandOffsets) {
    const auto read = ask(portable, frame(0x28, {5, 1}));
    EXPECT_EQ(read.reply()[1], 0x88);
    EXPECT_EQ(read.reply()[3], 0x3C);
    EXPECT_EQ(ask(portable, frame(0x28, {8, 3})).reply()[3], 0xB7);
    // writeBBO (value, item, group) sends item, group, value.
    portable.answer(frame(0x28, {10, 130, 0x77}));
    EXPECT_EQ(ask(portable, frame(0x28, {10, 2})).reply()[3], 0x77);
    EXPECT_EQ(ask(legacy, frame(0x28, {5, 1})).reply()[1], 0x86);
}

TEST_F(radioBehaviourTest, SerialNumberIsWrittenOnlyIntoABlankRadio) {
    Bytes write{0x00};
    const std::string serial = "123ABC4567";
    write.insert(write.end(), serial.begin(), serial.end());
    EXPECT_TRUE(ask(portable, frame(0x18, write)).replyUnsupported());

    radioProfile blank = radioProfile::builtIn("portable");
    blank.serial = std::string(10, ' ');
    radioBehaviour radio(blank);
    EXPECT_FALSE(ask(radio, frame(0x18, write)).replyUnsupported());
    EXPECT_EQ(text(ask(radio, frame(0x23, {1})).reply(), 3, 10), serial);
}

TEST_F(radioBehaviourTest, EveryAnswerFitsTheExchangeBufferWithItsAnnouncedLength) {
    const Bytes requests[] = {
        frame(0x23, {0}),
        frame(0x23, {1}),
        frame(0x23, {5}),
        frame(0x23, {0x0E}),
        frame(0x23, {0x0F}),
        frame(0x23, {0x10}),
        frame(0x1B, {0}),
        frame(0x19, {1}),
        frame(0x19, {0}),
        testMode(0, 2, 2),
        channelPair(5, 5),
        frame(0x21, {0, 0, 5}),
        softpotRequest(0, 3, {0}),
        softpotRequest(17, 3, {0}),
        softpotRequest(11, 0, {0}),
        softpotRequest(0, 2, {100}),
        softpotRequest(17, 4, Bytes(14, 0x40)),
        frame(0x20, {1, 0, 0}),
        frame(0x20, {0x1A, 3, 0}),
        frame(0x20, {0x19, 0}),
        frame(0x1F, {7}),
        frame(0x28, {5, 1}),
        frame(0x28, {5, 129, 0x33}),
        frame(0x11, {32, 0, 0, 0}),
        frame(0x17, {0, 0, 2, 1, 2}),
        frame(0x99, {1}),
    };
    for (radioBehaviour* radio : {&portable, &legacy, &mobile}) {
        for (const Bytes& request : requests) {
            const auto view = ask(*radio, request);
            SCOPED_TRACE(radio->state().radio.name + ": " + sim::describeRequest(request));
            EXPECT_EQ(view.first(), sbep::ACK_BYTE);
            EXPECT_TRUE(view.replyPresent());
            EXPECT_TRUE(view.lengthConsistent());
            EXPECT_TRUE(view.fits());
        }
    }
}
