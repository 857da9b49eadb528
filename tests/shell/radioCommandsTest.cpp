// Read Radio, Program All and the archive commands through the main window,
// against the simulated radio.
#include "shellTestSupport.h"

#include "link/SerialPortMap.h"
#include "screens/tuningScreens.h"
#include "sim/simulatedRadio.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>

using namespace shelltest;

namespace {

class radioCommandsTest : public shellFixture {
protected:
    std::string status() const { return window()->statusFieldText().toStdString(); }
    std::string imageStatus() const {
        return statusFor(client()->image().getSerialNumber(), client()->image().getModelNumber());
    }
};

} // namespace

TEST_F(radioCommandsTest, ReadRadioFillsTheStatusBarAndOpensTheMenus) {
    ASSERT_EQ(startSimulated("portable"), 0);
    // While the read runs, no command can start and the window keeps working.
    bool checkedDuringRead = false;
    ui.onMessage = [&](const UserMessage& m) {
        if (m.text != "Radio has been successfully read !!")
            return;
        checkedDuringRead = true;
        EXPECT_TRUE(client()->busy());
        for (int id : {CM_LOAD_ARCHIVE, CM_READ_RADIO, CM_COMM_SETTINGS, CM_EXIT})
            EXPECT_FALSE(client()->isCommandEnabled(id)) << id;
    };
    EXPECT_FALSE(client()->isCommandEnabled(CM_SAVE_ARCHIVE));
    window()->action(CM_READ_RADIO)->trigger();
    EXPECT_TRUE(checkedDuringRead);
    EXPECT_FALSE(client()->busy());

    EXPECT_TRUE(shown("Radio has been successfully read !!"));
    const auto& image = client()->image();
    EXPECT_EQ(image.getSerialNumber().size(), 10u);
    EXPECT_NE(image.getSerialNumber(), "Invalid");
    EXPECT_EQ(status(), imageStatus());
    EXPECT_TRUE(app->state().radioRead);

    window()->updateCommands();
    for (int id : {CM_SAVE_ARCHIVE, CM_PROGRAM_ALL, CM_LOAD_ARCHIVE, CM_READ_RADIO})
        EXPECT_TRUE(window()->action(id)->isEnabled()) << id;
    EXPECT_TRUE(window()->menu(CM_TX_POWER_MENU)->menuAction()->isEnabled());
    EXPECT_TRUE(window()->menu(CM_VCO_MENU)->menuAction()->isEnabled());
    EXPECT_FALSE(window()->action(CM_KM_TUNING)->isEnabled()); // portable
    EXPECT_FALSE(window()->menu(CM_WINDOW_MENU)->menuAction()->isEnabled());

    saveScreenshot(*window(), "main-window-after-read.png");
    QMenu* tx = window()->menu(MENU_TX_ALIGN);
    tx->popup(window()->mapToGlobal(QPoint(110, 20)));
    QApplication::processEvents();
    saveScreenshot(*tx, "tx-align-menu-after-read.png");
    tx->hide();
}

TEST_F(radioCommandsTest, MobileReadOpensTheMobileProcedures) {
    ASSERT_EQ(startSimulated("mobile"), 0);
    client()->runCommand(CM_READ_RADIO);
    ASSERT_TRUE(shown("Radio has been successfully read !!"));
    EXPECT_EQ(client()->image().getRadioType(), 2);
    EXPECT_FALSE(client()->image().isSupported(FLAG_PA_BIAS_LOW));
    EXPECT_FALSE(client()->isCommandEnabled(CM_TX_POWER_MENU));
    EXPECT_FALSE(client()->isCommandEnabled(CM_BBO_UPDATE));
}

TEST_F(radioCommandsTest, FailedReadShowsInvalidAndClearsTheFlags) {
    writeComIni(1); // the fixture maps every port to a device that is not there
    ASSERT_EQ(startApp(), 0);
    app->state().archiveLoaded = true;
    client()->runCommand(CM_READ_RADIO);
    ASSERT_TRUE(
        shown("Read Radio Failed !! All softpot operational data is invalid !! Please re-read radio"));
    EXPECT_EQ(client()->image().getSerialNumber(), "Invalid");
    EXPECT_EQ(status(), statusFor("Invalid", client()->image().getModelNumber()));
    EXPECT_FALSE(app->state().radioRead);
    EXPECT_FALSE(app->state().archiveLoaded);
    EXPECT_FALSE(client()->isCommandEnabled(CM_SAVE_ARCHIVE));
}

