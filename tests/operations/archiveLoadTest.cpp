// Loading what a user may hand us: damaged, cut short, foreign or missing
// files. Every case gives its message, reads nothing outside what was read
// from the file, and a damaged archive leaves the image as it was.
#include "operations/archiveFormat.h"
#include "operations/archiveMessages.h"
#include "operations/fileModule.h"

#include "archiveTestSupport.h"

#include <gtest/gtest.h>

#include <random>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using archivetest::sameImage;
using archivetest::sampleImage;

std::string validArchive(int key = 1234) {
    return *encodeArchive(sampleImage(), key);
}

// The image a load starts from; a case that must not touch it compares
// against a copy.
radioStorage startImage() {
    auto image = sampleImage(9);
    image.setSerialNumber("OLDSERIAL1");
    image.setReadStatus(35);
    return image;
}

TEST(ArchiveHostileInput, EveryTruncationIsRefusedWithoutChange) {
    const auto full = validArchive();
    for (std::size_t length = 0; length < full.size(); ++length) {
        auto image = startImage();
        const auto before = image;
        bool tuningAllowed = true;
        const auto result = fileModule::parse(full.substr(0, length), image, tuningAllowed);
        const auto expected = length < 6 ? archiveLoadResult::NotAnArchive : archiveLoadResult::Damaged;
        EXPECT_EQ(result, expected) << "length " << length;
        EXPECT_TRUE(sameImage(image, before)) << "length " << length;
        EXPECT_TRUE(tuningAllowed) << "length " << length;
    }
}

TEST(ArchiveHostileInput, MalformedNumbersAreRefusedWithoutChange) {
    const auto full = validArchive(7);
    const std::size_t numbers = 36; // key 7: "17" at 34..35
    struct Case {
        const char* name;
        std::string data;
    };
    // The last field (value + key, four digits here) announces nine characters.
    const auto last = std::to_string(sampleImage().getSoftpot(ROW_TX_POWER_MAX, 6) + 7);
    ASSERT_EQ(full.substr(full.size() - last.size() - 1, 1), std::to_string(last.size()));
    std::string overlong = full;
    overlong[full.size() - last.size() - 1] = '9';
    const Case cases[] = {
        {"zero length digit", full.substr(0, numbers) + "0" + full.substr(numbers + 1)},
        {"letter as length digit", full.substr(0, numbers) + "x" + full.substr(numbers + 1)},
        {"letter inside a number", full.substr(0, numbers + 2) + "Q" + full.substr(numbers + 3)},
        {"blank inside a number", full.substr(0, numbers + 2) + " " + full.substr(numbers + 3)},
        {"lone minus sign", full.substr(0, numbers) + "1-" + full.substr(numbers + 6)},
        {"minus inside a number", full.substr(0, numbers + 2) + "-" + full.substr(numbers + 3)},
        {"last field runs past the end", overlong},
        {"key digit count 0", full.substr(0, 34) + "0" + full.substr(35)},
        {"key digit count 6", full.substr(0, 34) + "6" + full.substr(35)},
        {"key digit count not a digit", full.substr(0, 34) + "a" + full.substr(35)},
        {"key not a number", full.substr(0, 35) + "z" + full.substr(36)},
        {"negative key", full.substr(0, 34) + "2-7" + full.substr(36)},
        {"one field short", full.substr(0, full.size() - 6)},
        {"header only", full.substr(0, 36)},
    };
    for (const auto& c : cases) {
        auto image = startImage();
        const auto before = image;
        bool tuningAllowed = true;
        EXPECT_EQ(fileModule::parse(c.data, image, tuningAllowed), archiveLoadResult::Damaged) << c.name;
        EXPECT_TRUE(sameImage(image, before)) << c.name;
    }
}

TEST(ArchiveHostileInput, RandomGarbageNeverLoadsAndNeverCrashes) {
    std::mt19937 random(42);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 300; ++round) {
        const std::size_t length = static_cast<std::size_t>(round * 7 % 2100);
        std::string data(length, '\0');
        for (auto& c : data)
            c = static_cast<char>(byte(random));
        if (round % 2 && data.size() >= 6)
            data.replace(0, 6, ":ZEBAK");
        radioStorage image;
        bool tuningAllowed = true;
        EXPECT_NE(fileModule::parse(data, image, tuningAllowed), archiveLoadResult::Loaded) << round;
    }
}

TEST(ArchiveHostileInput, HeaderChecksComeInTheirOrder) {
    auto withLevel = [](std::uint8_t level) {
        auto image = sampleImage();
        image.setReadStatus(level);
        return *encodeArchive(image, 3);
    };
    auto withType = [](char type) {
        auto text = *encodeArchive(sampleImage(), 3);
        text[32] = type;
        return text;
    };
    struct Case {
        const char* name;
        std::string data;
        archiveLoadResult result;
        bool textsReplaced;
        bool levelAndTypeStored;
        bool tuningAllowed;
    };
    const Case cases[] = {
        {"empty", "", archiveLoadResult::NotAnArchive, false, false, true},
        {"another file", "COM Port Id :3\n ", archiveLoadResult::NotAnArchive, false, false, true},
        {"marker after blanks", ":  ZEBAK", archiveLoadResult::Damaged, false, false, true},
        {"level 32", withLevel(32), archiveLoadResult::Incompatible, true, false, true},
        {"level 0", withLevel(0), archiveLoadResult::Incompatible, true, false, true},
        {"radio type 3", withType('3'), archiveLoadResult::InvalidTuningVersion, true, true, false},
        {"radio type 0", withType('0'), archiveLoadResult::InvalidTuningVersion, true, true, false},
        {"radio type not a digit", withType('x'), archiveLoadResult::InvalidTuningVersion, true, true, false},
        {"radio type 1", withType('1'), archiveLoadResult::Loaded, true, true, true},
    };
    for (const auto& c : cases) {
        radioStorage image;
        image.setReadStatus(99);
        bool tuningAllowed = true;
        EXPECT_EQ(fileModule::parse(c.data, image, tuningAllowed), c.result) << c.name;
        EXPECT_EQ(image.getSerialNumber() == "123ABC7890", c.textsReplaced) << c.name;
        EXPECT_EQ(image.getReadStatus() != 99, c.levelAndTypeStored) << c.name;
        EXPECT_EQ(tuningAllowed, c.tuningAllowed) << c.name;
        if (c.levelAndTypeStored) {
            EXPECT_EQ(image.getRadioType(), c.data[32] - '0') << c.name;
        }
    }
}

