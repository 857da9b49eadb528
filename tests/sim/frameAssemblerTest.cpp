// Request frames out of the received byte stream, garbage and all.
#include "sim/frameAssembler.h"

#include <gtest/gtest.h>

using sbep::Bytes;
using sim::frameAssembler;

namespace {

const Bytes SERIAL{0xF2, 0x23, 0x01, 0xE9};
const Bytes RESET{0xF1, 0x10, 0xFE};

std::vector<Bytes> feed(frameAssembler& a, const Bytes& bytes, bool drainAtEnd = false) {
    std::vector<Bytes> frames;
    for (auto b : bytes) {
        a.push(b, false);
        while (auto f = a.next()) {
            frames.push_back(f->frame);
        }
    }
    while (drainAtEnd) {
        auto f = a.next(true);
        if (!f) {
            break;
        }
        frames.push_back(f->frame);
    }
    return frames;
}

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const auto& p : parts) {
        out.insert(out.end(), p.begin(), p.end());
    }
    return out;
}

} // namespace

TEST(frameAssembler, FindsTheRequestBehindGarbage) {
    struct Case {
        const char* name;
        Bytes garbage;
        bool needsIdle; // the garbage announces more bytes than follow it
    };
    const Case cases[] = {
        {"stray acknowledgement byte", {0x50}, false},
        {"zero bytes", {0x00, 0x00}, false},
        {"frame with a wrong checksum", {0xF2, 0x23, 0x01, 0xE8}, true},
        {"header announcing more than any request", {0x0F, 0xFF, 0xFF}, false},
        {"short header whose length swallows the request", {0x37}, false},
        {"header announcing more than follows", {0x3E}, true},
    };
    for (const Case& c : cases) {
        frameAssembler a;
        const Bytes stream = concat({c.garbage, SERIAL, RESET});
        if (c.needsIdle) {
            frameAssembler waiting;
            EXPECT_EQ(feed(waiting, stream).size(), 0u) << c.name;
        }
        const auto frames = feed(a, stream, c.needsIdle);
        ASSERT_EQ(frames.size(), 2u) << c.name;
        EXPECT_EQ(frames[0], SERIAL) << c.name;
        EXPECT_EQ(frames[1], RESET) << c.name;
        EXPECT_EQ(a.discarded(), c.garbage.size()) << c.name;
        EXPECT_TRUE(a.empty()) << c.name;
    }
}

TEST(frameAssembler, WaitsForAPartialFrameAndDropsItWhenDrained) {
    frameAssembler a;
    EXPECT_TRUE(feed(a, {0xFF, 0x20, 0x00}).empty());
    EXPECT_EQ(a.pending(), 3u);
    EXPECT_FALSE(a.next(true));
    EXPECT_TRUE(a.empty());
    EXPECT_EQ(a.discarded(), 3u);
    EXPECT_EQ(feed(a, SERIAL).size(), 1u);
}

TEST(frameAssembler, HeldEchoGoesWithItsFrameOrWithTheDroppedBytes) {
    frameAssembler a;
    for (auto b : concat({{0x50}, SERIAL})) {
        a.push(b, true);
    }
    auto f = a.next();
    ASSERT_TRUE(f);
    EXPECT_EQ(f->heldEcho, SERIAL);
    EXPECT_EQ(a.takeDroppedEcho(), Bytes{0x50});
    EXPECT_TRUE(a.takeDroppedEcho().empty());
}

TEST(frameAssembler, LongLengthRequest) {
    // A softpot write with 14 bytes of K and M values uses the 16-bit length.
    Bytes payload{17, 4};
    payload.insert(payload.end(), 14, 0x40);
    const Bytes request = sbep::buildFrame(0x20, payload);
    ASSERT_EQ(request[0], 0xFF);
    frameAssembler a;
    const auto frames = feed(a, request);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], request);
}
