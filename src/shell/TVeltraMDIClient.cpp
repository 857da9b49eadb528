#include "shell/TVeltraMDIClient.h"

#include "link/ComIni.h"
#include "link/SerialTrace.h"
#include "model/radiomodel.h"
#include "operations/archiveCommands.h"
#include "operations/archiveMessages.h"
#include "shell/TCommSetupDialog.h"
#include "shell/THelpViewer.h"
#include "shell/TVeltraMDIChild.h"
#include "shell/comPortAccess.h"
#include "shell/helpTopics.h"
#include "shell/infoDialogs.h"
#include "shell/radioTask.h"
#include "shell/shellTexts.h"
#include "shell/veltraSetupWindow.h"

#include <QLabel>

using A = commandAction;

TVeltraMDIClient::TVeltraMDIClient(QWidget* parent, ApplicationState& state, const shellServices& services,
                                   std::string directory)
    : QMdiArea(parent), appState(state), ui(services), ops(std::make_unique<radioOperations>(connector)),
      programDir(std::move(directory)) {
    appState.radioRead = false;
    appState.archiveLoaded = false;
    appState.setupPictureOpen = false;
    appState.tuningAllowed = true;
    status = QString::fromLatin1(shellTexts::NO_DATA_STATUS.data(),
                                 static_cast<qsizetype>(shellTexts::NO_DATA_STATUS.size()));
    dialogData.caption.clear();
    registerScreens(screens);
}

TVeltraMDIClient::~TVeltraMDIClient() {
    // The screens restore the radio while the image they use still exists.
    for (auto* child : subWindowList())
        delete child;
}

bool TVeltraMDIClient::initialiseComPort() {
    int port = readComIni();
    if (port == -1) {
        TCommSetupDialog dialog(this);
        ui.dialogs.run(dialog);
        port = readComIni();
    }
    if (port == -1) {
        ui.messages.show(shellTexts::COM_INI_MISSING);
        return false;
    }
    testOpenComPort(port);
    appState.tuningAllowed = true;
    return true;
}

void TVeltraMDIClient::loadStartupArchive(const std::string& path) {
    const auto outcome = loadArchiveOnStart(archiveFiles, path, storage, appState, ui.messages);
    if (outcome.statusText)
        setStatusText(QString::fromStdString(*outcome.statusText));
    emit commandsChanged();
}

void TVeltraMDIClient::setStatusField(QLabel* field) {
    statusField = field;
    if (statusField)
        statusField->setText(status);
}

void TVeltraMDIClient::setStatusText(const QString& text) {
    status = text;
    if (statusField)
        statusField->setText(status);
}

bool TVeltraMDIClient::busy() const {
    return radioTask::running();
}

bool TVeltraMDIClient::hasHandler(const commandRow& row) const {
    switch (row.action) {
    case A::NONE:
        return false;
    case A::SCREEN:
    case A::PROGRAM_SERIAL:
    case A::TEMP_COMP_READ:
    case A::TEMP_COMP_WRITE:
    case A::BBO_UPDATE:
    case A::PA_BIAS_HIGH:
    case A::PA_BIAS_LOW:
        return screens.has(row.id);
    case A::PRINTER_SETUP:
    case A::PRINT_PREVIEW:
        return extraHandlers.count(row.id) != 0;
    default:
        return true;
    }
}

bool TVeltraMDIClient::isCommandEnabled(int id) const {
    const commandRow* row = findCommand(id);
    if (!row || busy())
        return false;
    if (row->kind == entryKind::ITEM && !hasHandler(*row))
        return false;
    const radiomodel model;
    return commandEnabled(id, makeRuleTerms(storage, appState, model));
}

void TVeltraMDIClient::setCommandHandler(int id, std::function<void()> handler) {
    extraHandlers[id] = std::move(handler);
}

