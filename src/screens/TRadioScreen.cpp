#include "screens/TRadioScreen.h"

#include "link/LinkErrors.h"
#include "link/ProgramDirectory.h"
#include "operations/ApplicationState.h"
#include "operations/radioCommands.h"
#include "operations/radioConnection.h"
#include "operations/radioOperations.h"
#include "screens/ScreenTexts.h"

#include <QApplication>
#include <QCloseEvent>

TRadioScreen::TRadioScreen(const ScreenContext& context, const radioScreenIdentity& identity, QWidget* parent)
    : QWidget(parent), context_(context), identity_(identity) {
    setWindowTitle(title());
}

TRadioScreen::~TRadioScreen() {
    if (opened_ && !restored_)
        restoreRadio();
}

void TRadioScreen::claimScreenNumber() {
    opened_ = true;
    context_.state.openScreenId = identity_.number;
}

// ---- Connection ---------------------------------------------------------------

bool TRadioScreen::openConnection() {
    if (connectionOpen_ || closePending_)
        return true;
    try {
        connection_ = context_.operations.connector().connect();
    } catch (const Exception&) {
        // Whatever stops the port from opening, the technician's remedy is the
        // same: free the port.
        connection_.reset();
        closePending_ = false;
        report(screenTexts::PORT_IN_USE);
        return false;
    }
    connectionOpen_ = true;
    return true;
}

void TRadioScreen::closeConnection() {
    connection_.reset();
    connectionOpen_ = false;
    closePending_ = false;
    connectionClosed();
}

EnhancedSBEP& TRadioScreen::radio() {
    return connection_->protocol();
}

// ---- Serial number --------------------------------------------------------------

bool TRadioScreen::serialMatches() {
    return radioOperations::verifySerialNo(context_.image, radio());
}

bool TRadioScreen::checkSerial() {
    if (serialMatches())
        return true;
    onSerialMismatch();
    return false;
}

void TRadioScreen::onSerialMismatch() {
    closeConnection();
    const UserMessage prompt{std::string(identity_.mismatchPrompt),
                             std::string(screenTexts::MISMATCH_CAPTION), MessageIcon::Information};
    if (context_.presenter.ask(prompt, MessageButtons::OkCancel) != MessageAnswer::Ok)
        return;
    if (context_.readRadio) {
        context_.readRadio();
    } else {
        // Without a main window: the same command, without its progress window.
        NoProgress progress;
        radioCommandContext read{context_.image,
                                 context_.state,
                                 context_.operations,
                                 context_.presenter,
                                 progress,
                                 programDirectory(),
                                 {},
                                 {}};
        readRadioCommand(read);
    }
    refreshAfterRead();
}

// ---- Opening and closing ------------------------------------------------------------

void TRadioScreen::runOpeningSequence(const std::function<void(EnhancedSBEP&)>& enterRadio) {
    closePending_ = false;
    connectionOpen_ = false;
    if (!openConnection()) {
        context_.state.openScreenId = 0;
        return;
    }
    radioReached_ = true;
    try {
        if (serialMatches())
            closeConnection();
        else
            onSerialMismatch(); // the screen opens on whatever radio is on the line
        if (!openConnection()) {
            context_.state.openScreenId = 0;
            return;
        }
        enterRadio(radio());
    } catch (const Exception&) {
        showCommunicationError();
        context_.state.openScreenId = 0;
    }
    closeConnection();
}

void TRadioScreen::restoreRadio() {
    restored_ = true;
    context_.state.openScreenId = 0;
    // A screen whose opening never reached the port has nothing to undo (and
    // the port message was shown already).
    if (!radioReached_ || !openConnection())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        switch (identity_.restore) {
        case restoreRule::DEKEY_THEN_RESET:
        case restoreRule::DEKEY_RESET_NOTED:
            radio().dekey(); // a failed dekey skips the reset
            radio().resetRadio();
            break;
        case restoreRule::RESET_ONLY:
            radio().resetRadio();
            break;
        }
    } catch (const Exception&) {
        if (identity_.restore == restoreRule::DEKEY_RESET_NOTED)
            showCommunicationError();
    }
    closeConnection();
    QApplication::restoreOverrideCursor();
}

void TRadioScreen::closeEvent(QCloseEvent* event) {
    // An action waiting for the read of a new radio runs events; the window
    // must outlive it.
    if (busy_ != 0) {
        event->ignore();
        return;
    }
    // A closed frame is deleted later, when the radio image and the
    // connection it is reached through may be gone already: restore now.
    aboutToClose();
    if (opened_ && !restored_)
        restoreRadio();
    QWidget::closeEvent(event);
}

// ---- Messages and actions -----------------------------------------------------------

void TRadioScreen::report(const UserMessage& message) const {
    context_.presenter.show(message);
}

void TRadioScreen::showCommunicationError() const {
    report(screenTexts::COMMUNICATION_ERROR);
}

bool TRadioScreen::beginAction() {
    if (busy_ != 0)
        return false;
    ++busy_;
    return true;
}

void TRadioScreen::endAction() {
    --busy_;
    if (busy_ == 0)
        actionEnded();
}
