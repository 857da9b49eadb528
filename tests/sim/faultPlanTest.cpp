// Fault texts and when faults fire.
#include "sim/faultPlan.h"

#include <gtest/gtest.h>

#include <stdexcept>

using sim::faultKind;
using sim::faultPlan;
using sim::faultSpec;

namespace {

const sbep::Bytes SERIAL{0xF2, 0x23, 0x01, 0xE9};
const sbep::Bytes DTMF_READ = sbep::buildFrame(0x20, sbep::Bytes{14, 0, 0});
const sbep::Bytes POWER_READ = sbep::buildFrame(0x20, sbep::Bytes{0, 3, 0});

} // namespace

TEST(faultSpec, Parses) {
    struct Case {
        const char* text;
        faultKind kind;
        int after;
        int times;
        int opcode;
        std::size_t types;
        int delayMs;
    };
    const Case cases[] = {
        {"nak", faultKind::NAK, 0, 1, -1, 0, 0},
        {"silence:times=always", faultKind::SILENCE, 0, 0, -1, 0, 0},
        {"bad-checksum:after=3,times=2", faultKind::BAD_CHECKSUM, 3, 2, -1, 0, 0},
        {"wrong-length:opcode=0x23", faultKind::WRONG_LENGTH, 0, 1, 0x23, 0, 0},
        {"unsupported:types=3+4/7,times=always", faultKind::UNSUPPORTED, 0, 0, -1, 3, 0},
        {"lost-echo:times=once", faultKind::LOST_ECHO, 0, 1, -1, 0, 0},
        {"delay:ms=300", faultKind::DELAY, 0, 1, -1, 0, 300},
        {"pull:after=10", faultKind::PULL, 10, 1, -1, 0, 0},
        {"unplug", faultKind::UNPLUG, 0, 1, -1, 0, 0},
    };
    for (const Case& c : cases) {
        const faultSpec f = faultSpec::parse(c.text);
        EXPECT_EQ(f.kind, c.kind) << c.text;
        EXPECT_EQ(f.after, c.after) << c.text;
        EXPECT_EQ(f.times, c.times) << c.text;
        EXPECT_EQ(f.opcode, c.opcode) << c.text;
        EXPECT_EQ(f.types.size(), c.types) << c.text;
        EXPECT_EQ(f.delayMs, c.delayMs) << c.text;
        EXPECT_EQ(faultSpec::parse(f.toText()).toText(), f.toText()) << c.text;
    }
    for (const char* bad : {"explode", "nak:after", "nak:after=-1", "nak:times=0", "nak:colour=red",
                            "unsupported:types=3+x", "nak:opcode=300"}) {
        EXPECT_THROW(faultSpec::parse(bad), std::invalid_argument) << bad;
    }
}

TEST(faultPlan, FiresAfterItsCountAndForItsTimes) {
    faultPlan plan;
    plan.add(faultSpec::parse("nak:after=1,times=2"));
    std::vector<bool> naks;
    for (int i = 0; i < 5; ++i) {
        naks.push_back(plan.apply(SERIAL).nak);
    }
    EXPECT_EQ(naks, (std::vector<bool>{false, true, true, false, false}));
    EXPECT_EQ(plan.entries()[0].fired, 2);
}

TEST(faultPlan, FiltersByOpcodeAndSoftpotType) {
    faultPlan plan;
    plan.add(faultSpec::parse("unsupported:types=14,times=always"));
    plan.add(faultSpec::parse("silence:opcode=0x23"));
    EXPECT_FALSE(plan.apply(POWER_READ).unsupported);
    EXPECT_TRUE(plan.apply(DTMF_READ).unsupported);
    EXPECT_TRUE(plan.apply(DTMF_READ).unsupported);
    EXPECT_FALSE(plan.apply(DTMF_READ).silence);
    EXPECT_TRUE(plan.apply(SERIAL).silence);
    EXPECT_FALSE(plan.apply(SERIAL).silence);
}

TEST(faultPlan, LostEchoIsAnnouncedWhileItCanStillFire) {
    faultPlan plan;
    EXPECT_FALSE(plan.lostEchoPossible());
    plan.add(faultSpec::parse("lost-echo"));
    EXPECT_TRUE(plan.lostEchoPossible());
    EXPECT_TRUE(plan.apply(SERIAL).lostEcho);
    EXPECT_FALSE(plan.lostEchoPossible());
}
