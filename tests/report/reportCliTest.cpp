// veltra-cli report as a technician runs it: the built program, the files it
// writes and its exit status.
#include "operations/fileModule.h"
#include "report/previewFileModule.h"
#include "reportImages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

const fs::path CLI = fs::path(VELTRA_BINARY_DIR) / "bin" / "veltra-cli";

std::string readWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class ReportCli : public testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(CLI))
            GTEST_SKIP() << CLI << " is not built";
        dir = fs::temp_directory_path() /
              ("veltra-report-cli-" +
               std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        radioStorage image;
        reportImages::mobileGroupF(image);
        image.setReadStatus(35); // an archive of a complete read
        fileModule files;
        std::error_code reason;
        ASSERT_TRUE(files.write(dir / "mobile.sfp", image, reason)) << reason.message();
        // The report of the archive as Load Archive File leaves the image.
        radioStorage loaded;
        bool tuningAllowed = true;
        ASSERT_EQ(files.read(dir / "mobile.sfp", loaded, tuningAllowed, reason), archiveLoadResult::Loaded);
        expected = previewFileModule(loaded).reportText();
        std::ofstream(dir / "text.sfp") << "COM Port Id :3\n ";
    }
    void TearDown() override { fs::remove_all(dir); }

    // Runs "veltra-cli report ARGUMENTS" in the scratch directory, no terminal on any side.
    int run(const std::string& arguments) {
        const std::string command = "cd '" + dir.string() + "' && '" + CLI.string() + "' report " +
                                    arguments + " </dev/null >stdout 2>stderr";
        const int raw = std::system(command.c_str());
        out = readWhole(dir / "stdout");
        err = readWhole(dir / "stderr");
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }

    fs::path dir;
    std::string expected;
    std::string out;
    std::string err;
};

TEST_F(ReportCli, WritesDisplayTxtInTheCurrentDirectory) {
    std::ofstream(dir / REPORT_FILE_NAME) << std::string(50000, 'x');
    ASSERT_EQ(run("mobile.sfp"), 0) << err;
    EXPECT_EQ(readWhole(dir / REPORT_FILE_NAME), expected);
    EXPECT_EQ(out, "Softpot report written to display.txt\n");
}

TEST_F(ReportCli, OutputOptionAndStandardOutput) {
    ASSERT_EQ(run("mobile.sfp -o other.txt"), 0) << err;
    EXPECT_EQ(readWhole(dir / "other.txt"), expected);
    EXPECT_FALSE(fs::exists(dir / REPORT_FILE_NAME));
    ASSERT_EQ(run("--output=-  mobile.sfp"), 0) << err;
    EXPECT_EQ(out, expected);
}

TEST_F(ReportCli, PdfBesideTheText) {
    const int status = run("mobile.sfp --pdf report.pdf");
    if (status == 2 && err.find("built without Qt") != std::string::npos)
        GTEST_SKIP() << err;
    ASSERT_EQ(status, 0) << err;
    EXPECT_EQ(readWhole(dir / "report.pdf").substr(0, 5), "%PDF-");
    EXPECT_EQ(readWhole(dir / REPORT_FILE_NAME), expected);
    EXPECT_NE(out.find("written to report.pdf"), std::string::npos) << out;
}

struct FailureCase {
    const char* name;
    const char* arguments;
    int status;
    const char* errorText;
};

class ReportCliFailure : public ReportCli, public testing::WithParamInterface<FailureCase> {};

TEST_P(ReportCliFailure, ExitsWithTheCodeAndWritesNothing) {
    EXPECT_EQ(run(GetParam().arguments), GetParam().status);
    EXPECT_NE(err.find(GetParam().errorText), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(dir / REPORT_FILE_NAME));
}

INSTANTIATE_TEST_SUITE_P(
    Report, ReportCliFailure,
    testing::Values(FailureCase{"NoArchive", "", 2, "exactly one archive"},
                    FailureCase{"NotAnArchive", "text.sfp", 3, "text.sfp"},
                    FailureCase{"MissingArchive", "none.sfp", 3, "none.sfp"},
                    FailureCase{"OutputDirectoryMissing", "mobile.sfp -o missing/display.txt", 3,
                                "could not be written"},
                    FailureCase{"UnknownOption", "mobile.sfp --colour", 2, "unknown option"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
