// The screens opened as the technician opens them: through the main window's
// menu commands on the simulated radio, after a Read Radio, with the one
// screen at a time rule and the mismatch prompt's re-read through the main
// window's own Read Radio command.
#include "screenHarness.h"

#include "screens/tuningScreens.h"
#include "shell/TVeltraApp.h"
#include "shell/TVeltraMDIChild.h"
#include "shell/TVeltraMDIClient.h"
#include "shell/TVeltraMainWindow.h"

#include <QElapsedTimer>
#include <QMdiSubWindow>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

using namespace screentest;

namespace {

bool processUntil(const std::function<bool()>& done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 20000) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        // Without a running event loop, closed frames are deleted only on request.
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return done();
}

class mainWindowScreens : public ::testing::Test {
protected:
    void SetUp() override {
        application();
        dir = std::filesystem::temp_directory_path() / ("veltra-screens-shell-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        previousDir = std::filesystem::current_path();
        std::filesystem::current_path(dir);
        setProgramDirectory(dir.string());
        writeComIni(comIniPath(), 1);
        veltraOptions options;
        options.programDirectory = dir.string();
        options.simulate = true;
        app = std::make_unique<TVeltraApp>(options, ui.services());
        ASSERT_EQ(app->start(), 0);
        app->mainWindow()->show();
        client()->runCommand(11842); // Read Radio
        ASSERT_TRUE(processUntil([this] { return app->state().radioRead; }));
        ui.shown.clear();
    }
    void TearDown() override {
        app.reset();
        std::filesystem::current_path(previousDir);
        std::filesystem::remove_all(dir);
    }

    TVeltraMDIClient* client() { return app->mainWindow()->client(); }
    TuningScreen* openScreen() {
        const auto windows = client()->subWindowList();
        return windows.empty() ? nullptr : qobject_cast<TuningScreen*>(windows.front()->widget());
    }

    ScopedLinkTiming timing{LinkTiming{std::chrono::microseconds{300}, std::chrono::microseconds{300}}};
    std::filesystem::path dir;
    std::filesystem::path previousDir;
    scriptedPresenter ui;
    std::unique_ptr<TVeltraApp> app;
};

} // namespace

TEST_F(mainWindowScreens, CommandOpensTheScreenInItsFrameAndTheRuleKeepsItAlone) {
    ASSERT_TRUE(client()->isCommandEnabled(11849));
    client()->runCommand(11849); // Transmit Low Power
    TuningScreen* screen = openScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(client()->subWindowList().front()->windowTitle(), "Transmit Low Power");
    EXPECT_EQ(client()->subWindowList().front()->pos(), QPoint(50, 50));
    EXPECT_EQ(app->state().openScreenId, 3);
    EXPECT_EQ(screen->defaultField(0)->text(), "38") << "the screen shows the radio just read";

    client()->runCommand(11849); // the same screen: nothing
    EXPECT_TRUE(ui.shown.empty());
    client()->runCommand(11874); // DTMF while another screen is open
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].message.text, "Current window still open! Please close first!");
    EXPECT_EQ(client()->subWindowList().size(), 1);

    client()->subWindowList().front()->close();
    // The frame goes at the next turn of the event loop, and the screen with it.
    ASSERT_TRUE(processUntil([this] { return app->state().openScreenId == 0; }));
    EXPECT_TRUE(client()->subWindowList().isEmpty());
    EXPECT_FALSE(app->simulatedRadio()->keyed());
}

TEST_F(mainWindowScreens, MismatchOkRunsTheMainWindowsReadRadio) {
    client()->runCommand(11874); // DTMF
    TuningScreen* screen = openScreen();
    ASSERT_NE(screen, nullptr);
    app->simulatedRadio()->withState([](sim::radioState& s) {
        s.radio.serial = "752TKL9999";
        s.radio.softpots[14][0][0] = 23;
    });
    ui.answers.push_back(MessageAnswer::Ok);
    screen->slider(0)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    // The read ran to its end before the step returned.
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_EQ(ui.shown.front().message.text, "Serial No. Mismatch!! Read in new radio?");
    EXPECT_THAT(ui.texts(), ::testing::Contains("Radio has been successfully read !!"));
    EXPECT_NE(client()->statusText().toStdString().find("752TKL9999"), std::string::npos);
    EXPECT_EQ(screen->defaultField(0)->text(), "23");
    EXPECT_EQ(app->state().openScreenId, 9);
}
