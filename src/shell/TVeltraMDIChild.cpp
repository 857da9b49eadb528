#include "shell/TVeltraMDIChild.h"

TVeltraMDIChild::TVeltraMDIChild(QWidget* parent, const QString& caption, QWidget* screen)
    : QMdiSubWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    setWidget(screen);
    // A screen's window keeps its own size; the window arrangement commands are never offered.
    setOption(QMdiSubWindow::RubberBandResize, false);
}
