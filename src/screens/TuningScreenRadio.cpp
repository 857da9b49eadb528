// The radio side of the tuning pattern: connections, the opening sequence,
// the setup of the fields, and the reactions to slider, spinner, Enter,
// "PTT Toggle", "Program" and closing.
#include "screens/TuningScreen.h"

#include "link/EnhancedSBEP.h"
#include "link/LinkErrors.h"
#include "model/RF_Frequency.h"
#include "model/radioStorage.h"
#include "model/softpotBase.h"
#include "operations/ApplicationState.h"
#include "screens/ScreenTexts.h"
#include "screens/TTuningSlider.h"
#include "screens/TVeltraEditBox.h"
#include "screens/TVeltraSpinner.h"

#include <QLineEdit>

#include <array>

namespace {

constexpr int PROGRAM_CHARACTERS = 3; // what Program reads of a working field

} // namespace

void TuningScreen::connectionClosed() {
    // What a slider step checked and prepared holds for its connection only:
    // the next connection may reach another radio, and any other action may
    // have moved the channel meanwhile.
    pointPrepared_.fill(false);
}

void TuningScreen::refreshAfterRead() {
    // Before the first setup there is nothing to refresh: the setup that
    // follows the opening reads the new data.
    if (setupDone_)
        setupFields();
}

// ---- Points -------------------------------------------------------------------

tuningPoint TuningScreen::choosePoint(int row) const {
    const radioStorage& image = TRadioScreen::image();
    RF_Frequency frequency;
    int index = row + 1;
    switch (description_.point) {
    case pointRule::BY_ROW:
        break;
    case pointRule::LOWEST_TX:
        index = frequency.firstTxPoint(image);
        break;
    case pointRule::MIDDLE_TX:
        index = frequency.middleTxPoint(image);
        break;
    case pointRule::HIGHEST_TX:
        index = frequency.lastTxPoint(image);
        break;
    case pointRule::MIDDLE_RX:
        index = frequency.middleRxPoint(image);
        break;
    }
    tuningPoint p;
    p.index = index;
    p.txCode = RF_Frequency::txCode(image, index);
    switch (description_.receive) {
    case receiveRule::SAME_INDEX:
        p.rxCode = RF_Frequency::rxCode(image, index);
        break;
    case receiveRule::F1:
        p.rxCode = RF_Frequency::rxCode(image, 1);
        break;
    case receiveRule::HIGHEST_RX:
        p.rxCode = frequency.lastRxCode(image);
        break;
    }
    const int own = description_.transmit() ? p.txCode : RF_Frequency::rxCode(image, index);
    p.present = description_.alwaysPresent || own != 0;
    return p;
}

void TuningScreen::refreshPoints() {
    for (int row = 0; row < rowCount(); ++row)
        points_[row] = choosePoint(row);
}

void TuningScreen::setChannel(EnhancedSBEP& radio, int row, channelCall call) {
    const tuningPoint& p = points_[row];
    switch (call) {
    case channelCall::PAIR:
        radio.setChannelPair(p.txCode, CHANNEL_MODE, p.rxCode, CHANNEL_MODE);
        break;
    case channelCall::RECEIVE_ONLY:
        radio.setChannel(p.rxCode, CHANNEL_MODE);
        break;
    case channelCall::NONE:
        break;
    }
}

void TuningScreen::preparePoint(EnhancedSBEP& radio, int row) {
    setChannel(radio, row, description_.prepareChannel);
    if (description_.transmit())
        keyedStatusText_ = keyedText(row);
    else
        setStatus(QString::asprintf(screenTexts::POINT_TUNED, frequencyMHz(points_[row].rxCode)));
}

void TuningScreen::liveWrite(EnhancedSBEP& radio, int value) {
    radio.writeSoftpot(description_.softpotType, WRITE_LIVE, static_cast<std::uint32_t>(value),
                       description_.valueSize);
}

bool TuningScreen::programPoint(EnhancedSBEP& radio, int, int value) {
    radio.writeSoftpot(description_.softpotType, WRITE_STORE, static_cast<std::uint32_t>(value),
                       description_.valueSize);
    return true;
}

// ---- Opening and setup ----------------------------------------------------------

