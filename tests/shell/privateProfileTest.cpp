#include "shell/privateProfile.h"
#include "shell/recentFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

class privateProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("veltra-profile-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        file = dir / "Veltra.ini";
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string content() const {
        std::ifstream in(file);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void write(const std::string& text) const { std::ofstream(file) << text; }

    std::filesystem::path dir;
    std::filesystem::path file;
};

} // namespace

TEST_F(privateProfileTest, MissingFileSectionOrKeyGivesTheFallback) {
    const privateProfile p(file);
    EXPECT_EQ(p.getString("MRU", "MRU0", "Default"), "Default");
    write("[Other]\nMRU0=x\n");
    EXPECT_EQ(p.getString("MRU", "MRU0", "Default"), "Default");
    write("[MRU]\nCount=4\n");
    EXPECT_EQ(p.getString("MRU", "MRU0", "Default"), "Default");
}

TEST_F(privateProfileTest, WriteReplacesTheKeyAndKeepsEverythingElse) {
    write("; kept comment\n[Window]\nx=1\n\n[mru]\ncount = 9\nMRU0=C:\\radio.sfp\n[Last]\ny=2\n");
    const privateProfile p(file);
    ASSERT_TRUE(p.writeString("MRU", "Count", "4"));
    EXPECT_EQ(content(),
              "; kept comment\n[Window]\nx=1\n\n[mru]\nCount=4\nMRU0=C:\\radio.sfp\n[Last]\ny=2\n");
    // Names compare without regard to case; values keep theirs.
    EXPECT_EQ(p.getString("Mru", "mru0", ""), "C:\\radio.sfp");
    EXPECT_EQ(p.getString("window", "X", ""), "1");
}

TEST_F(privateProfileTest, NewKeyGoesToTheEndOfItsSectionAndNewSectionToTheFile) {
    write("[MRU]\nCount=4\n\n[Other]\nz=3\n");
    const privateProfile p(file);
    ASSERT_TRUE(p.writeString("MRU", "MRU0", "/data/a.sfp"));
    ASSERT_TRUE(p.writeString("New", "k", "v"));
    EXPECT_EQ(content(), "[MRU]\nCount=4\nMRU0=/data/a.sfp\n\n[Other]\nz=3\n\n[New]\nk=v\n");
}

TEST_F(privateProfileTest, UnwritableFileIsReported) {
    const privateProfile p(dir / "no-such-dir" / "Veltra.ini");
    EXPECT_FALSE(p.writeString("MRU", "Count", "4"));
}

TEST_F(privateProfileTest, RecentFilesWriteTheCountAtEveryStartAndListOnlyEntries) {
    write("[MRU]\nCount=2\nMRU0=/a.sfp\nMRU1=Default\nMRU3=/d.sfp\n");
    const recentFilesList list(file, 4);
    EXPECT_TRUE(list.countWritten());
    EXPECT_EQ(privateProfile(file).getString("MRU", "Count", ""), "4");
    EXPECT_EQ(list.entries(), (std::vector<std::string>{"/a.sfp", "/d.sfp"}));
}