void TVeltraMDIClient::runCommand(int id) {
    const commandRow* row = findCommand(id);
    // The rule is checked again: a tool bar button or a shortcut may act
    // between two idle updates.
    if (!row || !isCommandEnabled(id))
        return;
    switch (row->action) {
    case A::NONE:
        break;
    case A::LOAD_ARCHIVE:
        loadArchive();
        break;
    case A::SAVE_ARCHIVE:
        saveArchive();
        break;
    case A::READ_RADIO:
        readRadio();
        break;
    case A::PROGRAM_ALL:
        programAll();
        break;
    case A::PRINTER_SETUP:
    case A::PRINT_PREVIEW:
        extraHandlers[id]();
        break;
    case A::EXIT:
        if (window())
            window()->close();
        break;
    case A::SCREEN:
        openScreen(*row);
        break;
    case A::PA_BIAS_HIGH:
    case A::PA_BIAS_LOW:
    case A::BBO_UPDATE:
        if (!screenSlotFree(row->screen))
            break;
        if (const auto* opener = screens.opener(id))
            (*opener)(*this, *row);
        else
            openScreen(*row);
        break;
    case A::PROGRAM_SERIAL:
        programSerialNumber(*row);
        break;
    case A::TEMP_COMP_READ:
        tempComp(*row, false);
        break;
    case A::TEMP_COMP_WRITE:
        tempComp(*row, true);
        break;
    case A::COMM_SETTINGS:
        communicationSettings();
        break;
    case A::SERIAL_TRACE:
        toggleSerialTrace();
        break;
    case A::SETUP_PICTURE:
        setupPicture(id == CM_PORTABLE_SETUP);
        break;
    case A::RADIO_INFO:
        radioInformation();
        break;
    case A::HELP_INDEX:
        showHelp(HELP_CONTENTS);
        break;
    case A::HELP_USING:
        showHelp(HELP_ON_HELP);
        break;
    case A::ABOUT:
        about();
        break;
    }
    emit commandsChanged();
}

// --- screens ------------------------------------------------------------------

ScreenContext TVeltraMDIClient::screenContext() {
    QPointer<TVeltraMDIClient> self(this);
    return ScreenContext{storage, appState, *ops, ui.messages, [self] {
                             if (self)
                                 self->readRadio();
                         }};
}

bool TVeltraMDIClient::screenSlotFree(int n) {
    if (appState.openScreenId == 0)
        return true;
    if (appState.openScreenId != n)
        ui.messages.show(shellTexts::STILL_OPEN);
    return false;
}

TVeltraMDIChild* TVeltraMDIClient::showScreen(QWidget* screen, const QString& caption, bool tuningCheck) {
    if (!screen)
        return nullptr;
    // A screen that placed itself keeps its place inside the work area.
    const bool placed = screen->testAttribute(Qt::WA_Moved);
    const QPoint place = screen->pos();
    auto* child = new TVeltraMDIChild(this, caption, screen);
    addSubWindow(child);
    if (placed)
        child->move(place);
    child->adjustSize();
    child->showNormal();
    if (tuningCheck && !appState.tuningAllowed)
        appState.openScreenId = 0;
    if (appState.openScreenId == 0) {
        delete child;
        return nullptr;
    }
    connect(child, &QObject::destroyed, this, &TVeltraMDIClient::commandsChanged);
    return child;
}

void TVeltraMDIClient::openScreen(const commandRow& row) {
    if (!screenSlotFree(row.screen))
        return;
    const auto* factory = screens.factory(row.id);
    if (!factory)
        return;
    showScreen((*factory)(screenRequest{this, screenContext(), row}), QString::fromUtf8(row.caption));
}

void TVeltraMDIClient::setupPicture(bool portable) {
    const int n = portable ? veltraSetupWindow::PORTABLE_SCREEN : veltraSetupWindow::MOBILE_SCREEN;
    if (!screenSlotFree(n) || appState.setupPictureOpen)
        return;
    appState.setupPictureOpen = true;
    const auto path = QString::fromStdString(programDir) +
                      (portable ? QStringLiteral("/portablesetup.bmp") : QStringLiteral("/mobilesetup.bmp"));
    auto* picture = new veltraSetupWindow(this, appState, portable, path);
    picture->move(1, 1);
    // A picture of the cabling tunes nothing, so it shows also while tuning is blocked.
    showScreen(picture, QStringLiteral("Radio Setup"), false);
}

