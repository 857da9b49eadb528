// The simulated radio on its pseudo-terminal, driven with raw bytes.
#include "sim/simulatedRadio.h"
#include "exchangeView.h"
#include "ptyClient.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using sbep::Byte;
using sbep::Bytes;
using sim::faultSpec;
using sim::radioProfile;
using sim::simulatedRadio;

namespace {

const Bytes SERIAL{0xF2, 0x23, 0x01, 0xE9};
const Bytes RESET{0xF1, 0x10, 0xFE};
const Bytes KEY_UP{0xF2, 0x19, 0x01, 0xF3};

Bytes softpotRequest(int type, int mode, Bytes value) {
    Bytes payload{static_cast<Byte>(type), static_cast<Byte>(mode)};
    payload.insert(payload.end(), value.begin(), value.end());
    return sbep::buildFrame(0x20, payload);
}

template <typename F> bool waitUntil(F condition) {
    const auto end = std::chrono::steady_clock::now() + ptyClient::WAIT;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        ::usleep(1000);
    }
    return true;
}

class simulatedRadioTest : public ::testing::Test {
protected:
    void startRadio(const std::string& profile = "portable", sim::simSettings settings = {}) {
        radio = std::make_unique<simulatedRadio>(radioProfile::builtIn(profile), settings);
        radio->start();
        client = std::make_unique<ptyClient>(radio->devicePath());
    }
    void SetUp() override { startRadio(); }

    std::unique_ptr<simulatedRadio> radio;
    std::unique_ptr<ptyClient> client;
};

} // namespace

TEST_F(simulatedRadioTest, EchoesTheRequestThenAnswersWithAckAndReplyInOnePiece) {
    client->send(SERIAL);
    EXPECT_EQ(client->read(SERIAL.size()), SERIAL);
    ASSERT_EQ(client->read(1), Bytes{0x50});
    // The reply was written together with the ACK, so all of it waits now.
    const std::size_t waiting = client->available();
    const Bytes reply = client->takeWaiting();
    ASSERT_EQ(reply.size(), waiting);
    ASSERT_TRUE(sbep::frameValid(reply));
    EXPECT_EQ(sbep::frameLength(reply), reply.size());
    EXPECT_EQ(std::string(reply.begin() + 3, reply.begin() + 13), "752TKL0412");
}

TEST_F(simulatedRadioTest, ResetGetsABareAck) {
    const auto reset = client->exchange(RESET);
    EXPECT_EQ(reset.echo, RESET);
    EXPECT_EQ(reset.answer, Bytes{0x50});
    // Without a purge, anything the radio had sent behind the ACK would come
    // before the next echo.
    const auto next = client->exchange(KEY_UP, false);
    EXPECT_EQ(next.echo, KEY_UP);
    EXPECT_EQ(radio->resetCount(), 1);
    EXPECT_TRUE(radio->keyed());
}

TEST_F(simulatedRadioTest, UnsupportedTypeIsAnsweredBehindTheAck) {
    const Bytes request = softpotRequest(10, 3, {0}); // battery threshold: mobile only
    const exchangeView view(request, client->exchange(request).answer);
    EXPECT_EQ(view.first(), 0x50);
    EXPECT_TRUE(view.replyUnsupported());
    EXPECT_EQ(view.reply()[2], 10);
}

TEST_F(simulatedRadioTest, AllPointsReadThroughTheLine) {
    const Bytes request = softpotRequest(13, 3, {0});
    const exchangeView view(request, client->exchange(request).answer);
    EXPECT_TRUE(view.lengthConsistent());
    const Byte expected[] = {38, 62, 88, 112, 136, 160, 186};
    for (int n = 1; n <= 7; ++n) {
        EXPECT_EQ(view.pointValue(n), expected[n - 1]) << "F" << n;
    }
}