void TuningScreen::setInitialChannel(EnhancedSBEP& radio) {
    // Seven-point screens start on F1, one-point screens on their point.
    if (points_[0].present && (description_.kind == screenKind::ONE_POINT || points_[0].index == 1))
        setChannel(radio, 0, channelCall::PAIR);
}

void TuningScreen::prepareRadio() {
    setupDone_ = false;
    refreshPoints();
    runOpeningSequence([this](EnhancedSBEP& radio) {
        refreshPoints(); // the mismatch prompt may have read another radio
        if (description_.channelBeforeTestMode) {
            setInitialChannel(radio);
            enterTestMode(radio);
        } else {
            enterTestMode(radio);
            setInitialChannel(radio);
        }
    });
}

void TuningScreen::setupFields() {
    refreshPoints();
    bool selected = false;
    for (int row = 0; row < rowCount(); ++row) {
        rowControls& c = rows_[row];
        const tuningPoint& p = points_[row];
        c.slider->setRange(minimum_, maximum_);
        c.spinner->setRange(minimum_, maximum_);
        c.working->setRange(minimum_, maximum_);
        if (p.present) {
            const int value = storedValue(row);
            c.working->setText(QString::number(value));
            c.defaultValue->setText(QString::number(value));
            c.spinner->setPosition(value);
            c.slider->setValue(value);
            lastValue_[row] = value;
            const int code = description_.transmit() ? p.txCode : RF_Frequency::rxCode(image(), p.index);
            c.frequency->setText(QString::asprintf("%f", frequencyMHz(code)));
            if (!selected) {
                selectedRow_ = row;
                selected = true;
            }
        } else {
            c.working->clear();
            c.defaultValue->clear();
            c.frequency->setText(QString::fromUtf8(screenTexts::UNSUPPORTED.data()));
        }
        c.slider->setEnabled(p.present);
        c.working->setEnabled(p.present);
        c.spinner->setEnabled(p.present);
    }
    if (!selected)
        selectedRow_ = 0;
    currentValue_ = storedValue(0);
    if (description_.transmit()) {
        setStatus(QString::fromUtf8(screenTexts::DEKEYED.data()));
        keyedStatusText_ = keyedText(0);
    } else {
        setStatus(QString::fromUtf8(screenTexts::NO_POINT_SELECTED.data()));
    }
    setupExtras();
    setupDone_ = true;
}

// ---- Tuning ---------------------------------------------------------------------

void TuningScreen::onSlider(int row, sliderCode code) {
    if (code == sliderCode::OTHER || !openConnection())
        return;
    selectedRow_ = row;
    const int value = rows_[row].slider->sliderPosition();
    currentValue_ = value;
    const bool transmit = description_.transmit();
    try {
        if (transmit && keyed_ && keyedRow_ != row) {
            radio().dekey();
            setStatus(QString::fromUtf8(screenTexts::DEKEYED.data()));
            keyed_ = false;
        }
        if (!pointPrepared_[row]) {
            if (!checkSerial())
                return;
            if (!transmit || !keyed_)
                preparePoint(radio(), row);
            // The channel is now this row's: another row's drag must set its own again.
            pointPrepared_.fill(false);
            pointPrepared_[row] = true;
        }
        if (!transmit || keyed_)
            liveWrite(radio(), value);
    } catch (const Exception&) {
        showCommunicationError();
        closeConnection();
        return;
    }
    rows_[row].spinner->setPosition(value);
    rows_[row].working->setText(QString::number(value));
    if (code == sliderCode::THUMB_TRACK) {
        if (value == lastValue_[row])
            setClosePending();
        else
            lastValue_[row] = value;
        return;
    }
    lastValue_[row] = value;
    closeConnection();
}

void TuningScreen::onEndScroll(int) {
    if (isClosePending())
        closeConnection();
}

void TuningScreen::onSpinnerEnd(int row) {
    onValueChosen(row, true);
}

void TuningScreen::onValueEntered(int row) {
    onValueChosen(row, false);
}

