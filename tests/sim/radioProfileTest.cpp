// Profiles: the shipped ones, the file format and its errors.
#include "sim/radioProfile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using sim::profileError;
using sim::radioProfile;

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

} // namespace

TEST(radioProfile, BuiltInCopiesEqualTheShippedFiles) {
    for (const auto& name : radioProfile::builtInNames()) {
        const std::string path = std::string(VELTRA_SOURCE_DIR) + "/sim/profiles/" + name + ".profile";
        EXPECT_EQ(radioProfile::builtInText(name), readFile(path))
            << name << ": run sim/profiles/embed.py after changing the file";
    }
}

TEST(radioProfile, ShippedProfilesDescribeTheirRadios) {
    const radioProfile portable = radioProfile::builtIn("portable");
    EXPECT_EQ(portable.serial, "752TKL0412");
    EXPECT_EQ(portable.model.size(), 16u);
    EXPECT_TRUE(portable.allPointsRead);
    EXPECT_EQ(portable.radioType, 1);
    EXPECT_EQ(portable.memory[2], 30);
    EXPECT_EQ(portable.softpots.at(0)[1][6], 45u);
    EXPECT_EQ(portable.softpots.at(25)[0][0], 0x766450u);

    // The older radio extends the portable one and takes some of it back.
    const radioProfile legacy = radioProfile::builtIn("portable-legacy");
    EXPECT_EQ(legacy.name, "portable-legacy");
    EXPECT_FALSE(legacy.allPointsRead);
    EXPECT_FALSE(legacy.allPointsWrite);
    EXPECT_EQ(legacy.txPoints[5], 0);
    EXPECT_EQ(legacy.rxPoints[6], 0);
    EXPECT_TRUE(legacy.unsupportedRequests.count(0x28));
    EXPECT_FALSE(legacy.autoTune.count(7));
    EXPECT_EQ(legacy.softpots.at(11)[0][0], 268u) << "inherited";

    const radioProfile mobile = radioProfile::builtIn("mobile");
    EXPECT_EQ(mobile.radioType, 2);
    EXPECT_EQ(mobile.softpots.at(17)[0][0], 0x5A40u);
    EXPECT_EQ(mobile.batteryDefault, 108);
}

TEST(radioProfile, TextRoundTrip) {
    for (const auto& name : radioProfile::builtInNames()) {
        const radioProfile p = radioProfile::builtIn(name);
        const radioProfile again = radioProfile::parse(p.toText(), "dump");
        EXPECT_EQ(again.toText(), p.toText()) << name;
        EXPECT_EQ(again.softpots, p.softpots) << name;
        EXPECT_EQ(again.memory, p.memory) << name;
        EXPECT_EQ(again.uuid, p.uuid) << name;
    }
}

TEST(radioProfile, ParsesTheFormat) {
    const radioProfile p = radioProfile::parse(R"(# a test radio
name = bench
serial = "AB#12"            # quoted text keeps '#' and is padded
model = T31S4NK1C7
uuid = 0102030405060708-090A0B0C0D0E0F10
tx_points = 1 2 3 4 5 6 0x7
softpot 2.2 = 1 2 3 4 5 6 7
softpot 11 = 0x01 0x2C
softpot 1 = 0x0AFF007C
memory 0x0300 = 4 0x10 255
fault = nak:after=2,times=3
)",
                                               "test");
    EXPECT_EQ(p.name, "bench");
    EXPECT_EQ(p.serial, "AB#12     ");
    EXPECT_EQ(p.model, "T31S4NK1C7      ");
    EXPECT_EQ(p.uuid[15], 0x10);
    EXPECT_EQ(p.txPoints[6], 7);
    EXPECT_EQ(p.softpots.at(2)[2][6], 7u);
    EXPECT_EQ(p.softpots.at(11)[0][0], 300u);
    EXPECT_EQ(p.softpots.at(1)[0][0], 0x0AFF007Cu);
    EXPECT_EQ(p.memory[0x302], 255);
    ASSERT_EQ(p.faults.size(), 1u);
    EXPECT_EQ(p.faults[0].times, 3);
}

TEST(radioProfile, MalformedLinesNameTheLineAndTheProblem) {
    struct Case {
        const char* name;
        const char* text;
        const char* message; // part of the error text
    };
    const Case cases[] = {
        {"no equals sign", "name = x\nserial 1234", "p:2: expected \"key = value\""},
        {"unknown key", "colour = blue", "p:1: unknown key \"colour\""},
        {"too few points", "tx_points = 1 2 3", "p:1: tx_points needs 7 values, found 3"},
        {"point code too big", "rx_points = 1 2 3 4 5 6 70000", "above 65535"},
        {"not a number", "radio_type = two", "\"two\" is not a number"},
        {"serial too long", "serial = \"12345678901\"", "longer than 10 characters"},
        {"open quote", "model = \"T31", "closing quote is missing"},
        {"unknown softpot type", "softpot 9 = 1", "softpot type 9 is not one the radio knows"},
        {"bank the type lacks", "softpot 3.1 = 1 2 3 4 5 6 7", "has 1 bank"},
        {"value too big for the type", "softpot 14 = 300", "above 255"},
        {"bad uuid", "uuid = 1234", "32 hexadecimal digits"},
        {"memory past the end", "memory 0xFFFF = 1 2", "past the end"},
        {"bad fault", "fault = explode", "unknown fault \"explode\""},
        {"unknown base profile", "extends = nothing", "no built-in profile \"nothing\""},
        {"yes or no", "all_points_read = maybe", "must be yes or no"},
    };
    for (const Case& c : cases) {
        try {
            radioProfile::parse(c.text, "p");
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const profileError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.name << ": " << e.what();
        }
    }
}

TEST(radioProfile, LoadByNameOrFile) {
    EXPECT_EQ(radioProfile::load("mobile").name, "mobile");
    const std::string path = std::string(VELTRA_SOURCE_DIR) + "/sim/profiles/portable-legacy.profile";
    EXPECT_EQ(radioProfile::load(path).name, "portable-legacy");
    EXPECT_THROW(radioProfile::load("/no/such/file.profile"), profileError);
    EXPECT_THROW(radioProfile::builtIn("nothing"), profileError);
}
