#include "shell/veltraSetupWindow.h"

#include "operations/ApplicationState.h"

#include <QPainter>

veltraSetupWindow::veltraSetupWindow(QWidget* parent, ApplicationState& s, bool isPortable,
                                     const QString& picturePath)
    : QWidget(parent), state(s), portable(isPortable), picture(picturePath) {
    state.openScreenId = portable ? PORTABLE_SCREEN : MOBILE_SCREEN;
    setFixedSize(WIDTH, HEIGHT);
    setAutoFillBackground(true);
}

veltraSetupWindow::~veltraSetupWindow() {
    state.openScreenId = 0;
    state.setupPictureOpen = false;
}

void veltraSetupWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    // Sunken client edge around a centred picture.
    p.setPen(palette().dark().color());
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(palette().light().color());
    p.drawLine(0, height() - 1, width() - 1, height() - 1);
    p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    if (!picture.isNull())
        p.drawPixmap((width() - picture.width()) / 2, (height() - picture.height()) / 2, picture);
}
