// The MDI client of the main window. It owns, for the life of the process,
// the radio image, the radioOperations object, the archive and bbo.cfg
// readers, the RF_Frequency object, the program directory and the state
// flags, and it carries out every menu command: the screen-opening steps with
// the one-screen-at-a-time rule, Read Radio and Program All on a worker
// thread with the progress window, the archive commands with their file
// dialogs, the COM port dialog, the information dialogs and the help.
#pragma once

#include "model/RF_Frequency.h"
#include "model/radioStorage.h"
#include "operations/ApplicationState.h"
#include "operations/bboConfigFileModule.h"
#include "operations/fileModule.h"
#include "operations/radioConnection.h"
#include "operations/radioOperations.h"
#include "screens/ScreenContext.h"
#include "shell/commandTable.h"
#include "shell/screenRegistry.h"
#include "shell/shellServices.h"

#include <QMdiArea>
#include <QPointer>

#include <memory>
#include <string>

class QLabel;
class THelpViewer;
class TVeltraMDIChild;

class TVeltraMDIClient : public QMdiArea {
    Q_OBJECT
public:
    TVeltraMDIClient(QWidget* parent, ApplicationState& state, const shellServices& services,
                     std::string programDirectory);
    ~TVeltraMDIClient() override;

    // Start-up: reads com.ini, shows the COM port dialog when there is none,
    // and test-opens the port. False when com.ini is still missing: the
    // message has been shown and the process must end with exit code -1.
    bool initialiseComPort();
    // Start-up: the archive named on the command line, without the dialogs.
    void loadStartupArchive(const std::string& path);

    // The status bar's one field.
    void setStatusField(QLabel* field);
    QString statusText() const { return status; }
    void setStatusText(const QString& text);
    void setSimulated(bool simulated) { simulatedRadio = simulated; }

    // The enabling rule of the command, its handler, and no sequence running.
    bool isCommandEnabled(int id) const;
    // Every menu item and tool bar button ends here.
    void runCommand(int id);

    // --- for the screens and their openers --------------------------------
    ScreenContext screenContext();
    screenRegistry& registry() { return screens; }
    // Step 1 of the screen-opening steps: true when no screen is open; else
    // shows the still-open note unless screen n itself is open.
    bool screenSlotFree(int n);
    // Steps 3 to 5: wraps the screen in an MDI child with the caption and
    // shows it; with tuningCheck, tuningAllowed false closes it at once. The
    // child is destroyed at once when openScreenId is 0 (nullptr returned).
    TVeltraMDIChild* showScreen(QWidget* screen, const QString& caption, bool tuningCheck = true);
    // Opens help at a context (HELP_CONTENTS for the contents).
    void showHelp(int context);
    // Runs Read Radio to its end for a screen (the mismatch prompt's OK).
    static void readRadioFrom(QWidget* screen);

    // --- the commands -------------------------------------------------------
    void loadArchive();
    void saveArchive();
    void readRadio();
    void programAll();
    void communicationSettings();
    void toggleSerialTrace();
    void radioInformation();
    void about();
    void setupPicture(bool portable);
    void openScreen(const commandRow& row);
    void programSerialNumber(const commandRow& row);
    void tempComp(const commandRow& row, bool write);
    void contextHelp(); // F1

    // A handler for a command whose code lives elsewhere (printing).
    void setCommandHandler(int id, std::function<void()> handler);

    radioStorage& image() { return storage; }
    ApplicationState& state() { return appState; }
    radioOperations& operations() { return *ops; }
    fileModule& archives() { return archiveFiles; }
    bboConfigFileModule& bboConfig() { return bboFiles; }
    RF_Frequency& frequency() { return rfFrequency; }
    const std::string& programDirectory() const { return programDir; }
    const shellServices& services() const { return ui; }
    const fileDialogRequest& fileDialogData() const { return dialogData; }
    bool busy() const;
    THelpViewer* helpViewer() const;

signals:
    // After every command: the tool bar and menus evaluate their rules again.
    void commandsChanged();

private:
    bool hasHandler(const commandRow& row) const;

    ApplicationState& appState;
    shellServices ui;
    QLabel* statusField = nullptr;
    QString status;
    bool simulatedRadio = false;
    RF_Frequency rfFrequency;
    fileModule archiveFiles;
    bboConfigFileModule bboFiles;
    radioStorage storage;
    comPortConnector connector;
    std::unique_ptr<radioOperations> ops;
    std::string programDir;
    fileDialogRequest dialogData;
    screenRegistry screens;
    std::map<int, std::function<void()>> extraHandlers;
    THelpViewer* help = nullptr; // a child of the main window
};
