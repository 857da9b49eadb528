// The Load and Save Archive File commands after their file dialog: the
// question, the resets after a failed load and the state flags.
#include "operations/archiveCommands.h"
#include "operations/archiveFormat.h"
#include "operations/archiveMessages.h"

#include "archiveTestSupport.h"

#include <gtest/gtest.h>

namespace {

class ArchiveCommands : public ::testing::Test {
protected:
    archivetest::scratchDirectory dir;
    fileModule files{[] { return 42; }};
    radioStorage image;
    ApplicationState state;
    archivetest::recordingPresenter messages;

    void SetUp() override {
        archivetest::writeWhole(dir / "good.sfp", *encodeArchive(archivetest::sampleImage(), 42));
        archivetest::writeWhole(dir / "bad.sfp", "not an archive");
        auto wrongType = *encodeArchive(archivetest::sampleImage(), 42);
        wrongType[32] = '5';
        archivetest::writeWhole(dir / "type.sfp", wrongType);
        // As after a read of another radio.
        image.setSerialNumber("9999999999");
        image.setUUID(std::string_view("0102030405060708"));
        state.radioRead = true;
        state.tuningAllowed = true;
    }
};

TEST_F(ArchiveCommands, CancelChangesNothing) {
    messages.answer = MessageAnswer::Cancel;
    const auto before = image;
    const auto outcome = loadArchiveFile(files, dir / "good.sfp", image, state, messages);
    EXPECT_FALSE(outcome.confirmed);
    EXPECT_FALSE(outcome.statusText);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].text, "Initialize radio data?");
    EXPECT_EQ(messages.asked[0].caption, "CONFIRMATION");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(archivetest::sameImage(image, before));
    EXPECT_TRUE(state.radioRead);
    EXPECT_FALSE(state.archiveLoaded);
}

TEST_F(ArchiveCommands, OutcomesOfAConfirmedLoad) {
    struct Case {
        const char* name;
        const char* file;
        bool archiveLoadedBefore;
        bool archiveLoaded;
        bool radioRead;
        bool tuningAllowed;
        const char* serial;
        const char* message;
    };
    const Case cases[] = {
        {"valid archive", "good.sfp", false, true, true, true, "123ABC7890", "Tuning data has been loaded."},
        {"not an archive", "bad.sfp", false, false, false, true, "NULL      ",
         "Invalid file format!! File is not an *.SFP file"},
        {"unknown tuning procedure", "type.sfp", false, false, false, false, "NULL      ",
         "Archive file contains invalid Tuning Procedure Version. All tuning operations blocked"},
        {"missing file, nothing loaded before", "none.sfp", false, false, false, true, "NULL      ",
         "Archive File could not be opened!!"},
        {"missing file after an earlier load", "none.sfp", true, true, true, true, "9999999999",
         "Archive File could not be opened!!"},
    };
    for (const auto& c : cases) {
        SetUp();
        state.archiveLoaded = c.archiveLoadedBefore;
        messages.shown.clear();
        const auto outcome = loadArchiveFile(files, dir / c.file, image, state, messages);
        EXPECT_TRUE(outcome.confirmed) << c.name;
        EXPECT_EQ(state.archiveLoaded, c.archiveLoaded) << c.name;
        EXPECT_EQ(state.radioRead, c.radioRead) << c.name;
        EXPECT_EQ(state.tuningAllowed, c.tuningAllowed) << c.name;
        EXPECT_EQ(image.getSerialNumber(), c.serial) << c.name;
        ASSERT_EQ(messages.shown.size(), 1u) << c.name;
        EXPECT_EQ(messages.shown[0].text, c.message) << c.name;
        // The UUID names a radio on the line, which an archive does not.
        EXPECT_EQ(image.getUUID(), radioStorage().getUUID()) << c.name;
        ASSERT_TRUE(outcome.statusText) << c.name;
        if (c.archiveLoaded) {
            EXPECT_EQ(*outcome.statusText, std::string("Radio Serial No :") + c.serial +
                                               std::string(95, ' ') +
                                               "Radio Model No: " + std::string(image.getModelNumber()))
                << c.name;
        } else {
            EXPECT_EQ(*outcome.statusText, "No archive file or radio is currently loaded or connected")
                << c.name;
            EXPECT_EQ(image.getModelNumber(), "NULL            ") << c.name;
        }
    }
}

TEST_F(ArchiveCommands, StartUpLoadAsksNothing) {
    state.radioRead = false;
    const auto outcome = loadArchiveOnStart(files, dir / "good.sfp", image, state, messages);
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(outcome.result, archiveLoadResult::Loaded);
    EXPECT_TRUE(state.archiveLoaded);
    EXPECT_EQ(image.getModelNumber(), "V42K7R3AM6      ");
}

TEST_F(ArchiveCommands, SaveLeavesTheFlagsAlone) {
    const auto before = state;
    EXPECT_TRUE(saveArchiveFile(files, dir / "saved.sfp", archivetest::sampleImage(), messages));
    EXPECT_EQ(state.radioRead, before.radioRead);
    EXPECT_EQ(state.archiveLoaded, before.archiveLoaded);
    EXPECT_EQ(messages.lastText(), "Tuning data has been saved.");
    EXPECT_FALSE(saveArchiveFile(files, dir / "none" / "saved.sfp", archivetest::sampleImage(), messages));
    EXPECT_EQ(messages.lastText(), "Archive File could not be saved!!");
}

} // namespace