TEST_F(simulatedRadioTest, StoredWriteChangesTheRadioLiveWriteDoesNot) {
    client->exchange(softpotRequest(14, 2, {25}));
    EXPECT_EQ(radio->storedValue(14, 0), 17u);
    ASSERT_EQ(radio->liveWrites().size(), 1u);
    EXPECT_EQ(radio->liveWrites()[0].value, 25u);
    client->exchange(softpotRequest(14, 1, {21}));
    EXPECT_EQ(radio->storedValue(14, 0), 21u);
    EXPECT_EQ(radio->liveWrites().size(), 1u);
    // The request log has what the radio received, in order.
    const auto received = radio->receivedRequests();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[1], softpotRequest(14, 1, {21}));
}

TEST_F(simulatedRadioTest, Faults) {
    struct Case {
        const char* name;
        const char* fault;
        bool echo;
        Bytes answer; // empty: checked below by the case's own rule
    };
    const Case cases[] = {
        {"negative acknowledgement", "nak", true, {0x60}},
        {"silence", "silence", true, {}},
        {"lost echo", "lost-echo", false, {}},
        {"bad checksum", "bad-checksum", true, {}},
        {"wrong announced length", "wrong-length", true, {}},
        {"unsupported", "unsupported", true, {}},
        {"slow answer", "delay:ms=20", true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        radio->clearFaults();
        radio->injectFault(faultSpec::parse(c.fault));
        client->purge();
        client->send(SERIAL);
        Bytes echo;
        if (c.echo) {
            echo = client->read(SERIAL.size());
            EXPECT_EQ(echo, SERIAL);
        }
        const std::string name = c.name;
        if (name == "silence") {
            // Nothing behind the echo: the next request's echo comes first.
            const auto next = client->exchange(SERIAL, false);
            EXPECT_EQ(next.echo, SERIAL);
            EXPECT_EQ(next.answer.size(), 15u) << "the next exchange is answered normally";
            continue;
        }
        Bytes answer = client->read(1);
        if (!answer.empty() && answer[0] == 0x50 && client->readable(ptyClient::WAIT)) {
            const Bytes rest = client->takeWaiting();
            answer.insert(answer.end(), rest.begin(), rest.end());
        }
        const exchangeView view(SERIAL, answer);
        if (!c.answer.empty()) {
            EXPECT_EQ(answer, c.answer);
        } else if (name == "lost echo" || name == "slow answer") {
            EXPECT_EQ(answer.size(), 15u);
            EXPECT_EQ(answer[0], 0x50);
        } else if (name == "bad checksum") {
            const Bytes reply(answer.begin() + 1, answer.end());
            EXPECT_TRUE(view.lengthConsistent());
            EXPECT_FALSE(sbep::frameValid(reply));
        } else if (name == "wrong announced length") {
            EXPECT_FALSE(view.lengthConsistent());
        } else if (name == "unsupported") {
            EXPECT_TRUE(view.replyUnsupported());
        }
        // Each fault fired once: the next exchange is normal.
        const auto after = client->exchange(SERIAL);
        EXPECT_EQ(after.echo, SERIAL);
        EXPECT_TRUE(exchangeView(SERIAL, after.answer).lengthConsistent());
    }
}

TEST_F(simulatedRadioTest, FaultForSeveralExchangesThenNormal) {
    radio->injectFault(faultSpec::parse("nak:after=1,times=2"));
    std::vector<Byte> first;
    for (int i = 0; i < 4; ++i) {
        first.push_back(client->exchange(SERIAL).answer.at(0));
    }
    EXPECT_EQ(first, (std::vector<Byte>{0x50, 0x60, 0x60, 0x50}));
    // A refused request changes nothing in the radio.
    radio->injectFault(faultSpec::parse("nak"));
    client->exchange(KEY_UP);
    EXPECT_FALSE(radio->keyed());
}

TEST_F(simulatedRadioTest, CablePulledMidExchange) {
    radio->injectFault(faultSpec::parse("pull:after=1"));
    EXPECT_EQ(client->exchange(SERIAL).answer.size(), 15u);
    client->send(SERIAL);
    EXPECT_TRUE(client->hungUp());
    EXPECT_TRUE(radio->pulled());
    EXPECT_EQ(radio->receivedRequests().size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(radio->devicePath()));
}

TEST_F(simulatedRadioTest, UnpluggedRadioNeitherEchoesNorAnswers) {
    radio->injectFault(faultSpec::parse("unplug"));
    client->send(SERIAL);
    ASSERT_TRUE(radio->waitForRequests(1, ptyClient::WAIT));
    client->send(KEY_UP);
    // Once the radio has taken in the bytes, anything it sent would be waiting.
    EXPECT_TRUE(waitUntil([&] { return radio->snapshot().discardedBytes == KEY_UP.size(); }));
    EXPECT_EQ(client->available(), 0u);
    EXPECT_FALSE(radio->keyed());
    EXPECT_FALSE(radio->pulled());
}

TEST_F(simulatedRadioTest, GarbageOnTheLineIsEchoedAndSkipped) {
    Bytes stream{0x50, 0x00};
    stream.insert(stream.end(), SERIAL.begin(), SERIAL.end());
    const auto r = client->exchange(stream);
    EXPECT_EQ(r.echo, stream);
    EXPECT_EQ(r.answer.size(), 15u);
    EXPECT_EQ(radio->snapshot().discardedBytes, 2u);
}

TEST(simulatedRadioLineTime, BurstStillArrivesInOnePiece) {
    sim::simSettings settings;
    settings.lineTime = true;
    simulatedRadio radio(radioProfile::builtIn("mobile"), settings);
    radio.start();
    ptyClient client(radio.devicePath());
    const Bytes request = sbep::buildFrame(0x1B, Bytes{0});
    client.send(request);
    EXPECT_EQ(client.read(request.size()), request);
    ASSERT_EQ(client.read(1), Bytes{0x50});
    // The tuning data reply is 45 bytes; all of them came with the ACK.
    EXPECT_EQ(client.available(), 45u);
    Bytes answer{0x50};
    const Bytes reply = client.takeWaiting();
    answer.insert(answer.end(), reply.begin(), reply.end());
    const exchangeView view(request, answer);
    EXPECT_TRUE(view.lengthConsistent());
    EXPECT_EQ(view.reply()[42], 2) << "radio type";
}

TEST(simulatedRadioLink, SymbolicLinkFollowsTheRadio) {
    const std::string link = ::testing::TempDir() + "veltra-sim-link-" + std::to_string(::getpid());
    sim::simSettings settings;
    settings.linkPath = link;
    {
        simulatedRadio radio(radioProfile::builtIn("portable"), settings);
        radio.start();
        EXPECT_EQ(std::filesystem::read_symlink(link), radio.devicePath());
        ptyClient client(link);
        EXPECT_EQ(client.exchange(SERIAL).answer.size(), 15u);
    }
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
}

TEST_F(simulatedRadioTest, DumpsShowTheState) {
    client->exchange(KEY_UP);
    client->exchange(softpotRequest(3, 2, {40}));
    const std::string json = radio->dumpJson();
    EXPECT_NE(json.find("\"keyed\": true"), std::string::npos);
    EXPECT_NE(json.find("\"summary\": \"key up\""), std::string::npos);
    EXPECT_NE(json.find("{\"type\": 3, \"bank\": 0, \"point\": 1, \"value\": 40}"), std::string::npos);
    const std::string text = radio->dumpText();
    EXPECT_NE(text.find("# keyed: yes"), std::string::npos);
    // The text dump loads as a profile of the same radio.
    const radioProfile again = radioProfile::parse(text, "dump");
    EXPECT_EQ(again.serial, "752TKL0412");
    EXPECT_EQ(again.softpots, radio->snapshot().radio.softpots);
}