void TuningScreen::onValueChosen(int row, bool fromSpinner) {
    if (!openConnection())
        return;
    selectedRow_ = row;
    rowControls& c = rows_[row];
    if (!fromSpinner)
        c.spinner->setPosition(c.working->value());
    const int value = c.spinner->position();
    currentValue_ = value;
    const bool transmit = description_.transmit();
    try {
        if (transmit && keyed_ && keyedRow_ != row) {
            radio().dekey();
            setStatus(QString::fromUtf8(screenTexts::DEKEYED.data()));
            keyed_ = false;
        }
        if (!checkSerial())
            return;
        if (!transmit) {
            preparePoint(radio(), row);
            liveWrite(radio(), value);
        } else if (keyed_) {
            liveWrite(radio(), value);
        } else {
            preparePoint(radio(), row);
        }
    } catch (const Exception&) {
        showCommunicationError();
    }
    if (fromSpinner)
        c.slider->setValue(value);
    closeConnection();
}

void TuningScreen::togglePTT() {
    if (!description_.transmit() || !openConnection())
        return;
    try {
        if (keyed_) {
            radio().dekey();
            setStatus(QString::fromUtf8(screenTexts::DEKEYED.data()));
            keyed_ = false;
        } else {
            keyedRow_ = selectedRow_;
            radio().keyUp();
            keyed_ = true;
            setStatus(keyedStatusText_);
            liveWrite(radio(), currentValue_);
        }
    } catch (const Exception&) {
        showCommunicationError();
    }
    closeConnection();
}

// ---- Program --------------------------------------------------------------------

bool TuningScreen::validateValue(int value, bool fieldEmpty) {
    if (value > maximum_) {
        report({description_.abortedMessage, std::string(screenTexts::ABORTED_CAPTION),
                MessageIcon::Exclamation});
        return false;
    }
    if (fieldEmpty) {
        report({description_.emptyMessage, description_.emptyCaption, MessageIcon::Information});
        return false;
    }
    return true;
}

bool TuningScreen::programRows(EnhancedSBEP& radio) {
    std::array<int, MAX_ROWS> values{};
    for (int row = 0; row < rowCount(); ++row) {
        const QString text = rows_[row].working->text().left(PROGRAM_CHARACTERS);
        const int value = TVeltraEditBox::convert(text);
        values[row] = value;
        if (!points_[row].present) {
            if (description_.kind == screenKind::SEVEN_POINT)
                continue;
            if (description_.absent == absentProgram::SHOW_TYPED)
                showDefault(row, value);
            else if (description_.absent == absentProgram::VALIDATE_ONLY &&
                     !validateValue(value, text.isEmpty()))
                return false;
            continue;
        }
        if (!validateValue(value, text.isEmpty()))
            return false;
        setChannel(radio, row, description_.programChannel);
        if (!programPoint(radio, row, value))
            continue;
        if (description_.storeValues == commitTiming::EACH_POINT)
            storeValue(row, value);
        if (description_.showDefaults == commitTiming::EACH_POINT)
            showDefault(row, value);
    }
    afterProgramPoints(radio);
    for (int row = 0; row < rowCount(); ++row) {
        if (description_.storeValues == commitTiming::AFTER_ALL_POINTS)
            storeValue(row, values[row]);
        if (description_.showDefaults == commitTiming::AFTER_ALL_POINTS)
            showDefault(row, values[row]);
    }
    return true;
}

void TuningScreen::program() {
    if (!openConnection())
        return;
    try {
        if (!checkSerial())
            return;
        beforeCommitQuestion(radio());
        const UserMessage question{formatText(description_.commitQuestion),
                                   std::string(screenTexts::COMMIT_CAPTION), MessageIcon::Information};
        if (presenter().ask(question, MessageButtons::OkCancel) != MessageAnswer::Ok) {
            closeConnection();
            return;
        }
        if (description_.transmit()) {
            if (keyed_) {
                radio().dekey();
                setStatus(QString::fromUtf8(screenTexts::DEKEYED.data()));
                keyed_ = false;
            }
        } else {
            setStatus(QString::fromUtf8(screenTexts::NO_POINT_SELECTED.data()));
        }
        if (programRows(radio()) && description_.reprepareAfterProgram)
            preparePoint(radio(), selectedRow_);
    } catch (const Exception&) {
        showCommunicationError();
    }
    closeConnection();
}
