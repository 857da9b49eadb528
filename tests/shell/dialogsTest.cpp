// The COM port dialog, the progress window and the small dialogs.
#include "shellTestSupport.h"

#include "link/SerialPortMap.h"
#include "shell/TCommSetupDialog.h"
#include "shell/TProgressWindow.h"
#include "shell/infoDialogs.h"

#include <QCheckBox>
#include <QPushButton>

using namespace shelltest;

namespace {

using dialogsTest = shellFixture;

} // namespace

TEST_F(dialogsTest, ComDialogShowsThePortOfComIni) {
    struct Case {
        const char* comIni; // nullptr: no file
        const char* status;
        int checked; // 0: none
        int kept;
    };
    const Case cases[] = {
        {nullptr, "COM Port profile is not currently configured", 0, -1},
        {"COM Port Id :4\n ", "COM Port 4 currently selected", 4, 4},
        {"COM Port Id :   2\n", "COM Port 2 currently selected", 2, 2}, // blanks after the colon
        {"COM Port Id :7\n ", "", 0, 7},
        {"COM Port Id :x\n ", "", 0, 0},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(dir / "com.ini");
        if (c.comIni)
            std::ofstream(dir / "com.ini") << c.comIni;
        TCommSetupDialog dialog;
        EXPECT_EQ(dialog.windowTitle(), "User COM Port Selection");
        EXPECT_EQ(dialog.statusText(), c.status) << c.status;
        EXPECT_EQ(dialog.selectedPort(), c.kept) << c.status;
        for (int n = 1; n <= 4; ++n) {
            EXPECT_EQ(dialog.portBox(n)->text(), QStringLiteral("    COM %1").arg(n));
            EXPECT_EQ(dialog.portBox(n)->isChecked(), n == c.checked) << c.status << " box " << n;
        }
    }
}

TEST_F(dialogsTest, TickingABoxSelectsItAndClearsTheOthers) {
    writeComIni(1);
    TCommSetupDialog dialog;
    dialog.portBox(3)->click();
    EXPECT_EQ(dialog.selectedPort(), 3);
    EXPECT_EQ(dialog.statusText(), "COM Port 3 currently selected");
    EXPECT_FALSE(dialog.portBox(1)->isChecked());
    // Clicking the ticked box clears it, but the port stays selected.
    dialog.portBox(3)->click();
    EXPECT_FALSE(dialog.portBox(3)->isChecked());
    EXPECT_EQ(dialog.selectedPort(), 3);

    dialog.cancelButton()->click();
    EXPECT_EQ(readFile(dir / "com.ini"), "COM Port Id :1\n "); // Cancel writes nothing
}

TEST_F(dialogsTest, DeviceOfEachComNumberIsKeptInTheMappingFile) {
    writeComIni(1);
    std::ofstream(dir / "serialports.ini") << "COM7=/dev/ttyUSB7\n";
    for (int n = 0; n <= 9; ++n) // the dialog as a technician sees it, without the test's devices
        clearComDeviceOverride(n);
    {
        TCommSetupDialog dialog;
        EXPECT_EQ(dialog.deviceBox(1)->devicePath().toStdString(), defaultComDevicePath(1));
        // The list always offers the default device; any other path may be typed.
        dialog.deviceBox(2)->rescan();
        EXPECT_GE(dialog.deviceBox(2)->count(), 1);
        EXPECT_EQ(dialog.deviceBox(2)->itemData(0).toString().toStdString(), defaultComDevicePath(2));
        dialog.deviceBox(2)->setDevicePath("/dev/serial/by-id/usb-cable-if00-port0");
        dialog.portBox(2)->click();
        saveScreenshot(dialog, "com-port-dialog.png");
        dialog.applyButton()->click();
    }
    EXPECT_EQ(readFile(dir / "com.ini"), "COM Port Id :2\n ");
    const auto map = readSerialPortMap((dir / "serialports.ini").string());
    EXPECT_EQ(map, (SerialPortMap{{2, "/dev/serial/by-id/usb-cable-if00-port0"}, {7, "/dev/ttyUSB7"}}));

    // Setting a port back to its default removes its line.
    {
        TCommSetupDialog dialog;
        EXPECT_EQ(dialog.deviceBox(2)->devicePath(), "/dev/serial/by-id/usb-cable-if00-port0");
        dialog.deviceBox(2)->setDevicePath(QString::fromStdString(defaultComDevicePath(2)));
        dialog.applyButton()->click();
    }
    EXPECT_EQ(readSerialPortMap((dir / "serialports.ini").string()), (SerialPortMap{{7, "/dev/ttyUSB7"}}));
}

TEST_F(dialogsTest, CommunicationSettingsCommandRunsTheDialog) {
    writeComIni(1);
    ASSERT_EQ(startApp(), 0);
    int runs = 0;
    ui.onDialog = [&](QDialog& d) {
        runs += dynamic_cast<TCommSetupDialog*>(&d) != nullptr;
        return 0;
    };
    client()->runCommand(CM_COMM_SETTINGS);
    EXPECT_EQ(runs, 1);
}

TEST_F(dialogsTest, ProgressWindowClosesItselfAt96Percent) {
    TProgressWindow progress(nullptr, QString::fromStdString((dir / "title.bmp").string()),
                             "Reading Softpots from radio...");
    progress.show();
    progress.setProgress(90, "90% Complete");
    EXPECT_EQ(progress.lineText(), "90% Complete");
    EXPECT_EQ(progress.gauge(), 90);
    EXPECT_EQ(progress.titleText(), "Reading Softpots from radio...");
    QApplication::processEvents();
    EXPECT_TRUE(progress.isVisible());
    saveScreenshot(progress, "progress-window.png");
    progress.setProgress(95, "95% Complete");
    QApplication::processEvents();
    EXPECT_TRUE(progress.isVisible());
    progress.setGauge(96);
    EXPECT_TRUE(processUntil([&] { return !progress.isVisible(); }));
}

TEST_F(dialogsTest, InformationDialogsCarryTheirCaptions) {
    TVeltraAboutDlg about(nullptr);
    EXPECT_EQ(about.windowTitle(), "About Veltra for Kestrel Radios");
    EXPECT_TRUE(TVeltraAboutDlg::versionText().startsWith("Version R"));
    TVeltraNotifyDlg notify(nullptr);
    EXPECT_EQ(notify.windowTitle(), "Print Notifcation");
    autoTuneDialog wait(nullptr);
    EXPECT_EQ(wait.windowTitle(), "Please Wait.... Auto Tuning....");
    EXPECT_FALSE(wait.isModal());
    saveScreenshot(about, "about-box.png");
}
