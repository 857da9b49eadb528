#include "LinkFixture.h"

#include "link/SBEPRequests.h"

#include <stdexcept>
#include <string>

using namespace linktest;

namespace {

const std::string SERIAL = "12AB345678";

Bytes serialReply() {
    Bytes payload{0x01};
    payload.insert(payload.end(), SERIAL.begin(), SERIAL.end());
    return frame(0xA3, payload);
}

std::string serialIn(const EnhancedSBEP::ReplyBuffer& buf) {
    return std::string(buf.begin() + 3, buf.begin() + 13);
}

class Exchange : public LinkFixture {};

TEST_F(Exchange, DataReplyBehindTheAckInOnePiece) {
    radio.respond(ackWith(serialReply()));
    EnhancedSBEP::ReplyBuffer buf{};
    sbep.readSerialNumber(buf);
    EXPECT_EQ(serialIn(buf), SERIAL);
    EXPECT_EQ(buf[0], serialReply()[0]);
    EXPECT_EQ(radio.requests(), (std::vector<Bytes>{{0xF2, 0x23, 0x01, 0xE9}}));
    EXPECT_TRUE(sbep.exchangeBuffer().replyPresent());
    EXPECT_EQ(sbep.exchangeBuffer().ackIndex(), 4u);
}

TEST_F(Exchange, BareAckThenTheReplyLater) {
    Response response = ackOnly();
    response.lateDelay = 300ms;
    response.late = serialReply();
    radio.respond(response);
    EnhancedSBEP::ReplyBuffer buf{};
    sbep.readSerialNumber(buf);
    EXPECT_EQ(serialIn(buf), SERIAL);
    EXPECT_EQ(radio.requestCount(), 1u);
}

TEST_F(Exchange, ReplyWithSixteenBitLengthShiftsThePayloadByTwo) {
    const std::string model = "H25KDD9PW5AN    ";
    Bytes payload{0x00};
    payload.insert(payload.end(), model.begin(), model.end());
    radio.respond(ackWith(frame(0xA3, payload)));
    EnhancedSBEP::ReplyBuffer buf{};
    sbep.readModelNumber(buf);
    EXPECT_EQ(buf[0], 0xFF);
    EXPECT_EQ(std::string(buf.begin() + 5, buf.begin() + 21), model);
}

TEST_F(Exchange, NotSupportedBehindTheAckIsLeftForTheCaller) {
    radio.respond(ackWith(frame(0x86, {0x23})));
    EnhancedSBEP::ReplyBuffer buf{};
    EXPECT_NO_THROW(sbep.readRSSI(buf));
    EXPECT_EQ(buf[1], 0x86);
    EXPECT_EQ(radio.requestCount(), 1u);
}

TEST_F(Exchange, FailuresAreRetriedUpToFourSendsExceptCommError) {
    Bytes shortReply = serialReply();
    shortReply.resize(6); // announces 12 bytes after header and opcode
    Bytes longReply = serialReply();
    longReply.push_back(0x00);
    Response nak = ackOnly();
    nak.answer = {0x60};
    Response echoOnly;
    Response notAcknowledgedFrame;
    notAcknowledgedFrame.answer = frame(0x86, {0x23});
    struct Case {
        const char* name;
        Response response;
        long long code;
        std::size_t sends;
    };
    const Case cases[] = {
        {"NAK", nak, MessageNotAcknowledged::CODE, 4},
        {"no answer after the echo", echoOnly, BadReply::CODE, 4},
        {"no echo", silence(), TimeoutOnReceive::CODE, 4},
        {"a reply instead of the ACK", notAcknowledgedFrame, BadReply::CODE, 4},
        {"reply shorter than announced", ackWith(shortReply), -1, 1},
        {"reply longer than announced", ackWith(longReply), -1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRadio radio{COM + 1};
        Win32CommunicationPort port{COM + 1, 9600, 0, 8, 0, 0};
        EnhancedSBEP sbep;
        sbep.setPort(&port);
        radio.respondAlways(c.response);
        EnhancedSBEP::ReplyBuffer buf{};
        EXPECT_EQ(outcome([&] { sbep.readSerialNumber(buf); }), c.code);
        EXPECT_EQ(radio.requestCount(), c.sends);
    }
}

TEST_F(Exchange, CommErrorReadsAsThePlainText) {
    Bytes shortReply = serialReply();
    shortReply.resize(8);
    radio.respond(ackWith(shortReply));
    EnhancedSBEP::ReplyBuffer buf{};
    try {
        sbep.readSerialNumber(buf);
        FAIL() << "accepted a short reply";
    } catch (const CommError& error) {
        EXPECT_STREQ(error.what(), "comm error");
    }
}

TEST_F(Exchange, ARetryThatSucceedsEndsTheOperation) {
    Response nak;
    nak.answer = {0x60};
    radio.respond(nak);
    radio.respond(silence());
    radio.respond(ackWith(serialReply()));
    EnhancedSBEP::ReplyBuffer buf{};
    sbep.readSerialNumber(buf);
    EXPECT_EQ(serialIn(buf), SERIAL);
    EXPECT_EQ(radio.requestCount(), 3u);
}

TEST_F(Exchange, TheAttemptCounterBelongsToTheMessage) {
    radio.respondAlways(silence());
    sbep::SBEPKeyUpRequest request;
    sbep::ExchangeBuffer buffer;
    EXPECT_THROW(request.exchangeRetry(port, buffer), TimeoutOnReceive);
    EXPECT_EQ(request.attempts(), 4u);
    // A message serves one operation: run again it gets one more try only.
    EXPECT_THROW(request.exchangeRetry(port, buffer), TimeoutOnReceive);
    EXPECT_EQ(radio.requestCount(), 5u);
}

TEST_F(Exchange, ResetDoesNotWaitForAReplyAndIgnoresWhatFollowsTheAck) {
    // Behind any other ACK these bytes would be a short reply ("comm error").
    radio.respond(ackWith({0xF5, 0x80}));
    EXPECT_NO_THROW(sbep.resetRadio());
    EXPECT_EQ(radio.requests(), (std::vector<Bytes>{{0xF1, 0x10, 0xFE}}));
}

TEST_F(Exchange, ExchangeAcceptsAReplyBehindTheAck) {
    radio.respondAlways(ackWith(frame(0x8A, {0x01})));
    sbep.keyUp();
    sbep.dekey();
    EXPECT_EQ(radio.requests(), (std::vector<Bytes>{{0xF2, 0x19, 0x01, 0xF3}, {0xF2, 0x19, 0x00, 0xF4}}));
}

TEST_F(Exchange, NoBoundPortRaisesGeneralCommunicationErrorAndSendsNothing) {
    EnhancedSBEP unbound;
    EnhancedSBEP::ReplyBuffer buf{};
    std::uint32_t value = 0;
    EXPECT_EQ(outcome([&] { unbound.keyUp(); }), GeneralCommunicationError::CODE);
    EXPECT_EQ(outcome([&] { unbound.readSerialNumber(buf); }), GeneralCommunicationError::CODE);
    EXPECT_EQ(outcome([&] { unbound.readSoftpotChecked(7, value, recorder, 2); }),
              GeneralCommunicationError::CODE);
    EXPECT_EQ(radio.requestCount(), 0u);
}

TEST_F(Exchange, ARequestTooLongForTheExchangeBufferIsRefusedBeforeSending) {
    const Bytes record(45, 0x11);
    EXPECT_THROW(sbep.writeSoftpotBytes(7, 4, record), std::length_error);
    EXPECT_EQ(radio.requestCount(), 0u);
}

} // namespace
