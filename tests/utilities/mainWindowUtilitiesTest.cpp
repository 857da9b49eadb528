// The utility windows as the technician opens them: through the main
// window's Utilities commands on the simulated radio, after a Read Radio.
#include "utilityHarness.h"

#include "link/ComIni.h"
#include "link/ProgramDirectory.h"
#include "shell/TVeltraApp.h"
#include "shell/TVeltraMDIClient.h"
#include "shell/TVeltraMainWindow.h"
#include "utilities/TBasebandUpdateWindow.h"
#include "utilities/TTempCompWindow.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMdiSubWindow>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

using namespace utilitytest;

bool processUntil(const std::function<bool()>& done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 20000) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return done();
}

class mainWindowUtilities : public ::testing::Test {
protected:
    void start(const std::string& profile) {
        application();
        dir =
            std::filesystem::temp_directory_path() / ("veltra-utilities-shell-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        if (previousDir.empty())
            previousDir = std::filesystem::current_path();
        std::filesystem::current_path(dir);
        setProgramDirectory(dir.string());
        writeComIni(comIniPath(), 1);
        std::filesystem::copy_file(std::filesystem::path(VELTRA_SOURCE_DIR) / "src/resources/bbo.cfg",
                                   dir / "bbo.cfg", std::filesystem::copy_options::overwrite_existing);
        veltraOptions options;
        options.programDirectory = dir.string();
        options.simulate = true;
        options.simulateProfile = profile;
        app = std::make_unique<TVeltraApp>(options, ui.services());
        ASSERT_EQ(app->start(), 0);
        app->mainWindow()->show();
        client()->runCommand(11842); // Read Radio
        ASSERT_TRUE(processUntil([this] { return app->state().radioRead; }));
        ui.shown.clear();
    }
    void TearDown() override {
        app.reset();
        if (!previousDir.empty())
            std::filesystem::current_path(previousDir);
        std::filesystem::remove_all(dir);
    }

    TVeltraMDIClient* client() { return app->mainWindow()->client(); }
    QMdiSubWindow* frame() {
        const auto windows = client()->subWindowList();
        return windows.empty() ? nullptr : windows.front();
    }

    ScopedLinkTiming timing{LinkTiming{std::chrono::microseconds{300}, std::chrono::microseconds{300}}};
    std::filesystem::path dir;
    std::filesystem::path previousDir;
    scriptedPresenter ui;
    std::unique_ptr<TVeltraApp> app;
};

TEST_F(mainWindowUtilities, BasebandUpdateOpensForBothKindsOfRadio) {
    for (const char* profile : {"portable", "portable-legacy"}) {
        start(profile);
        ASSERT_TRUE(client()->isCommandEnabled(11857)) << profile;
        client()->runCommand(11857);
        ASSERT_TRUE(frame()) << profile << ": " << (ui.texts().empty() ? "" : ui.texts().back());
        EXPECT_EQ(frame()->windowTitle(), "Update Baseband Offset") << profile;
        auto* w = qobject_cast<TBasebandUpdateWindow*>(frame()->widget());
        ASSERT_TRUE(w) << profile;
        EXPECT_EQ(w->usesRequests(), std::string(profile) == "portable") << profile;
        EXPECT_EQ(w->defaultField(8)->text(), "1215 Hz") << profile;
        EXPECT_EQ(app->state().openScreenId, 31) << profile;
        frame()->close();
        EXPECT_TRUE(processUntil([this] { return app->state().openScreenId == 0; })) << profile;
        app.reset();
    }
}

TEST_F(mainWindowUtilities, TempCompReadAndTheOtherUtilitiesRule) {
    start("portable");
    client()->runCommand(11852); // Temp Comp Data Read
    ASSERT_TRUE(frame());
    EXPECT_EQ(frame()->windowTitle(), "Read Temp Comp");
    auto* w = qobject_cast<TTempCompWindow*>(frame()->widget());
    ASSERT_TRUE(w);
    EXPECT_EQ(w->entryField()->text(), "0aff007c");
    client()->runCommand(11877); // Write while the read window is open
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"Please close all windows before writing Temp Comp data"});
    ui.shown.clear();
    client()->runCommand(11930); // the radio has a serial number
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"Serial No. is not blank"});
    w->buttonPressed(); // "Close"
    EXPECT_TRUE(processUntil([this] { return app->state().openScreenId == 0; }));
}

} // namespace
