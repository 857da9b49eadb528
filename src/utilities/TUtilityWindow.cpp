#include "utilities/TUtilityWindow.h"

#include "link/LinkErrors.h"
#include "link/ProgramDirectory.h"
#include "operations/ApplicationState.h"
#include "operations/radioCommands.h"
#include "operations/radioConnection.h"
#include "operations/radioOperations.h"
#include "screens/ScreenTexts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMdiSubWindow>

#include <algorithm>
#include <cmath>

namespace {

constexpr int FONT_PIXELS = 12;
constexpr int FIELD_HEIGHT = 20;
constexpr int WINDOW_X = 50;
constexpr int WINDOW_Y = 50;

QFont utilityFont() {
    // Laid out for Times New Roman, like the tuning screens; Liberation Serif
    // has its metrics.
    QFont font;
    const QStringList families = QFontDatabase::families();
    for (const char* family : {"Times New Roman", "Liberation Serif"}) {
        if (families.contains(QString::fromLatin1(family))) {
            font.setFamily(QString::fromLatin1(family));
            break;
        }
    }
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(FONT_PIXELS);
    return font;
}

} // namespace

TUtilityWindow::TUtilityWindow(QWidget* parent, const ScreenContext& context, int screenNumber,
                               const QString& title)
    : QWidget(parent), ctx(context), number(screenNumber) {
    setWindowTitle(title);
    const QFont font = utilityFont();
    setFont(font);
    const QFontMetrics metrics(font);
    scale = std::max(1.0, (metrics.height() + 6) / static_cast<double>(FIELD_HEIGHT));
    ctx.state.openScreenId = number;
}

TUtilityWindow::~TUtilityWindow() {
    connection.reset();
    if (ctx.state.openScreenId == number)
        ctx.state.openScreenId = 0;
}

bool TUtilityWindow::refused() const {
    return ctx.state.openScreenId != number;
}

void TUtilityWindow::closeWindow() {
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* child = qobject_cast<QMdiSubWindow*>(w)) {
            child->close();
            return;
        }
    }
    close();
}

void TUtilityWindow::report(const UserMessage& message) const {
    ctx.presenter.show(message);
}

void TUtilityWindow::reportCommunicationError() const {
    report(screenTexts::COMMUNICATION_ERROR);
}

MessageAnswer TUtilityWindow::ask(const UserMessage& message, MessageButtons buttons) const {
    return ctx.presenter.ask(message, buttons);
}

void TUtilityWindow::giveUp() const {
    ctx.state.openScreenId = 0;
}

bool TUtilityWindow::openConnection() {
    if (connection)
        return true;
    try {
        connection = ctx.operations.connector().connect();
    } catch (const Exception&) {
        connection.reset();
        report(screenTexts::PORT_IN_USE);
        return false;
    }
    return true;
}

void TUtilityWindow::closeConnection() {
    connection.reset();
}

EnhancedSBEP& TUtilityWindow::radio() {
    return connection->protocol();
}

bool TUtilityWindow::serialMatches() {
    return radioOperations::verifySerialNo(ctx.image, radio());
}

bool TUtilityWindow::askReadNewRadio(std::string_view prompt) {
    closeConnection();
    const UserMessage question{std::string(prompt), std::string(screenTexts::MISMATCH_CAPTION),
                               MessageIcon::Information};
    if (ask(question, MessageButtons::OkCancel) != MessageAnswer::Ok)
        return false;
    if (ctx.readRadio) {
        ctx.readRadio();
    } else {
        NoProgress progress;
        radioCommandContext read{
            ctx.image, ctx.state, ctx.operations, ctx.presenter, progress, programDirectory(), {}, {}};
        readRadioCommand(read);
    }
    return true;
}

QRect TUtilityWindow::scaled(int x, int y, int w, int h) const {
    const auto s = [this](int v) { return static_cast<int>(std::lround(v * scale)); };
    return {s(x), s(y), s(w), s(h)};
}

void TUtilityWindow::placeWindow(int width, int height) {
    const QRect r = scaled(WINDOW_X, WINDOW_Y, width, height);
    resize(r.size());
    setMinimumSize(r.size());
    move(r.topLeft());
}

TUtilityWindow::busyCursor::busyCursor() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

TUtilityWindow::busyCursor::~busyCursor() {
    QGuiApplication::restoreOverrideCursor();
}
