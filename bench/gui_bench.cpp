// Window application figures, offscreen: the time from process start until
// the main window is shown, and the resident memory after a Read Radio of the
// simulated radio with the main window open. Ends with the line
//     gui_bench: start_ms=S rss_mb=M
// (goals: S below 1000, M below 100).
#include "link/ComIni.h"
#include "link/LinkTiming.h"
#include "shell/TVeltraApp.h"
#include "shell/TVeltraMDIClient.h"
#include "shell/TVeltraMainWindow.h"
#include "shell/commandTable.h"
#include "shell/scriptedPresenter.h"

#include <QApplication>

#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

// Milliseconds since this process started, from its start time in /proc.
double msSinceProcessStart() {
    std::ifstream in("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Fields after the command name (which may hold blanks) start after ')'.
    std::istringstream rest(stat.substr(stat.rfind(')') + 2));
    std::string field;
    unsigned long long startTicks = 0;
    for (int i = 3; i <= 22 && rest >> field; ++i)
        if (i == 22)
            startTicks = std::stoull(field);
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double residentMegabytes() {
    std::ifstream in("/proc/self/status");
    for (std::string line; std::getline(in, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    const auto dir =
        std::filesystem::temp_directory_path() / ("veltra-gui-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const auto binDir = std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
    for (const char* f : {"title.bmp", "portablesetup.bmp", "mobilesetup.bmp", "models.catalogue"})
        if (std::filesystem::exists(binDir / f))
            std::filesystem::copy_file(binDir / f, dir / f,
                                       std::filesystem::copy_options::overwrite_existing);
    std::filesystem::current_path(dir);

    scriptedPresenter ui;
    veltraOptions options;
    options.programDirectory = dir.string();
    options.simulate = true;
    double startMs = 0;
    double rssMb = 0;
    {
        TVeltraApp app(options, ui.services());
        writeComIni(1);
        if (app.start() != 0) {
            std::cerr << "gui_bench: start-up failed\n";
            return 1;
        }
        app.mainWindow()->resize(1100, 720);
        app.mainWindow()->show();
        QApplication::processEvents();
        startMs = msSinceProcessStart();

        // The read's pauses do not matter for its memory.
        ScopedLinkTiming fast(LinkTiming{std::chrono::microseconds(500), std::chrono::microseconds(500)});
        app.mainWindow()->client()->runCommand(CM_READ_RADIO);
        QApplication::processEvents();
        rssMb = residentMegabytes();
        bool read = false;
        for (const auto& r : ui.shown)
            read = read || r.message.text == "Radio has been successfully read !!";
        if (!read) {
            std::cerr << "gui_bench: the simulated read did not succeed\n";
            return 1;
        }
    }
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    std::filesystem::remove_all(dir);
    std::printf("gui_bench: start_ms=%.0f rss_mb=%.1f\n", startMs, rssMb);
    return 0;
}
