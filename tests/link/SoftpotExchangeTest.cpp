#include "LinkFixture.h"

#include <thread>

using namespace linktest;

namespace {

using Calls = std::vector<std::pair<char, int>>;

class SoftpotExchange : public LinkFixture {
protected:
    static constexpr int TYPE = 7;
    static Bytes softpotReply(Bytes values, int type = TYPE) {
        values.insert(values.begin(), static_cast<Byte>(type));
        return frame(0x8A, values);
    }
};

TEST_F(SoftpotExchange, ReadTakesTheValueSizeTheFlagCallsFor) {
    struct Case {
        const char* name;
        int flag;
        Bytes values;
        std::uint32_t value;
    };
    const Case cases[] = {
        {"flag 2: 16 bits", 2, {0x12, 0x34}, 0x1234},
        {"flag 16: 16 bits", 16, {0xAB, 0xCD}, 0xABCD},
        {"flag 11: first byte only", 11, {0x12, 0x34}, 0x12},
        {"flag 20: 32 bits", 20, {1, 2, 3, 4}, 0x01020304},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        radio.respond(ackWith(softpotReply(c.values)));
        recorder.calls.clear();
        std::uint32_t value = 0;
        sbep.readSoftpotChecked(TYPE, value, recorder, c.flag);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(recorder.calls, (Calls{{'+', c.flag}}));
        EXPECT_EQ(radio.requests().back(), frame(0x20, {TYPE, 0x00, 0x00}));
    }
    EXPECT_EQ(radio.requestCount(), 4u);
}

TEST_F(SoftpotExchange, NotSupportedClearsTheFlagAndLeavesTheValue) {
    radio.respond(ackWith(frame(0x86, {0x20})));
    std::uint32_t value = 0xDEAD;
    sbep.readSoftpotChecked(TYPE, value, recorder, 11);
    EXPECT_EQ(value, 0xDEADu);
    EXPECT_EQ(recorder.calls, (Calls{{'-', 11}}));
    EXPECT_EQ(radio.requestCount(), 1u);
}

TEST_F(SoftpotExchange, AReplyForAnotherSoftpotTypeIsABadReplyAndRetried) {
    radio.respondAlways(ackWith(softpotReply({0x55}, TYPE + 1)));
    std::uint32_t value = 0;
    EXPECT_EQ(outcome([&] { sbep.readSoftpotChecked(TYPE, value, recorder, 11); }), BadReply::CODE);
    EXPECT_EQ(radio.requestCount(), 4u);
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(SoftpotExchange, AllPointsLeavesThePointValuesForBulkPointValue) {
    radio.respond(ackWith(softpotReply({11, 12, 13, 14, 15, 16, 17})));
    std::uint32_t value = 0;
    sbep.readSoftpotAllPoints(TYPE, value, recorder, 20);
    EXPECT_EQ(recorder.calls, (Calls{{'+', 20}}));
    EXPECT_EQ(radio.requests().back(), frame(0x20, {TYPE, 0x03, 0x00}));
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(sbep.bulkPointValue(i), 10 + i) << "point " << i;
    }
}

TEST_F(SoftpotExchange, AllPointsWithASixteenBitLengthFieldReadsBehindIt) {
    Bytes record;
    for (Byte b = 0; b < 14; ++b) {
        record.push_back(static_cast<Byte>(0x40 + b));
    }
    radio.respond(ackWith(softpotReply(record)));
    std::uint32_t value = 0;
    sbep.readSoftpotAllPoints(TYPE, value, recorder, 19);
    EXPECT_EQ(recorder.calls, (Calls{{'+', 19}}));
    EXPECT_EQ(sbep.bulkPointValue(1), 0x40);
    EXPECT_EQ(sbep.bulkPointValue(7), 0x46);
}

TEST_F(SoftpotExchange, AllPointsNotSupportedClearsTheFlag) {
    radio.respond(ackWith(frame(0x86, {0x20})));
    std::uint32_t value = 0;
    sbep.readSoftpotAllPoints(TYPE, value, recorder, 20);
    EXPECT_EQ(recorder.calls, (Calls{{'-', 20}}));
}

TEST_F(SoftpotExchange, CheckedWritesRecordWhetherTheRadioAcceptedThem) {
    radio.respond(ackWith(softpotReply({})));
    sbep.writeSoftpotChecked(recorder, TYPE, 2, 0x0123, 2);
    radio.respond(ackWith(frame(0x86, {0x20})));
    sbep.writeSoftpotChecked(recorder, TYPE, 1, 0x0A, 1);
    radio.respond(ackWith(softpotReply({})));
    const Bytes record{1, 2, 3, 4, 5, 6, 7};
    sbep.writeSoftpotBytesChecked(recorder, TYPE, 4, record);
    EXPECT_EQ(recorder.calls, (Calls{{'+', 27}, {'-', 27}, {'+', 21}}));
    EXPECT_EQ(radio.requests(),
              (std::vector<Bytes>{frame(0x20, {TYPE, 2, 0x01, 0x23}), frame(0x20, {TYPE, 1, 0x0A}),
                                  frame(0x20, {TYPE, 4, 1, 2, 3, 4, 5, 6, 7})}));
}

TEST_F(SoftpotExchange, AutoTuneValueIsTwoBytesForFlagOneElseOne) {
    radio.respond(ackWith(softpotReply({0x02, 0x9A})));
    radio.respond(ackWith(softpotReply({0x02, 0x9A})));
    std::uint32_t wide = 0;
    std::uint32_t narrow = 0;
    sbep.autoTune(TYPE, wide, recorder, 1);
    sbep.autoTune(TYPE, narrow, recorder, 5);
    EXPECT_EQ(wide, 0x029Au);
    EXPECT_EQ(narrow, 0x02u);
    EXPECT_EQ(recorder.calls, (Calls{{'+', 1}, {'+', 5}}));
    EXPECT_EQ(radio.requests().front(), frame(0x1F, {TYPE}));
}

// The radio acknowledges at once but needs longer than the wait behind the
// ACK (10250 character times) to tune: the value comes as a reply of its own.
TEST_F(SoftpotExchange, AutoTuneReplyAfterTheLongWaitIsReadOnItsOwn) {
    Response slow = ackOnly();
    slow.lateDelay = 11500ms;
    slow.late = softpotReply({0x01, 0x23});
    radio.respond(slow);
    std::uint32_t value = 0;
    sbep.autoTune(TYPE, value, recorder, 3);
    EXPECT_EQ(value, 0x0123u);
    EXPECT_EQ(recorder.calls, (Calls{{'+', 3}}));
    EXPECT_EQ(radio.requestCount(), 1u);
}

} // namespace
