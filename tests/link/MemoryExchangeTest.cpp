#include "LinkFixture.h"

#include <stdexcept>

using namespace linktest;

namespace {

class MemoryExchange : public LinkFixture {};

Bytes writeDone(std::uint32_t address) {
    return frame(0x84, {static_cast<Byte>(address >> 16), static_cast<Byte>(address >> 8),
                        static_cast<Byte>(address)});
}

TEST_F(MemoryExchange, ReadReturnsTheRawReplyFrameWithTheDataAtFive) {
    const Bytes reply = frame(0x80, {0x00, 0x00, 0x02, 0x5A});
    radio.respond(ackWith(reply));
    EnhancedSBEP::ReplyBuffer buf{};
    sbep.readMemory(buf, 2, 1);
    EXPECT_EQ(radio.requests(), (std::vector<Bytes>{{0xF5, 0x11, 0x01, 0x00, 0x00, 0x02, 0xF6}}));
    EXPECT_EQ(Bytes(buf.begin(), buf.begin() + static_cast<std::ptrdiff_t>(reply.size())), reply);
    EXPECT_EQ(buf[5], 0x5A);
}

TEST_F(MemoryExchange, WriteConfirmationAndPendingWrites) {
    constexpr std::uint32_t ADDRESS = 0x001234;
    const Bytes data{0xBE, 0xEF};
    const Bytes writeRequest = frame(0x17, {0x00, 0x12, 0x34, 0xBE, 0xEF});
    const Bytes poll = frame(0x17, {0x00, 0x00, 0x00});
    struct Case {
        const char* name;
        std::vector<Bytes> replies; // the last one repeats
        long long code;
        std::size_t sends;
    };
    const Case cases[] = {
        {"confirmed at once", {writeDone(ADDRESS)}, 0, 1},
        {"address 0: pending, then confirmed", {writeDone(0), writeDone(0)}, 0, 2},
        {"busy, still the write, then confirmed",
         {writeDone(0xFFFFFF), writeDone(ADDRESS), writeDone(0)},
         0,
         3},
        {"unrelated address", {writeDone(0x009999)}, BadReply::CODE, 4},
        {"write failed", {frame(0x85, {0x00, 0x12, 0x34})}, BadWrite::CODE, 4},
        {"never confirmed", {writeDone(0xFFFFFF)}, BadWrite::CODE, 1 + EnhancedSBEP::MAX_PENDING_POLLS},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRadio radio{COM + 1};
        Win32CommunicationPort port{COM + 1, 9600, 0, 8, 0, 0};
        EnhancedSBEP sbep;
        sbep.setPort(&port);
        for (std::size_t i = 0; i + 1 < c.replies.size(); ++i) {
            radio.respond(ackWith(c.replies[i]));
        }
        radio.respondAlways(ackWith(c.replies.back()));
        EXPECT_EQ(outcome([&] { sbep.writeMemory(data, ADDRESS); }), c.code);
        const auto requests = radio.requests();
        ASSERT_EQ(requests.size(), c.sends);
        EXPECT_EQ(requests[0], writeRequest);
        if (c.code == 0 && c.sends > 1) {
            EXPECT_EQ(requests.back(), poll);
        }
    }
}

TEST_F(MemoryExchange, AFailedWriteCarriesTheAddressTheRadioReported) {
    radio.respondAlways(ackWith(frame(0x85, {0x01, 0x02, 0x03})));
    try {
        sbep.writeMemory(Bytes{1, 2}, 0x010203);
        FAIL() << "no BadWrite";
    } catch (const BadWrite& error) {
        EXPECT_EQ(error.address(), 0x010203u);
    }
}

TEST_F(MemoryExchange, TransfersOutsideOneRequestAreRefused) {
    EnhancedSBEP::ReplyBuffer buf{};
    EXPECT_THROW(sbep.readMemory(buf, 0, 0), std::invalid_argument);
    EXPECT_THROW(sbep.readMemory(buf, 0, EnhancedSBEP::MAX_MEMORY_TRANSFER + 1), std::invalid_argument);
    EXPECT_THROW(sbep.writeMemory(Bytes{}, 0), std::invalid_argument);
    EXPECT_THROW(sbep.writeMemory(Bytes(EnhancedSBEP::MAX_MEMORY_TRANSFER + 1, 0), 0), std::invalid_argument);
    sbep.setChunkSize(4);
    EXPECT_THROW(sbep.readMemory(buf, 0, 4), std::invalid_argument);
    EXPECT_EQ(radio.requestCount(), 0u);
}

} // namespace
