// veltra-cli as a technician runs it: the built program, its output and its
// exit status.
#include "operations/archiveFormat.h"

#include "archiveTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

const fs::path CLI = fs::path(VELTRA_BINARY_DIR) / "bin" / "veltra-cli";

struct runResult {
    int status = -1;
    std::string out;
    std::string err;
};

class Cli : public ::testing::Test {
protected:
    archivetest::scratchDirectory dir;

    void SetUp() override {
        if (!fs::exists(CLI))
            GTEST_SKIP() << CLI << " is not built";
        auto portable = archivetest::sampleImage();
        portable.setRadioType(1);
        portable.setModelNumber("T31S4NK1C7      ");
        portable.setReadStatus(34); // no HST, no PA voltage limit
        portable.clearSupported(FLAG_RATED_VOLUME);
        portable.setSoftpot(ROW_RADIO_INFO, 0, COL_RX_POINT_F1 + 6); // F7 receive point absent
        archivetest::writeWhole(dir / "portable.sfp", *encodeArchive(portable, 1234));
        archivetest::writeWhole(dir / "text.sfp", "COM Port Id :3\n ");
    }

    // Runs veltra-cli with the arguments (already quoted for the shell), with
    // no terminal on any side.
    runResult run(const std::string& arguments) {
        const auto out = dir / "stdout";
        const auto err = dir / "stderr";
        const std::string command = "'" + CLI.string() + "' " + arguments + " </dev/null >'" + out.string() +
                                    "' 2>'" + err.string() + "'";
        const int raw = std::system(command.c_str());
        runResult result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = archivetest::readWhole(out);
        result.err = archivetest::readWhole(err);
        return result;
    }
    std::string file(const std::string& name) { return "'" + (dir / name).string() + "'"; }
};

TEST_F(Cli, ShowPrintsIdentityPointsAndGroups) {
    const auto r = run("show " + file("portable.sfp"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    for (const char* expected : {
             "Serial number    : 123ABC7890\n", "Model number     : T31S4NK1C7",
             "Archive level    : 34 '\"'\n", "Radio type       : 1 (portable)\n",
             "Transmit points\n  F1  150.500000 MHz (code 100)\n",
             "  F7  UNSUPPORTED\n",                            // the absent receive point
             "\nHST deviation: UNSUPPORTED\n",                 // level 34
             "\nPA voltage limit: UNSUPPORTED\n",              // level 34
             "\nRated volume: UNSUPPORTED\n",                  // 4095 in the archive
             "\nTransmit power high:\n  F1  150.500000 MHz  ", // a point group with its frequencies
             "\nFront end filter:\n  F1  150.750000 MHz  ",    // receive groups use the receive points
         })
        EXPECT_NE(r.out.find(expected), std::string::npos) << expected << "\n---\n" << r.out;
}

TEST_F(Cli, ShowJson) {
    const auto r = run("show --json " + file("portable.sfp"));
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* expected : {
             "\"serialNumber\": \"123ABC7890\"",
             "\"radioType\": 1",
             "\"archiveLevel\": 34",
             "{\"name\": \"HST deviation\", \"supported\": false}",
             "{\"name\": \"Rated volume\", \"supported\": false}",
             "{\"point\": \"F1\", \"frequencyMHz\": 150.500000, \"value\": ",
             "{\"point\": \"F7\", \"frequencyMHz\": null, \"supported\": false}",
         })
        EXPECT_NE(r.out.find(expected), std::string::npos) << expected << "\n---\n" << r.out;
    int depth = 0;
    for (const char c : r.out) {
        depth += (c == '{' || c == '[') - (c == '}' || c == ']');
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
}

TEST_F(Cli, ExitStatusForUsageAndFileErrors) {
    fs::create_directory(dir / "folder.sfp");
    struct Case {
        const char* name;
        std::string arguments;
        int status;
        const char* onStderr;
    };
    const Case cases[] = {
        {"no command", "", 2, "Usage: veltra-cli COMMAND"},
        {"unknown command", "frobnicate", 2, "unknown command"},
        {"show without a file", "show", 2, "exactly one archive file"},
        {"show with two files", "show a.sfp b.sfp", 2, "exactly one archive file"},
        {"unknown option", "show --colour " + file("portable.sfp"), 2, "unknown option --colour"},
        {"missing file", "show " + file("none.sfp"), 3, "Archive File could not be opened!! (No such file"},
        {"directory", "show " + file("folder.sfp"), 3, "Archive File could not be opened!!"},
        {"not an archive", "show " + file("text.sfp"), 3, "Invalid file format!! File is not an *.SFP file"},
        {"port not a number", "read --port abc", 2, "--port needs a number"},
        {"port out of range", "read --port 0", 2, "--port needs a number"},
        {"port and device", "read --port 1 --device /dev/null", 2, "either --port or --device"},
        {"option without its value", "read --device", 2, "needs a value"},
        {"program without a file", "program", 2, "one archive file"},
        {"program a missing file", "program --yes " + file("none.sfp"), 3,
         "Archive File could not be opened!!"},
        {"device that does not exist", "read --device " + file("no-such-tty"), 4,
         "No such file or directory"},
        {"simulate with a bad option", "simulate --no-such-option", 2, ""},
    };
    for (const auto& c : cases) {
        const auto r = run(c.arguments);
        EXPECT_EQ(r.status, c.status) << c.name << "\n" << r.err;
        EXPECT_NE(r.err.find(c.onStderr), std::string::npos) << c.name << "\n" << r.err;
    }
}

TEST_F(Cli, EverySubcommandHasHelp) {
    for (const char* command : {"show", "read", "program", "simulate"}) {
        const auto r = run(std::string(command) + " --help");
        EXPECT_EQ(r.status, 0) << command;
        EXPECT_NE(r.out.find("Usage: veltra-cli " + std::string(command)), std::string::npos) << command;
        EXPECT_NE(r.out.find("Exit status:"), std::string::npos) << command;
    }
    const auto r = run("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("show"), std::string::npos);
}

} // namespace
