#include "link/SBEPFrame.h"

#include <gtest/gtest.h>

using namespace sbep;

namespace {

struct FrameCase {
    const char* name;
    int opcode;
    Bytes payload;
    Bytes frame;
};

class FrameBuild : public testing::TestWithParam<FrameCase> {};

TEST_P(FrameBuild, BuildsTheKnownBytes) {
    const FrameCase& c = GetParam();
    EXPECT_EQ(buildFrame(c.opcode, c.payload), c.frame);
    EXPECT_TRUE(frameValid(c.frame));
    EXPECT_EQ(frameLength(c.frame), c.frame.size());
    EXPECT_EQ(framePayloadLength(c.frame), c.payload.size());
    EXPECT_EQ(frameOpcode(c.frame), c.opcode);
}

INSTANTIATE_TEST_SUITE_P(
    Vectors, FrameBuild,
    testing::Values(FrameCase{"serialNumber", 0x23, {0x01}, {0xF2, 0x23, 0x01, 0xE9}},
                    FrameCase{"reset", 0x10, {}, {0xF1, 0x10, 0xFE}},
                    FrameCase{"ack", 0x05, {}, {0x50}},
                    FrameCase{"keyUp", 0x19, {0x01}, {0xF2, 0x19, 0x01, 0xF3}},
                    FrameCase{"dekey", 0x19, {0x00}, {0xF2, 0x19, 0x00, 0xF4}},
                    FrameCase{"channelPair", 0x21, {0x00, 0x12, 0x34, 0x56, 0x78},
                              {0xF6, 0x21, 0x00, 0x12, 0x34, 0x56, 0x78, 0xD4}},
                    FrameCase{"memoryRead", 0x11, {0x01, 0x00, 0x00, 0x02},
                              {0xF5, 0x11, 0x01, 0x00, 0x00, 0x02, 0xF6}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Frame, ThirteenBytePayloadKeepsTheShortLengthFourteenSwitchesToTheLongOne) {
    const Bytes thirteen = buildFrame(0x20, Bytes(13, 0));
    EXPECT_EQ(thirteen[0], 0xFE);
    EXPECT_EQ(thirteen.size(), 2u + 13u + 1u);
    const Bytes fourteen = buildFrame(0x20, Bytes(14, 0));
    EXPECT_EQ(fourteen[0], 0xFF);
    EXPECT_EQ(fourteen[2], 0x00);
    EXPECT_EQ(fourteen[3], 15);
    const Bytes sixteen = buildFrame(0x20, Bytes(16, 0));
    EXPECT_EQ((Bytes{sixteen.begin(), sixteen.begin() + 4}), (Bytes{0xFF, 0x20, 0x00, 0x11}));
    EXPECT_TRUE(frameValid(sixteen));
}

TEST(Frame, ValidityRejectsABadChecksumAndShortBuffers) {
    EXPECT_FALSE(frameValid(Bytes{0xF2, 0x23, 0x01, 0xE8}));
    EXPECT_FALSE(frameValid(Bytes{0xF2, 0x23, 0x01}));
    EXPECT_FALSE(frameValid(Bytes{}));
    EXPECT_FALSE(frameValid(Bytes{0xFF, 0x20}));
    EXPECT_EQ(framePayloadLength(Bytes{0xFF, 0x20}), 0u);
}

} // namespace
