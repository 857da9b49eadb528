// The progress window of Read Radio and Program All: the picture title.bmp
// from the program directory, the operation's title, a text line that counts
// "5% Complete" and so on, and a gauge. It closes itself 10 ms after the gauge
// reaches 96 %; a click closes it once the gauge is past 94 %.
#pragma once

#include "operations/UserMessage.h"

#include <QPixmap>
#include <QWidget>

class QLabel;
class QProgressBar;

class TProgressWindow : public QWidget, public ProgressSink {
    Q_OBJECT
public:
    static constexpr int WIDTH = 550;
    static constexpr int HEIGHT = 400;

    TProgressWindow(QWidget* parent, const QString& picturePath, const QString& title);

    // Called on the window's own thread.
    void setProgress(int percent, const std::string& text) override;
    void setGauge(int percent) override;

    int gauge() const;
    QString lineText() const;
    QString titleText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap picture;
    QLabel* title = nullptr;
    QLabel* line = nullptr;
    QProgressBar* bar = nullptr;
    bool closing = false;
};
