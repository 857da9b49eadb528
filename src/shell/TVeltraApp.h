// The application object: collects the command line, builds the main window
// and runs the start-up steps in their order (com.ini, test open, tool bar and
// status bar, the archive named on the command line), runs the message loop,
// and at shut-down resets the radio with every failure ignored. It owns the
// application state (openScreenId among it), the printing of the report
// (with the printer object) and the recent-files list.
//
// `veltra --simulate[=PROFILE]` puts a simulated radio (sim/) on a
// pseudo-terminal behind every COM port number for the run, so the program
// can be tried without hardware.
#pragma once

#include "operations/ApplicationState.h"
#include "shell/recentFiles.h"
#include "shell/shellServices.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <string>

class TVeltraMainWindow;
class reportPrinting;
namespace sim {
class simulatedRadio;
}

struct veltraOptions {
    std::string startupText; // the arguments joined with one blank: an archive to load
    bool loadOnStart = false;
    bool simulate = false;
    std::string simulateProfile = "portable";
    std::string programDirectory; // empty: the directory of the program file
};

// The arguments after the program name. "--simulate" and "--simulate=NAME"
// are taken out; the rest name the start-up archive.
veltraOptions parseVeltraArguments(const QStringList& arguments);

class TVeltraApp {
public:
    static constexpr int RECENT_FILES = 4;
    static constexpr int EXIT_COM_INI_MISSING = -1;

    TVeltraApp(veltraOptions options, const shellServices& services);
    ~TVeltraApp();
    TVeltraApp(const TVeltraApp&) = delete;
    TVeltraApp& operator=(const TVeltraApp&) = delete;

    // Start-up steps up to the message loop (the main window is built but
    // not shown). 0, or the exit status the process must end with.
    int start();
    // Closes the main window if it is open and resets the radio (once). The
    // simulated radio, if any, stops when the application object goes.
    void shutDown();

    TVeltraMainWindow* mainWindow() const { return window.get(); }
    ApplicationState& state() { return appState; }
    const std::string& programDirectory() const { return options.programDirectory; }
    const veltraOptions& startOptions() const { return options; }
    recentFilesList& recentFiles() { return *recent; }
    sim::simulatedRadio* simulatedRadio() const { return radio.get(); }

    // Printing and preview of the softpot report; it creates the printer
    // object on first use and keeps it until the application goes.
    reportPrinting& printing() { return *reportPrinter; }

    static TVeltraApp* instance();
    static QString title();

private:
    bool startSimulation();

    veltraOptions options;
    shellServices services;
    ApplicationState appState;
    std::unique_ptr<recentFilesList> recent;
    std::unique_ptr<reportPrinting> reportPrinter;
    std::unique_ptr<sim::simulatedRadio> radio;
    std::unique_ptr<TVeltraMainWindow> window;
    bool shutDownDone = false;
};
