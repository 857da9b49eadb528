// The MDI child frame around a screen or a setup picture. The frame owns the
// screen: closing the frame destroys the screen, which restores the radio
// and clears openScreenId.
#pragma once

#include <QMdiSubWindow>

class TVeltraMDIChild : public QMdiSubWindow {
    Q_OBJECT
public:
    TVeltraMDIChild(QWidget* parent, const QString& caption, QWidget* client);
    QWidget* client() const { return widget(); }
};
