#include "utilities/TSerialProgramWindow.h"

#include "link/EnhancedSBEP.h"
#include "link/LinkErrors.h"
#include "model/radioStorage.h"
#include "shell/screenRegistry.h"
#include "utilities/utilityTexts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QValidator>

#include <memory>

namespace {

constexpr std::string_view SERIAL_PUNCTUATION = "*#_~!@%&()-+=|{}[];:'?/<>,`.";

class serialCharacterValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (const QChar c : input) {
            if (!TSerialNoEdit::accepts(c))
                return Invalid;
        }
        return Acceptable;
    }
};

} // namespace

TSerialNoEdit::TSerialNoEdit(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(MAX_CHARACTERS);
    setValidator(new serialCharacterValidator(this));
}

bool TSerialNoEdit::accepts(QChar c) {
    const char16_t u = c.unicode();
    if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9'))
        return true;
    return u < 0x80 && SERIAL_PUNCTUATION.find(static_cast<char>(u)) != std::string_view::npos;
}

void TSerialNoEdit::keyPressEvent(QKeyEvent* event) {
    QLineEdit::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit valueEntered(VALUE_ENTERED);
}

radioChangedError::radioChangedError()
    : std::runtime_error(std::string(utilityTexts::RADIO_CHANGED_PROMPT)) {}

TSerialProgramWindow::TSerialProgramWindow(QWidget* parent, const ScreenContext& context,
                                           const QString& title)
    : TUtilityWindow(parent, context, SCREEN_NUMBER, title) {
    placeWindow(460, 170);
    auto* text = new QLabel(QString::fromUtf8(utilityTexts::NEW_SERIAL_LABEL.data()), this);
    text->setGeometry(scaled(20, 20, 140, 20));
    entry = new TSerialNoEdit(this);
    entry->setObjectName(QStringLiteral("entry%1").arg(ENTRY_ID));
    entry->setGeometry(scaled(170, 20, 100, 20));
    update = new QPushButton(QString::fromUtf8(utilityTexts::UPDATE_BUTTON.data()), this);
    update->setObjectName(QStringLiteral("command%1").arg(UPDATE_COMMAND));
    update->setGeometry(scaled(170, 80, 100, 30));
    connect(update, &QPushButton::clicked, this, &TSerialProgramWindow::program);
    connect(entry, &TSerialNoEdit::valueEntered, this, &TSerialProgramWindow::program);
}

bool TSerialProgramWindow::open() {
    if (!openConnection()) {
        giveUp();
        return false;
    }
    bool same = false;
    try {
        same = serialMatches();
    } catch (const Exception&) {
        closeConnection();
        reportCommunicationError();
        giveUp();
        return false;
    }
    closeConnection();
    if (!same) {
        giveUp();
        throw radioChangedError();
    }
    return true;
}

void TSerialProgramWindow::program() {
    if (!openConnection())
        return;
    try {
        if (!serialMatches()) {
            closeConnection();
            report(utilityTexts::RADIO_CHANGED_CLOSE);
            return;
        }
        const std::string serial = entry->text().left(static_cast<qsizetype>(SERIAL_LENGTH)).toStdString();
        if (serial.size() < SERIAL_LENGTH) {
            closeConnection();
            report(utilityTexts::SERIAL_LENGTH);
            return;
        }
        radio().writeSerialNumber(serial);
        report(utilityTexts::SERIAL_PROGRAMMED);
    } catch (const Exception&) {
        reportCommunicationError();
    }
    closeConnection();
}

QWidget* makeSerialProgramWindow(const screenRequest& request) {
    auto window = std::make_unique<TSerialProgramWindow>(request.parent, request.context,
                                                         QString::fromUtf8(request.row.title));
    // A mismatch throws on to the shell, after the window has gone.
    if (!window->open())
        return nullptr;
    return window.release();
}
