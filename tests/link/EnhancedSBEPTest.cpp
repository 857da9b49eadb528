#include "LinkFixture.h"

#include "link/SBEPRequests.h"

#include <functional>

using namespace linktest;

namespace {

// Every operation sends the one request of the catalogue, once.
TEST(EnhancedSBEPCatalogue, EachOperationSendsItsRequestFrame) {
    ScopedLinkTiming timing{LinkTiming{30ms, 40ms}};
    EnhancedSBEP::ReplyBuffer buf{};
    FakeRecorder recorder;
    std::uint32_t value = 0;
    struct Case {
        const char* name;
        std::function<void(EnhancedSBEP&)> operation;
        Bytes frame;
    };
    const Case cases[] = {
        {"readPowerUpStatus", [&](EnhancedSBEP& s) { s.readPowerUpStatus(buf); }, frame(0x23, {0x05})},
        {"readSerialNumber", [&](EnhancedSBEP& s) { s.readSerialNumber(buf); }, {0xF2, 0x23, 0x01, 0xE9}},
        {"readModelNumber", [&](EnhancedSBEP& s) { s.readModelNumber(buf); }, frame(0x23, {0x00})},
        {"readICVersion", [&](EnhancedSBEP& s) { s.readICVersion(buf); }, frame(0x23, {0x0E})},
        {"readUUID", [&](EnhancedSBEP& s) { s.readUUID(buf); }, frame(0x23, {0x0F})},
        {"readRegionalID", [&](EnhancedSBEP& s) { s.readRegionalID(buf); }, frame(0x23, {0x10})},
        {"readTuneData", [&](EnhancedSBEP& s) { s.readTuneData(buf); }, frame(0x1B, {0x00})},
        {"readTempComp", [&](EnhancedSBEP& s) { s.readTempComp(buf); }, frame(0x20, {0x01, 0x00, 0x00})},
        {"readRSSICalDac", [&](EnhancedSBEP& s) { s.readRSSICalDac(buf); }, frame(0x20, {26, 0x00})},
        {"readRSSICalDac2", [&](EnhancedSBEP& s) { s.readRSSICalDac2(buf); }, frame(0x20, {25, 0x00})},
        {"readRSSI", [&](EnhancedSBEP& s) { s.readRSSI(buf); }, frame(0x20, {0x1A, 0x03, 0x00})},
        {"readBBO", [&](EnhancedSBEP& s) { s.readBBO(buf, 3, 4); }, frame(0x28, {3, 4})},
        {"writeBBO", [&](EnhancedSBEP& s) { s.writeBBO(1, 2, 3); }, frame(0x28, {2, 3, 1})},
        {"writeSerialNumber", [&](EnhancedSBEP& s) { s.writeSerialNumber("AB12"); },
         frame(0x18, {0x00, 'A', 'B', '1', '2', ' ', ' ', ' ', ' ', ' ', ' '})},
        {"keyUp", [&](EnhancedSBEP& s) { s.keyUp(); }, {0xF2, 0x19, 0x01, 0xF3}},
        {"dekey", [&](EnhancedSBEP& s) { s.dekey(); }, {0xF2, 0x19, 0x00, 0xF4}},
        {"resetRadio", [&](EnhancedSBEP& s) { s.resetRadio(); }, {0xF1, 0x10, 0xFE}},
        {"setChannel", [&](EnhancedSBEP& s) { s.setChannel(0x1234, 2); }, frame(0x21, {0x00, 0x12, 0x34})},
        {"setChannelPair",
         [&](EnhancedSBEP& s) { s.setChannelPair(0x1234, 2, 0x5678, 2); },
         {0xF6, 0x21, 0x00, 0x12, 0x34, 0x56, 0x78, 0xD4}},
        {"setTestMode", [&](EnhancedSBEP& s) { s.setTestMode(1, 2, 3); }, frame(0x22, {1, 2, 3})},
        {"writeSoftpot", [&](EnhancedSBEP& s) { s.writeSoftpot(7, 2, 0x010203, 3); },
         frame(0x20, {7, 2, 1, 2, 3})},
        {"writeSoftpotBytes",
         [&](EnhancedSBEP& s) {
             s.writeSoftpotBytes(9, 4, Bytes{1, 2, 3, 4});
         },
         frame(0x20, {9, 4, 1, 2, 3, 4})},
        {"readSoftpotChecked", [&](EnhancedSBEP& s) { s.readSoftpotChecked(7, value, recorder, 11); },
         frame(0x20, {7, 0, 0})},
        {"readSoftpotAllPoints", [&](EnhancedSBEP& s) { s.readSoftpotAllPoints(7, value, recorder, 20); },
         frame(0x20, {7, 3, 0})},
        {"autoTune", [&](EnhancedSBEP& s) { s.autoTune(7, value, recorder, 4); }, frame(0x1F, {7})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRadio radio{9};
        // A reply that echoes the request's first payload byte satisfies
        // every request that wants one.
        radio.respondAlways([](const Bytes& request) {
            const auto payload = sbep::framePayload(request);
            return ackWith(frame(0x8A, {payload.empty() ? Byte{0} : payload[0]}));
        });
        Win32CommunicationPort port{9, 9600, 0, 8, 0, 0};
        EnhancedSBEP sbep;
        sbep.setPort(&port);
        c.operation(sbep);
        EXPECT_EQ(radio.requests(), (std::vector<Bytes>{c.frame}));
    }
}

TEST(EnhancedSBEPCatalogue, SerialNumbersAreCutToTenCharacters) {
    const sbep::SBEPWriteSerialNoRequest request("0123456789XYZ");
    const auto payload = sbep::framePayload(request.frame());
    EXPECT_EQ(std::string(payload.begin() + 1, payload.end()), "0123456789");
}

} // namespace
