#include "shell/TProgressWindow.h"

#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QTimer>
#include <algorithm>

TProgressWindow::TProgressWindow(QWidget* parent, const QString& picturePath, const QString& titleText)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), picture(picturePath) {
    setWindowTitle(titleText);
    setFixedSize(WIDTH, HEIGHT);
    // Nothing else of the application takes input while the sequence runs.
    setWindowModality(Qt::ApplicationModal);

    // The lower band of the picture is left plain for these.
    title = new QLabel(titleText, this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    title->setFont(bold);
    title->setGeometry(20, HEIGHT - 96, WIDTH - 40, 24);
    line = new QLabel(this);
    line->setGeometry(20, HEIGHT - 68, WIDTH - 40, 20);
    bar = new QProgressBar(this);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->setGeometry(20, HEIGHT - 42, WIDTH - 40, 22);

    if (parent) {
        const QPoint centre = parent->mapToGlobal(parent->rect().center());
        move(centre.x() - WIDTH / 2, centre.y() - HEIGHT / 2);
    }
}

void TProgressWindow::setProgress(int percent, const std::string& text) {
    line->setText(QString::fromStdString(text));
    setGauge(percent);
}

void TProgressWindow::setGauge(int percent) {
    bar->setValue(std::clamp(percent, 0, 100));
    if (percent >= 96 && !closing) {
        closing = true;
        QTimer::singleShot(10, this, &QWidget::hide);
    }
}

int TProgressWindow::gauge() const {
    return bar->value();
}
QString TProgressWindow::lineText() const {
    return line->text();
}
QString TProgressWindow::titleText() const {
    return title->text();
}

void TProgressWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0xF4, 0xF4, 0xF0));
    if (!picture.isNull())
        p.drawPixmap(0, 0, picture);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TProgressWindow::mousePressEvent(QMouseEvent*) {
    if (bar->value() > 94)
        hide();
}
