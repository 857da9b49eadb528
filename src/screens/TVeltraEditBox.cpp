#include "screens/TVeltraEditBox.h"

#include "operations/UserMessage.h"
#include "screens/ScreenTexts.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QScrollBar>

#include <cstdio>

namespace {

constexpr int MAX_CHARACTERS = 3;
constexpr int READ_CHARACTERS = 9; // what Enter reads of the text

} // namespace

TVeltraEditBox::TVeltraEditBox(MessagePresenter& presenter, QScrollBar& slider, int minimum, int maximum,
                               QWidget* parent)
    : QLineEdit(parent), presenter_(presenter), slider_(slider), minimum_(minimum), maximum_(maximum) {
    setMaxLength(MAX_CHARACTERS);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]{0,3}")), this));
}

void TVeltraEditBox::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

int TVeltraEditBox::convert(const QString& text) {
    int result = 0;
    for (QChar c : text.left(READ_CHARACTERS)) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        result = result * 10 + (c.unicode() - '0');
    }
    return result;
}

int TVeltraEditBox::value() const {
    return convert(text());
}

void TVeltraEditBox::enter() {
    const int v = value();
    if (v < minimum_ || v > maximum_) {
        char buffer[96];
        std::snprintf(buffer, sizeof buffer, screenTexts::OUT_OF_RANGE_VALUE, v);
        std::string text = buffer;
        std::snprintf(buffer, sizeof buffer, screenTexts::OUT_OF_RANGE_BOUNDS, minimum_);
        text += buffer;
        text += std::to_string(maximum_);
        presenter_.show({text, std::string(screenTexts::OUT_OF_RANGE_CAPTION), MessageIcon::Exclamation});
        return;
    }
    slider_.setValue(v);
    emit valueEntered();
}

void TVeltraEditBox::leave() {
    const QString current = text();
    const int v = value();
    int clamped = v;
    if (current.isEmpty() || v < minimum_)
        clamped = minimum_;
    else if (v > maximum_)
        clamped = maximum_;
    if (clamped != v || current.isEmpty())
        setText(QString::number(clamped));
    slider_.setValue(clamped);
}

void TVeltraEditBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        enter();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TVeltraEditBox::focusOutEvent(QFocusEvent* event) {
    // A message box or another application taking the window's focus is not
    // the technician leaving the field.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason &&
        isEnabled())
        leave();
    QLineEdit::focusOutEvent(event);
}
