#include "screens/screenPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int SIZE = 25;

QPixmap canvas() {
    QPixmap pixmap(SIZE, SIZE);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QIcon pttPicture() {
    // A microphone with two waves: the radio transmits.
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(QColor(200, 30, 30));
    p.drawRoundedRect(QRectF(8.5, 3.5, 8, 12), 4, 4);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5.5, 6.5, 14, 12), 180 * 16, 180 * 16);
    p.drawLine(QPointF(12.5, 18.5), QPointF(12.5, 22.5));
    p.drawLine(QPointF(8.5, 22.5), QPointF(16.5, 22.5));
    p.setPen(QPen(QColor(200, 30, 30), 1.2));
    p.drawArc(QRectF(1.5, 4.5, 6, 9), 100 * 16, 160 * 16);
    p.drawArc(QRectF(17.5, 4.5, 6, 9), -80 * 16, 160 * 16);
    return QIcon(pixmap);
}

QIcon programPicture() {
    // An arrow into a memory chip: the value is stored in the radio.
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(QRectF(5.5, 13.5, 14, 8));
    for (int i = 0; i < 4; ++i) {
        const double x = 7.5 + i * 3.3;
        p.drawLine(QPointF(x, 21.5), QPointF(x, 24));
        p.drawLine(QPointF(x, 13.5), QPointF(x, 11.5));
    }
    QPainterPath arrow;
    arrow.moveTo(12.5, 11);
    arrow.lineTo(7.5, 5.5);
    arrow.lineTo(10.5, 5.5);
    arrow.lineTo(10.5, 0.5);
    arrow.lineTo(14.5, 0.5);
    arrow.lineTo(14.5, 5.5);
    arrow.lineTo(17.5, 5.5);
    arrow.closeSubpath();
    p.setBrush(QColor(30, 140, 40));
    p.drawPath(arrow);
    return QIcon(pixmap);
}
