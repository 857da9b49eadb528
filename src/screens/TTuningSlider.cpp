#include "screens/TTuningSlider.h"

#include <QStyleOptionSlider>

void TTuningSlider::mouseMoveEvent(QMouseEvent* event) {
    const int before = sliderPosition();
    QScrollBar::mouseMoveEvent(event);
    if (isSliderDown() && sliderPosition() == before)
        emit thumbRepeated();
}

void TTuningSlider::initStyleOption(QStyleOptionSlider* option) const {
    QScrollBar::initStyleOption(option);
    option->pageStep = 0;
}
