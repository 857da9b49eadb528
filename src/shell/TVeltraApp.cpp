#include "shell/TVeltraApp.h"

#include "link/ProgramDirectory.h"
#include "link/SerialPortMap.h"
#include "model/modelCatalogue.h"
#include "report/print/reportPrinting.h"
#include "shell/TVeltraMDIClient.h"
#include "shell/TVeltraMainWindow.h"
#include "shell/comPortAccess.h"
#include "shell/shellTexts.h"
#include "sim/radioProfile.h"
#include "sim/simulatedRadio.h"

#include <QCoreApplication>
#include <QFont>

namespace {

TVeltraApp* current = nullptr;

// COM numbers com.ini can name.
constexpr int FIRST_PORT = 0;
constexpr int LAST_PORT = 9;

} // namespace

veltraOptions parseVeltraArguments(const QStringList& arguments) {
    veltraOptions o;
    QStringList rest;
    for (const QString& a : arguments) {
        if (a == QLatin1String("--simulate")) {
            o.simulate = true;
        } else if (a.startsWith(QLatin1String("--simulate="))) {
            o.simulate = true;
            o.simulateProfile = a.mid(11).toStdString();
        } else {
            rest << a;
        }
    }
    // The whole path is kept: a cut path would name another file.
    o.startupText = rest.join(' ').toStdString();
    o.loadOnStart = !rest.isEmpty();
    return o;
}

TVeltraApp::TVeltraApp(veltraOptions startOptions, const shellServices& ui)
    : options(std::move(startOptions)), services(ui) {
    current = this;
    if (options.programDirectory.empty())
        options.programDirectory = QCoreApplication::applicationDirPath().toStdString();
    setProgramDirectory(options.programDirectory);
    recent = std::make_unique<recentFilesList>(recentFilesList::FILE_NAME, RECENT_FILES);
    reportPrinter = std::make_unique<reportPrinting>(services);
    // The screens are laid out for this face; where it is missing a serif of the same metrics stands in.
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

TVeltraApp::~TVeltraApp() {
    shutDown();
    if (radio) {
        radio->stop();
        for (int n = FIRST_PORT; n <= LAST_PORT; ++n)
            clearComDeviceOverride(n);
        radio.reset();
    }
    reportPrinter.reset();
    recent.reset();
    if (current == this)
        current = nullptr;
}

TVeltraApp* TVeltraApp::instance() {
    return current;
}

QString TVeltraApp::title() {
    return QString::fromUtf8(shellTexts::APPLICATION_TITLE.data(),
                             static_cast<qsizetype>(shellTexts::APPLICATION_TITLE.size()));
}

bool TVeltraApp::startSimulation() {
    try {
        radio = std::make_unique<sim::simulatedRadio>(sim::radioProfile::load(options.simulateProfile));
        radio->start();
    } catch (const std::exception& e) {
        radio.reset();
        services.messages.show({std::string("The simulated radio could not be started: ") + e.what(), "ERROR",
                                MessageIcon::Exclamation});
        return false;
    }
    for (int n = FIRST_PORT; n <= LAST_PORT; ++n)
        setComDeviceOverride(n, radio->devicePath());
    return true;
}

int TVeltraApp::start() {
    if (options.simulate && !startSimulation())
        return 1;
    const auto catalogue = modelCatalogue::load(options.programDirectory);
    if (!catalogue.error.empty())
        services.messages.show({catalogue.error, " WARNING", MessageIcon::Exclamation});

    window =
        std::make_unique<TVeltraMainWindow>(appState, services, options.programDirectory, radio != nullptr,
                                            radio ? QString::fromStdString(radio->devicePath()) : QString());
    TVeltraMDIClient* client = window->client();
    client->setCommandHandler(CM_PRINTER_SETUP, [this, client] {
        reportPrinter->printerSetup(client->image(), client->state(), window.get());
    });
    client->setCommandHandler(CM_PRINT_PREVIEW, [this, client] {
        reportPrinter->printPreview(client->image(), client->state(), window.get());
    });
    if (!client->initialiseComPort()) {
        window.reset();
        return EXIT_COM_INI_MISSING;
    }
    if (options.loadOnStart)
        client->loadStartupArchive(options.startupText);
    window->updateCommands();
    return 0;
}

void TVeltraApp::shutDown() {
    if (shutDownDone)
        return;
    shutDownDone = true;
    if (window) {
        // Each open screen restores the radio as it is destroyed.
        window->close();
        window.reset();
        resetRadioIgnoringFailures();
    }
}
