// Command-line options of the simulated radio.
#include "sim/simOptions.h"

#include <gtest/gtest.h>

using sim::optionError;
using sim::parseSimOptions;

TEST(simOptions, ParsesEveryOption) {
    const std::vector<std::string> args = {
        "--profile", "mobile",      "--link=/tmp/radio",    "--line-time",
        "--fault",   "nak:times=2", "--fault=pull:after=9", "--dump-on-exit",
        "state.json"};
    const auto config = parseSimOptions(args);
    EXPECT_EQ(config.profile, "mobile");
    EXPECT_EQ(config.linkPath, "/tmp/radio");
    EXPECT_TRUE(config.lineTime);
    ASSERT_EQ(config.faults.size(), 2u);
    EXPECT_EQ(config.faults[0].times, 2);
    EXPECT_EQ(config.faults[1].after, 9);
    EXPECT_EQ(config.dumpOnExit, "state.json");
    EXPECT_FALSE(config.help);
}

TEST(simOptions, Errors) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {"no profile", {"--line-time"}, "--profile NAME|FILE is required"},
        {"value missing", {"--profile"}, "--profile needs a value"},
        {"unknown option", {"--profile", "portable", "--colour"}, "unknown option --colour"},
        {"flag with a value", {"--profile", "portable", "--line-time=yes"}, "--line-time takes no value"},
        {"bad fault", {"--profile", "portable", "--fault", "nak:times=x"}, "--fault nak:times=x: times"},
    };
    for (const Case& c : cases) {
        try {
            parseSimOptions(c.args);
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const optionError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.name << ": " << e.what();
        }
    }
    EXPECT_TRUE(parseSimOptions(std::vector<std::string>{"--help"}).help);
}

TEST(simOptions, ConfigBuildsItsRadio) {
    const auto config =
        parseSimOptions(std::vector<std::string>{"--profile", "portable-legacy", "--fault", "nak"});
    const auto radio = sim::makeRadio(config);
    EXPECT_FALSE(radio->devicePath().empty());
    ASSERT_EQ(radio->faults().size(), 1u);
    EXPECT_EQ(radio->snapshot().radio.name, "portable-legacy");
}
