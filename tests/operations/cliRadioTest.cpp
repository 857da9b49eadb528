// veltra-cli read and program against the simulated radio on a
// pseudo-terminal, through the real serial code.
#include "operations/archiveFormat.h"
#include "sim/radioProfile.h"
#include "sim/simulatedRadio.h"

#include "archiveTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
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

class CliRadio : public ::testing::Test {
protected:
    archivetest::scratchDirectory dir;
    std::unique_ptr<sim::simulatedRadio> radio;

    void SetUp() override {
        if (!fs::exists(CLI))
            GTEST_SKIP() << CLI << " is not built";
        radio = std::make_unique<sim::simulatedRadio>(sim::radioProfile::builtIn("portable"));
        radio->start();
    }
    void TearDown() override {
        if (radio)
            radio->stop();
    }

    runResult run(const std::string& arguments) {
        const auto out = dir / "stdout";
        const auto err = dir / "stderr";
        const std::string command = "'" + CLI.string() + "' " + arguments + " </dev/null >'" + out.string() +
                                    "' 2>'" + err.string() + "'";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, archivetest::readWhole(out),
                archivetest::readWhole(err)};
    }
    std::string device() const { return "--device '" + radio->devicePath() + "'"; }
    std::string file(const std::string& name) const { return "'" + (dir / name).string() + "'"; }
};

TEST_F(CliRadio, ReadSavesAnArchiveThatProgramsTheSameRadio) {
    auto r = run("read " + device() + " --save " + file("radio.sfp") + " --trace " + file("trace.txt"));
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    // No terminal: one plain line per progress step, then identity and outcome.
    EXPECT_EQ(r.out.rfind("5% Complete\n10% Complete\n", 0), 0u) << r.out;
    const auto identity = r.out.find("Serial number    : ");
    const auto outcome = r.out.find("NOTE: Radio has been successfully read !!\n");
    ASSERT_NE(identity, std::string::npos) << r.out;
    ASSERT_NE(outcome, std::string::npos) << r.out;
    EXPECT_LT(identity, outcome);
    for (const char* line : {"Model number     : ", "UUID             : ", "Regional ID      : ",
                             "IC version       : ", "Radio type       : "})
        EXPECT_NE(r.out.find(line), std::string::npos) << line;
    EXPECT_NE(r.out.find("NOTE: Tuning data has been saved.\n"), std::string::npos);
    EXPECT_NE(archivetest::readWhole(dir / "trace.txt").find(" TX "), std::string::npos);

    r = run("show " + file("radio.sfp"));
    EXPECT_EQ(r.status, 0) << r.err;

    r = run("program --yes " + device() + " " + file("radio.sfp"));
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("NOTE: Radio successfully programmed!!"), std::string::npos) << r.out;
}

TEST_F(CliRadio, ProgramRefusesAnotherRadiosArchiveAndAsksFirst) {
    auto other = archivetest::sampleImage();
    other.setRadioType(1);
    other.setSerialNumber("0000000000");
    archivetest::writeWhole(dir / "other.sfp", *encodeArchive(other, 17));

    auto r = run("program --yes " + device() + " " + file("other.sfp"));
    EXPECT_EQ(r.status, 5) << r.out << r.err;
    EXPECT_NE(r.err.find("Serial No. Mismatch !! Program radio aborted"), std::string::npos) << r.err;

    // Without --yes and without a terminal the question is refused: nothing sent.
    const auto requestsBefore = radio->receivedRequests().size();
    r = run("program " + device() + " " + file("other.sfp"));
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.err.find("Program Radio?"), std::string::npos) << r.err;
    EXPECT_EQ(radio->receivedRequests().size(), requestsBefore);
}

} // namespace