void TVeltraMDIClient::programSerialNumber(const commandRow& row) {
    if (storage.getSerialNumber() != shellTexts::BLANK_SERIAL) {
        ui.messages.show(shellTexts::SERIAL_NOT_BLANK);
        return;
    }
    if (!screenSlotFree(row.screen))
        return;
    const auto* factory = screens.factory(row.id);
    if (!factory)
        return;
    QWidget* screen = nullptr;
    try {
        screen = (*factory)(screenRequest{this, screenContext(), row});
    } catch (const std::exception& e) {
        if (ui.messages.ask({e.what(), "WARNING", MessageIcon::Information}, MessageButtons::OkCancel) ==
            MessageAnswer::Ok)
            readRadio();
        return;
    }
    if (!screen)
        return;
    // This screen closes itself when it cannot work; it is shown as it is.
    auto* child = new TVeltraMDIChild(this, QString::fromUtf8(row.caption), screen);
    addSubWindow(child);
    child->adjustSize();
    child->showNormal();
    connect(child, &QObject::destroyed, this, &TVeltraMDIClient::commandsChanged);
}

void TVeltraMDIClient::tempComp(const commandRow& row, bool write) {
    const int n = row.screen;
    if (appState.openScreenId != 0) {
        if (appState.openScreenId != n)
            ui.messages.show(write ? shellTexts::CLOSE_BEFORE_TEMP_COMP_WRITE
                                   : shellTexts::CLOSE_BEFORE_TEMP_COMP_READ);
        return;
    }
    const auto* factory = screens.factory(row.id);
    if (!factory)
        return;
    appState.openScreenId = n;
    QWidget* screen = (*factory)(screenRequest{this, screenContext(), row});
    if (!screen) {
        appState.openScreenId = 0;
        return;
    }
    showScreen(screen, QString::fromUtf8(row.caption), false);
}

void TVeltraMDIClient::readRadioFrom(QWidget* screen) {
    for (QWidget* w = screen; w; w = w->parentWidget())
        if (auto* client = qobject_cast<TVeltraMDIClient*>(w)) {
            client->readRadio();
            return;
        }
}

// --- archives -----------------------------------------------------------------

void TVeltraMDIClient::loadArchive() {
    fileDialogRequest request = dialogData;
    request.caption = "Load Archive File";
    const auto path = ui.files.openFileName(request);
    if (!path)
        return;
    const auto outcome = loadArchiveFile(archiveFiles, *path, storage, appState, ui.messages);
    if (outcome.statusText)
        setStatusText(QString::fromStdString(*outcome.statusText));
}

void TVeltraMDIClient::saveArchive() {
    fileDialogRequest request = dialogData;
    request.caption = "Save Archive File";
    const auto path = ui.files.saveFileName(request);
    if (!path)
        return;
    saveArchiveFile(archiveFiles, *path, storage, ui.messages);
}

// --- dialogs and help -----------------------------------------------------------

void TVeltraMDIClient::communicationSettings() {
    TCommSetupDialog dialog(this);
    ui.dialogs.run(dialog);
}

void TVeltraMDIClient::toggleSerialTrace() {
    if (SerialTrace::enabled()) {
        SerialTrace::disable();
        return;
    }
    fileDialogRequest request;
    request.caption = "Serial Trace File";
    request.filterName = "Trace files (*.txt)";
    request.pattern = "*.txt";
    request.defaultExtension = "txt";
    const auto path = ui.files.saveFileName(request);
    if (path && !SerialTrace::enable(*path))
        ui.messages.show({"The serial trace file " + *path + " could not be opened for writing.", " WARNING",
                          MessageIcon::Exclamation});
}

void TVeltraMDIClient::radioInformation() {
    TRadioInfoDialog dialog(this, storage);
    ui.dialogs.run(dialog);
}

void TVeltraMDIClient::about() {
    TVeltraAboutDlg dialog(window());
    ui.dialogs.run(dialog);
}

void TVeltraMDIClient::showHelp(int context) {
    if (!help)
        help = new THelpViewer(window());
    help->showContext(context);
}

void TVeltraMDIClient::contextHelp() {
    const auto context = helpContextForScreen(appState.openScreenId);
    showHelp(context ? *context : HELP_CONTENTS);
}

THelpViewer* TVeltraMDIClient::helpViewer() const {
    return help;
}
