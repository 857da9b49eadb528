// Start-up and shut-down of the application: com.ini and its dialog, the
// recent-files count, the archive named on the command line, the reset of the
// radio at the end.
#include "shellTestSupport.h"

#include "model/radioStorage.h"
#include "operations/fileModule.h"
#include "shell/TCommSetupDialog.h"
#include "sim/simulatedRadio.h"

#include <QCheckBox>
#include <QPushButton>

using namespace shelltest;

namespace {

using startupTest = shellFixture;

// Works the COM port dialog the way the case says and reports its first status line.
struct comDialogScript {
    int tick = 0; // 0: none
    bool apply = true;
    QString firstStatus;
    int runs = 0;
    int operator()(QDialog& d) {
        auto* dialog = dynamic_cast<TCommSetupDialog*>(&d);
        EXPECT_NE(dialog, nullptr);
        if (!dialog)
            return 0;
        ++runs;
        firstStatus = dialog->statusText();
        if (tick)
            dialog->portBox(tick)->click();
        (apply ? dialog->applyButton() : dialog->cancelButton())->click();
        return dialog->result();
    }
};

} // namespace

TEST_F(startupTest, WithoutComIniTheDialogComesFirstAndApplyWritesThePort) {
    struct Case {
        const char* name;
        int tick;
        bool apply;
        int status;
        const char* comIni; // nullptr: no file
    };
    const Case cases[] = {
        {"COM 3 and Apply", 3, true, 0, "COM Port Id :3\n "},
        {"Apply without a tick writes -1 and starts", 0, true, 0, "COM Port Id :-1\n "},
        {"Cancel ends the program", 2, false, TVeltraApp::EXIT_COM_INI_MISSING, nullptr},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(dir / "com.ini");
        ui.shown.clear();
        comDialogScript script;
        script.tick = c.tick;
        script.apply = c.apply;
        ui.onDialog = std::ref(script);
        EXPECT_EQ(startApp(), c.status) << c.name;
        EXPECT_EQ(script.runs, 1) << c.name;
        EXPECT_EQ(script.firstStatus, "COM Port profile is not currently configured") << c.name;
        if (c.comIni) {
            EXPECT_EQ(readFile(dir / "com.ini"), c.comIni) << c.name;
            EXPECT_TRUE(ui.shown.empty()) << c.name;
        } else {
            EXPECT_FALSE(std::filesystem::exists(dir / "com.ini")) << c.name;
            ASSERT_EQ(ui.shown.size(), 1u) << c.name;
            EXPECT_EQ(ui.shown[0].message.text, "COM.INI could not be created. Exiting Application");
            EXPECT_EQ(ui.shown[0].message.caption, "COM PORT INITIALIZATION ERROR");
            EXPECT_EQ(app->mainWindow(), nullptr);
        }
        app.reset();
    }
}

TEST_F(startupTest, ExistingComIniOpensNoDialogAndEveryStartWritesTheRecentFilesCount) {
    writeComIni(2);
    std::ofstream(dir / "Veltra.ini") << "[MRU]\nCount=1\nMRU0=/old.sfp\n";
    ui.onDialog = [](QDialog&) {
        ADD_FAILURE() << "no dialog expected";
        return 0;
    };
    ASSERT_EQ(startApp(), 0);
    EXPECT_EQ(readFile(dir / "Veltra.ini"), "[MRU]\nCount=4\nMRU0=/old.sfp\n");
    EXPECT_EQ(window()->windowTitle(), "Veltra for Kestrel and Entry Level Kestrel radios");
    EXPECT_EQ(window()->statusFieldText(), "No archive file or radio is currently loaded or connected");
    EXPECT_TRUE(app->state().tuningAllowed);
}

TEST_F(startupTest, ArchiveNamedOnTheCommandLineIsLoadedBeforeTheUserActs) {
    writeComIni(1);
    radioStorage image;
    image.setSerialNumber("7788990011");
    image.setModelNumber("T31S4NK1C7      ");
    image.setRadioType(1);
    image.setReadStatus(35);
    image.setSoftpot(ROW_RADIO_INFO, 100, 0);
    image.setSoftpot(ROW_RADIO_INFO, 100, 14);
    std::error_code reason;
    fileModule files;
    ASSERT_TRUE(files.write(dir / "start up.sfp", image, reason)) << reason.message();

    // Arguments are joined with one blank, so a path with a blank works unquoted.
    auto options = parseVeltraArguments({QString::fromStdString((dir / "start").string()), "up.sfp"});
    ASSERT_TRUE(options.loadOnStart);
    ASSERT_EQ(startApp(options), 0);
    EXPECT_TRUE(shown("Tuning data has been loaded."));
    EXPECT_TRUE(app->state().archiveLoaded);
    EXPECT_EQ(window()->statusFieldText(),
              QString::fromStdString(statusFor("7788990011", client()->image().getModelNumber())));
    EXPECT_TRUE(client()->isCommandEnabled(CM_PROGRAM_ALL));
}

TEST_F(startupTest, FailedStartUpLoadLeavesTheStatusTextAtItsStartValue) {
    writeComIni(1);
    ASSERT_EQ(startApp(parseVeltraArguments({QString::fromStdString((dir / "missing.sfp").string())})), 0);
    EXPECT_TRUE(shown("Archive File could not be opened!!"));
    EXPECT_EQ(window()->statusFieldText(), "No archive file or radio is currently loaded or connected");
    EXPECT_FALSE(client()->isCommandEnabled(CM_SAVE_ARCHIVE));
}

TEST_F(startupTest, SimulateOptionIsTakenOutOfTheArchiveArguments) {
    const auto plain = parseVeltraArguments({"--simulate"});
    EXPECT_TRUE(plain.simulate);
    EXPECT_FALSE(plain.loadOnStart);
    EXPECT_EQ(plain.simulateProfile, "portable");
    const auto named = parseVeltraArguments({"a.sfp", "--simulate=mobile"});
    EXPECT_TRUE(named.simulate);
    EXPECT_EQ(named.simulateProfile, "mobile");
    EXPECT_EQ(named.startupText, "a.sfp");
}

TEST_F(startupTest, SimulatedRunSaysSoAndShutDownResetsTheRadio) {
    ASSERT_EQ(startSimulated(), 0);
    ASSERT_NE(app->simulatedRadio(), nullptr);
    EXPECT_TRUE(window()->windowTitle().endsWith("SIMULATED RADIO"));
    const int resets = app->simulatedRadio()->resetCount();
    app->shutDown();
    EXPECT_EQ(app->mainWindow(), nullptr);
    EXPECT_TRUE(processUntil([&] { return app->simulatedRadio()->resetCount() == resets + 1; }));
    app->shutDown(); // once only
    EXPECT_EQ(app->simulatedRadio()->resetCount(), resets + 1);
}
