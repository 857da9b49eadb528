#include "screens/TVeltraSpinner.h"

#include "screens/TVeltraEditBox.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace {

constexpr int FIRST_REPEAT_MS = 400;
constexpr int REPEAT_MS = 80;

} // namespace

TVeltraSpinner::TVeltraSpinner(QLineEdit& buddy, QWidget* parent) : QWidget(parent), buddy_(buddy) {
    setFocusPolicy(Qt::NoFocus);
    repeat_.setSingleShot(false);
    connect(&repeat_, &QTimer::timeout, this, [this] {
        repeat_.setInterval(REPEAT_MS);
        step();
    });
}

void TVeltraSpinner::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    position_ = std::clamp(position_, minimum_, maximum_);
}

void TVeltraSpinner::setPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
}

void TVeltraSpinner::step() {
    // The field may have been edited since the last step.
    const int base = std::clamp(TVeltraEditBox::convert(buddy_.text()), minimum_, maximum_);
    position_ = std::clamp(base + direction_, minimum_, maximum_);
    buddy_.setText(QString::number(position_));
}

void TVeltraSpinner::click(int direction) {
    if (!isEnabled())
        return;
    direction_ = direction > 0 ? 1 : -1;
    step();
    direction_ = 0;
    emit endScroll();
}

void TVeltraSpinner::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || direction_ != 0)
        return;
    direction_ = event->position().y() < height() / 2.0 ? 1 : -1;
    step();
    repeat_.start(FIRST_REPEAT_MS);
    update();
}

void TVeltraSpinner::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || direction_ == 0)
        return;
    repeat_.stop();
    direction_ = 0;
    update();
    emit endScroll();
}

void TVeltraSpinner::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        const bool held = (i == 0 && direction_ > 0) || (i == 1 && direction_ < 0);
        button.state |= held ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawControl(QStyle::CE_PushButtonBevel, &button, &painter, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = halves[i].adjusted(3, 1, -3, -1);
        style()->drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &arrow,
                               &painter, this);
    }
}
