// Dialog layouts are given in dialog units: a quarter of the average
// character width across and an eighth of the character height down, of the
// dialog's font. This turns them into pixels for the font in use, so the
// layouts keep their proportions with whatever font the desktop has.
#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QWidget>

class dialogUnits {
public:
    explicit dialogUnits(const QWidget& widget) {
        const QFontMetrics fm(widget.font());
        const QString sample = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        baseX = (fm.horizontalAdvance(sample) / 26.0 + 1) / 2.0;
        baseY = fm.height();
    }
    int x(int du) const { return static_cast<int>(du * baseX / 4.0 + 0.5); }
    int y(int du) const { return static_cast<int>(du * baseY / 8.0 + 0.5); }
    QRect rect(int dx, int dy, int dw, int dh) const { return {x(dx), y(dy), x(dw), y(dh)}; }
    QSize size(int dw, int dh) const { return {x(dw), y(dh)}; }

private:
    double baseX = 6;
    double baseY = 13;
};
