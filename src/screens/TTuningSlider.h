// The slider of a tuning row. Besides the usual actions it reports mouse
// moves of a drag that leave the position where it was: the screen treats
// them as a repeated thumb position, which is what ends a drag's held
// connection.
#pragma once

#include <QScrollBar>

class TTuningSlider : public QScrollBar {
    Q_OBJECT
public:
    explicit TTuningSlider(QWidget* parent = nullptr) : QScrollBar(Qt::Horizontal, parent) {}

signals:
    void thumbRepeated();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    // A thumb of fixed size, as the classic scroll bar has, instead of one
    // that grows with the page step.
    void initStyleOption(QStyleOptionSlider* option) const override;
};
