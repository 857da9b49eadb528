// The application in a test: a program directory of its own (made current,
// so Veltra.ini lands there too), short link pauses, scripted answers to
// every message and dialog, and the helpers the window tests share.
#pragma once

#include "link/ComIni.h"
#include "link/LinkTiming.h"
#include "link/ProgramDirectory.h"
#include "link/SerialPortMap.h"
#include "shell/TVeltraApp.h"
#include "shell/TVeltraMDIClient.h"
#include "shell/TVeltraMainWindow.h"
#include "shell/scriptedPresenter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

namespace shelltest {

inline QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "test_shell";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

// Processes events until `done` holds or a generous limit passes; the
// caller asserts on `done`, never on the time taken.
inline bool processUntil(const std::function<bool()>& done, int limitMs = 20000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < limitMs) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        // Outside a running event loop deleteLater() waits for this.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return done();
}

inline std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::string screenshotDir() {
    const std::string dir = std::string(VELTRA_BINARY_DIR) + "/screenshots";
    std::filesystem::create_directories(dir);
    return dir;
}

inline void saveScreenshot(QWidget& w, const std::string& name) {
    QApplication::processEvents();
    w.grab().save(QString::fromStdString(screenshotDir() + "/" + name));
}

class shellFixture : public ::testing::Test {
protected:
    void SetUp() override {
        qtApp();
        previousDir = std::filesystem::current_path();
        dir =
            std::filesystem::temp_directory_path() /
            (std::string("veltra-shell-") + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
             "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        for (const char* picture : {"title.bmp", "portablesetup.bmp", "mobilesetup.bmp"}) {
            const auto from = std::filesystem::path(VELTRA_BINARY_DIR) / "bin" / picture;
            if (std::filesystem::exists(from))
                std::filesystem::copy_file(from, dir / picture);
        }
        std::filesystem::current_path(dir);
        previousProgramDir = programDirectory();
        setProgramDirectory(dir.string());
        // No test reaches a serial device of the machine: a port the simulated
        // radio does not take fails at once.
        for (int n = 0; n <= 9; ++n)
            setComDeviceOverride(n, (dir / "no-radio-here").string());
        timing = std::make_unique<ScopedLinkTiming>(
            LinkTiming{std::chrono::milliseconds(25), std::chrono::milliseconds(25)});
    }

    void TearDown() override {
        app.reset();
        timing.reset();
        for (int n = 0; n <= 9; ++n)
            clearComDeviceOverride(n);
        setProgramDirectory(previousProgramDir);
        std::filesystem::current_path(previousDir);
        std::filesystem::remove_all(dir);
    }

    // Builds the application and runs its start-up; returns start()'s status.
    int startApp(veltraOptions options = {}) {
        options.programDirectory = dir.string();
        app = std::make_unique<TVeltraApp>(std::move(options), ui.services());
        const int status = app->start();
        if (status == 0) {
            window()->resize(1100, 720);
            window()->show();
            QApplication::processEvents();
        }
        return status;
    }
    int startSimulated(const std::string& profile = "portable") {
        writeComIni(1);
        veltraOptions o;
        o.simulate = true;
        o.simulateProfile = profile;
        return startApp(o);
    }

    TVeltraMainWindow* window() const { return app->mainWindow(); }
    TVeltraMDIClient* client() const { return window()->client(); }
    bool shown(const std::string& text) const {
        for (const auto& r : ui.shown)
            if (r.message.text == text)
                return true;
        return false;
    }
    static std::string statusFor(std::string_view serial, std::string_view model) {
        return "Radio Serial No :" + std::string(serial) + std::string(95, ' ') +
               "Radio Model No: " + std::string(model);
    }

    std::filesystem::path dir;
    std::filesystem::path previousDir;
    std::string previousProgramDir;
    std::unique_ptr<ScopedLinkTiming> timing;
    scriptedPresenter ui;
    std::unique_ptr<TVeltraApp> app;
};

} // namespace shelltest
