// The up-down control beside a working field. Like its forebear it takes its
// position from the field's text before every step, writes the new position
// back as "%d", repeats while a button is held, and reports the end of a
// click (the moment the screen talks to the radio) when the button is let go.
#pragma once

#include <QTimer>
#include <QWidget>

class QLineEdit;

class TVeltraSpinner : public QWidget {
    Q_OBJECT
public:
    TVeltraSpinner(QLineEdit& buddy, QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    void setPosition(int position);
    int position() const { return position_; }

    // One click on the upper (+1) or lower (-1) arrow, pressed and let go.
    void click(int direction);

signals:
    void endScroll();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void step();

    QLineEdit& buddy_;
    QTimer repeat_;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
    int direction_ = 0; // of the button held, 0 when none
};
