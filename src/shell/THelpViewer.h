// The help viewer: a small window that shows the topic of a help context
// (the contents, help on help, a screen's context or a command's number).
#pragma once

#include <QDialog>

class QLabel;

class THelpViewer : public QDialog {
    Q_OBJECT
public:
    explicit THelpViewer(QWidget* parent);
    void showContext(int context);
    int context() const { return current; }
    QString topicTitle() const;

private:
    QLabel* title = nullptr;
    QLabel* body = nullptr;
    QLabel* where = nullptr;
    int current = 0;
};