TEST_F(radioCommandsTest, SaveThenLoadArchiveWithTheFileDialogs) {
    ASSERT_EQ(startSimulated("portable"), 0);
    client()->runCommand(CM_READ_RADIO);
    ASSERT_TRUE(app->state().radioRead);
    const std::string serial(client()->image().getSerialNumber());

    const auto archive = (dir / "radio.sfp").string();
    ui.files.push_back(archive);
    client()->runCommand(CM_SAVE_ARCHIVE);
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].filterName, "Veltra files (*.sfp)");
    EXPECT_EQ(ui.fileRequests[0].defaultExtension, "sfp");
    EXPECT_TRUE(shown("Tuning data has been saved."));

    // A cancelled dialog does nothing; a Cancel of the question leaves the image.
    ui.shown.clear();
    client()->runCommand(CM_LOAD_ARCHIVE);
    EXPECT_TRUE(ui.shown.empty());
    ui.files.push_back(archive);
    ui.answers.push_back(MessageAnswer::Cancel);
    client()->runCommand(CM_LOAD_ARCHIVE);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].message.text, "Initialize radio data?");
    EXPECT_FALSE(app->state().archiveLoaded);

    ui.files.push_back(archive);
    client()->runCommand(CM_LOAD_ARCHIVE);
    EXPECT_TRUE(shown("Tuning data has been loaded."));
    EXPECT_TRUE(app->state().archiveLoaded);
    EXPECT_EQ(client()->image().getSerialNumber(), serial);
    EXPECT_EQ(status(), imageStatus());
    const auto uuid = client()->image().getUUID();
    EXPECT_EQ(std::string(uuid.begin(), uuid.end()), "NULL            ");
}

TEST_F(radioCommandsTest, LoadOfAFileThatIsNoArchiveResetsTheIdentity) {
    writeComIni(1);
    ASSERT_EQ(startApp(), 0);
    std::ofstream(dir / "notes.sfp") << "just some text\n";
    ui.files.push_back((dir / "notes.sfp").string());
    client()->runCommand(CM_LOAD_ARCHIVE);
    EXPECT_TRUE(shown("Invalid file format!! File is not an *.SFP file"));
    EXPECT_FALSE(app->state().archiveLoaded);
    EXPECT_EQ(client()->image().getSerialNumber(), "NULL      ");
    EXPECT_EQ(status(), "No archive file or radio is currently loaded or connected");
}

TEST_F(radioCommandsTest, ProgramAllAsksThenWritesTheImage) {
    ASSERT_EQ(startSimulated("portable"), 0);
    client()->runCommand(CM_READ_RADIO);
    ASSERT_TRUE(app->state().radioRead);
    ui.shown.clear();
    ui.answers.push_back(MessageAnswer::Cancel);
    client()->runCommand(CM_PROGRAM_ALL);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].message.text, "Program Radio?");

    client()->runCommand(CM_PROGRAM_ALL);
    EXPECT_TRUE(shown("Radio successfully programmed!!"));
    EXPECT_TRUE(app->state().radioRead);
}

// A tuning screen of the screens directory through the registry: the shell
// hands it the image, state and presenter, wraps it with the row's caption,
// and the screen's own number guards the one-screen rule until it closes.
TEST_F(radioCommandsTest, TuningScreenOpensThroughTheRegistryAfterARead) {
    ASSERT_EQ(startSimulated("portable"), 0);
    client()->runCommand(CM_READ_RADIO);
    ASSERT_TRUE(app->state().radioRead);
    client()->registry().add(CM_REF_OSC_WARP, tuningScreen<TRefOscWarpWindow>());
    ASSERT_TRUE(client()->isCommandEnabled(CM_REF_OSC_WARP));
    const int resets = app->simulatedRadio()->resetCount();
    client()->runCommand(CM_REF_OSC_WARP);
    ASSERT_EQ(client()->subWindowList().size(), 1);
    EXPECT_EQ(client()->subWindowList().front()->windowTitle(), "Reference Oscillator Warp");
    EXPECT_EQ(app->state().openScreenId, 1);
    EXPECT_FALSE(client()->isCommandEnabled(CM_READ_RADIO));
    saveScreenshot(*window(), "main-window-with-tuning-screen.png");

    client()->subWindowList().front()->close();
    EXPECT_TRUE(processUntil([&] { return app->state().openScreenId == 0; }));
    EXPECT_TRUE(client()->subWindowList().isEmpty());
    EXPECT_GT(app->simulatedRadio()->resetCount(), resets); // the screen restored the radio
}
