// The working field of a tuning row: takes at most three of the characters
// "0-9.", is bound to the row's slider and keeps the row's range. Enter
// checks the range and tells the screen; leaving the field clamps the text
// and moves the slider without telling anybody (nothing reaches the radio).
#pragma once

#include <QLineEdit>

class MessagePresenter;
class QScrollBar;

class TVeltraEditBox : public QLineEdit {
    Q_OBJECT
public:
    TVeltraEditBox(MessagePresenter& presenter, QScrollBar& slider, int minimum, int maximum,
                   QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    // The text as the radio gets it: decimal digits up to the first other
    // character, 0 for none.
    int value() const;
    static int convert(const QString& text);

    // What Enter and losing the focus do, callable without a keyboard.
    void enter();
    void leave();

signals:
    void valueEntered();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    MessagePresenter& presenter_;
    QScrollBar& slider_;
    int minimum_;
    int maximum_;
};
