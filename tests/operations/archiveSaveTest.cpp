// Saving never costs the previous archive: a failure leaves it as it was.
#include "operations/archiveFormat.h"
#include "operations/archiveMessages.h"
#include "operations/fileModule.h"
#include "operations/replaceFile.h"

#include "archiveTestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::size_t entriesIn(const fs::path& dir) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

class ArchiveSave : public ::testing::Test {
protected:
    archivetest::scratchDirectory dir;
    fileModule files{[] { return 321; }};
    archivetest::recordingPresenter messages;
    const std::string old = "previous archive";
};

TEST_F(ArchiveSave, WritesTheArchiveAndReplacesAnOldOne) {
    const auto path = dir / "radio.sfp";
    archivetest::writeWhole(path, old);
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(files.save(path, archivetest::sampleImage(), messages));
    EXPECT_EQ(archivetest::readWhole(path), *encodeArchive(archivetest::sampleImage(), 321));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Tuning data has been saved.");
    EXPECT_EQ(messages.shown[0].caption, "NOTE");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(entriesIn(dir.path()), 1u); // no temporary file left
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(ArchiveSave, FailureKeepsTheOldFile) {
    struct Case {
        const char* name;
        std::function<fs::path(const fs::path&)> prepare; // returns the target
        bool needsNonRoot;
    };
    const Case cases[] = {
        {"directory missing", [](const fs::path& d) { return d / "no" / "such" / "radio.sfp"; }, false},
        {"target is a directory",
         [](const fs::path& d) {
             fs::create_directory(d / "folder.sfp");
             return d / "folder.sfp";
         },
         false},
        {"read-only directory",
         [this](const fs::path& d) {
             fs::create_directory(d / "ro");
             archivetest::writeWhole(d / "ro" / "radio.sfp", old);
             fs::permissions(d / "ro", fs::perms::owner_read | fs::perms::owner_exec);
             return d / "ro" / "radio.sfp";
         },
         true},
        {"value too large for the format",
         [this](const fs::path& d) {
             archivetest::writeWhole(d / "big.sfp", old);
             return d / "big.sfp";
         },
         false},
    };
    for (const auto& c : cases) {
        if (c.needsNonRoot && ::geteuid() == 0)
            continue; // root writes into read-only directories
        archivetest::scratchDirectory scratch;
        const auto target = c.prepare(scratch.path());
        auto image = archivetest::sampleImage();
        if (std::string(c.name) == "value too large for the format")
            image.setSoftpot(ROW_RSSI, 999999999, 0);
        const auto before = fs::is_regular_file(target) ? archivetest::readWhole(target) : std::string();
        const auto parent = target.parent_path();
        const auto entriesBefore = fs::exists(parent) ? entriesIn(parent) : 0;
        messages.shown.clear();
        EXPECT_FALSE(files.save(target, image, messages)) << c.name;
        ASSERT_EQ(messages.shown.size(), 1u) << c.name;
        EXPECT_EQ(messages.shown[0].text, "Archive File could not be saved!!") << c.name;
        EXPECT_EQ(messages.shown[0].caption, "ERROR") << c.name;
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation) << c.name;
        if (fs::is_regular_file(target)) {
            EXPECT_EQ(archivetest::readWhole(target), before) << c.name;
        }
        if (fs::exists(parent)) {
            EXPECT_EQ(entriesIn(parent), entriesBefore) << c.name;
        }
        std::error_code ignored;
        fs::permissions(parent, fs::perms::owner_all, ignored);
    }
}

TEST(ReplaceFile, ReportsWhy) {
    archivetest::scratchDirectory dir;
    std::error_code reason;
    EXPECT_FALSE(replaceFile(dir / "missing" / "x", "data", reason));
    EXPECT_EQ(reason, std::errc::no_such_file_or_directory);
    EXPECT_FALSE(replaceFile(dir.path() / "", "data", reason));
    EXPECT_TRUE(replaceFile(dir / "x", "data", reason));
    EXPECT_FALSE(reason);
    EXPECT_EQ(archivetest::readWhole(dir / "x"), "data");
}

} // namespace
