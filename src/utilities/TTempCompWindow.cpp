#include "utilities/TTempCompWindow.h"

#include "link/EnhancedSBEP.h"
#include "link/LinkErrors.h"
#include "link/SBEPFrame.h"
#include "model/convertUtil.h"
#include "model/radioStorage.h"
#include "shell/screenRegistry.h"
#include "utilities/utilityTexts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <memory>

namespace {

constexpr int TEMP_COMP_BYTES = 4;
constexpr std::size_t FIRST_BYTE = 3; // after header, opcode and the echoed type
constexpr int FIELD_READ_LIMIT = 9;   // what Program reads of the field

QString fromText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TTempCompWindow::TTempCompWindow(QWidget* parent, const ScreenContext& context, const QString& title,
                                 mode windowMode)
    : TUtilityWindow(parent, context, windowMode == mode::READ ? READ_SCREEN : WRITE_SCREEN, title),
      m(windowMode) {
    placeWindow(460, 170);
    const bool reading = m == mode::READ;
    auto* text = new QLabel(
        fromText(reading ? utilityTexts::TEMP_COMP_READ_LABEL : utilityTexts::TEMP_COMP_WRITE_LABEL), this);
    text->setGeometry(scaled(20, 20, 140, 20));
    entry = new QLineEdit(this);
    entry->setObjectName(QStringLiteral("entry%1").arg(ENTRY_ID));
    entry->setGeometry(scaled(170, 20, 100, 20));
    if (reading) {
        entry->setEnabled(false);
    } else {
        entry->setMaxLength(DIGITS);
        entry->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Fa-f0-9]*")), entry));
    }
    action =
        new QPushButton(fromText(reading ? utilityTexts::CLOSE_BUTTON : utilityTexts::PROGRAM_BUTTON), this);
    action->setObjectName(QStringLiteral("command%1").arg(BUTTON_COMMAND));
    action->setGeometry(scaled(170, 80, 100, 30));
    connect(action, &QPushButton::clicked, this, &TTempCompWindow::buttonPressed);
}

QString TTempCompWindow::displayText(const std::array<int, 4>& bytes) {
    QString text;
    for (const int b : bytes)
        text += QString::asprintf("%.2x", static_cast<unsigned>(b & 0xFF));
    return text;
}

bool TTempCompWindow::open() {
    if (m == mode::WRITE)
        return true;
    if (!readBytes()) {
        giveUp();
        return false;
    }
    std::array<int, 4> bytes{};
    for (int i = 0; i < TEMP_COMP_BYTES; ++i)
        bytes[static_cast<std::size_t>(i)] = image().getSoftpot(ROW_RADIO_INFO, COL_TEMP_COMP_1 + i);
    entry->setText(displayText(bytes));
    return true;
}

bool TTempCompWindow::readBytes() {
    if (!openConnection())
        return false;
    sbep::ReplyBuffer reply{};
    try {
        radio().readTempComp(reply);
    } catch (const Exception&) {
        closeConnection();
        report(utilityTexts::TEMP_COMP_NOT_READ);
        return false;
    }
    closeConnection();
    // A radio that does not know the request, or a reply without the four
    // bytes, must not show as data.
    if (sbep::frameOpcode(reply) == sbep::OP_UNSUPPORTED ||
        sbep::framePayload(reply).size() < FIRST_BYTE - 2 + TEMP_COMP_BYTES) {
        report(utilityTexts::TEMP_COMP_NOT_READ);
        return false;
    }
    for (int i = 0; i < TEMP_COMP_BYTES; ++i)
        image().setSoftpot(ROW_RADIO_INFO, reply[FIRST_BYTE + static_cast<std::size_t>(i)],
                           COL_TEMP_COMP_1 + i);
    return true;
}

void TTempCompWindow::buttonPressed() {
    if (m == mode::READ)
        closeWindow();
    else
        programBytes();
}

void TTempCompWindow::programBytes() {
    const QString digits = entry->text().left(FIELD_READ_LIMIT);
    if (digits.size() != DIGITS) {
        report(utilityTexts::TEMP_COMP_LENGTH);
        return;
    }
    const std::string text = digits.toStdString();
    std::array<std::uint8_t, TEMP_COMP_BYTES> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] =
            static_cast<std::uint8_t>(convertUtil::hexToInt(std::string_view(text).substr(2 * i, 2), 2));
    if (!openConnection())
        return;
    try {
        radio().writeSoftpotBytes(TEMP_COMP_TYPE, MODE_STORE, bytes);
        report(utilityTexts::TEMP_COMP_WRITTEN);
    } catch (const Exception&) {
        report(utilityTexts::TEMP_COMP_NOT_WRITTEN);
    }
    closeConnection();
}

namespace {

QWidget* makeTempComp(const screenRequest& request, TTempCompWindow::mode m) {
    auto window = std::make_unique<TTempCompWindow>(request.parent, request.context,
                                                    QString::fromUtf8(request.row.title), m);
    if (!window->open())
        return nullptr;
    return window.release();
}

} // namespace

QWidget* makeTempCompReadWindow(const screenRequest& request) {
    return makeTempComp(request, TTempCompWindow::mode::READ);
}

QWidget* makeTempCompWriteWindow(const screenRequest& request) {
    return makeTempComp(request, TTempCompWindow::mode::WRITE);
}