class ArchiveFileLoad : public ::testing::Test {
protected:
    archivetest::scratchDirectory dir;
    fileModule files{[] { return 500; }};
    radioStorage image = startImage();
    ApplicationState state;
    archivetest::recordingPresenter messages;

    archiveLoadResult load(const std::filesystem::path& path) {
        return files.load(path, image, state, messages);
    }
};

TEST_F(ArchiveFileLoad, EachOutcomeShowsItsMessageAndSetsArchiveLoaded) {
    archivetest::writeWhole(dir / "good.sfp", validArchive());
    archivetest::writeWhole(dir / "empty.sfp", "");
    archivetest::writeWhole(dir / "cut.sfp", validArchive().substr(0, 300));
    auto wrongType = validArchive();
    wrongType[32] = '7';
    archivetest::writeWhole(dir / "type.sfp", wrongType);
    // Only the first 2000 bytes count; what follows a complete archive is never read.
    archivetest::writeWhole(dir / "long.sfp", validArchive() + std::string(100000, 'x'));
    std::filesystem::create_directory(dir / "folder.sfp");
    ASSERT_EQ(::mkfifo((dir / "pipe.sfp").c_str(), 0600), 0);

    struct Case {
        const char* name;
        const char* file;
        bool loadedBefore;
        archiveLoadResult result;
        const UserMessage* message;
        bool loadedAfter;
    };
    const Case cases[] = {
        {"valid archive", "good.sfp", false, archiveLoadResult::Loaded, &archiveMessages::LOADED, true},
        {"longer than 2000 bytes", "long.sfp", false, archiveLoadResult::Loaded, &archiveMessages::LOADED,
         true},
        {"empty file", "empty.sfp", true, archiveLoadResult::NotAnArchive, &archiveMessages::NOT_AN_ARCHIVE,
         false},
        {"cut short", "cut.sfp", true, archiveLoadResult::Damaged, &archiveMessages::DAMAGED, false},
        {"wrong radio type", "type.sfp", true, archiveLoadResult::InvalidTuningVersion,
         &archiveMessages::INVALID_TUNING_VERSION, false},
        {"missing file keeps the flag", "none.sfp", true, archiveLoadResult::OpenFailed,
         &archiveMessages::OPEN_FAILED, true},
        {"missing file keeps a clear flag", "none.sfp", false, archiveLoadResult::OpenFailed,
         &archiveMessages::OPEN_FAILED, false},
        {"directory", "folder.sfp", true, archiveLoadResult::OpenFailed, &archiveMessages::OPEN_FAILED, true},
        {"named pipe without a writer", "pipe.sfp", false, archiveLoadResult::OpenFailed,
         &archiveMessages::OPEN_FAILED, false},
    };
    for (const auto& c : cases) {
        state.archiveLoaded = c.loadedBefore;
        messages.shown.clear();
        EXPECT_EQ(load(dir / c.file), c.result) << c.name;
        ASSERT_EQ(messages.shown.size(), 1u) << c.name;
        EXPECT_EQ(messages.shown[0].text, c.message->text) << c.name;
        EXPECT_EQ(messages.shown[0].caption, c.message->caption) << c.name;
        EXPECT_EQ(messages.shown[0].icon, c.message->icon) << c.name;
        EXPECT_EQ(state.archiveLoaded, c.loadedAfter) << c.name;
    }
}

TEST_F(ArchiveFileLoad, ReadReportsTheSystemReason) {
    bool tuningAllowed = true;
    std::error_code reason;
    EXPECT_EQ(files.read(dir / "missing.sfp", image, tuningAllowed, reason), archiveLoadResult::OpenFailed);
    EXPECT_EQ(reason, std::errc::no_such_file_or_directory);
    EXPECT_EQ(files.read(dir.path(), image, tuningAllowed, reason), archiveLoadResult::OpenFailed);
    EXPECT_EQ(reason, std::errc::is_a_directory);
}

TEST(ArchiveMessages, TextsAndCaptions) {
    struct Case {
        archiveLoadResult result;
        const char* text;
        const char* caption;
    };
    const Case cases[] = {
        {archiveLoadResult::Loaded, "Tuning data has been loaded.", "NOTE"},
        {archiveLoadResult::OpenFailed, "Archive File could not be opened!!", "ERROR"},
        {archiveLoadResult::NotAnArchive, "Invalid file format!! File is not an *.SFP file", "ERROR"},
        {archiveLoadResult::Incompatible,
         "Softpot archive file is incompatible with current version of the Veltra", "ERROR"},
        {archiveLoadResult::InvalidTuningVersion,
         "Archive file contains invalid Tuning Procedure Version. All tuning operations blocked", "NOTE"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(archiveLoadMessage(c.result).text, c.text);
        EXPECT_EQ(archiveLoadMessage(c.result).caption, c.caption);
    }
}

} // namespace
