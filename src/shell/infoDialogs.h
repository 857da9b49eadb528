// Small windows that inform and take no part in radio communication: Radio
// Information, the About box, the Print Notifcation dialog before a print
// job, and the "Please Wait" window shown while a screen runs an automatic
// tuning.
#pragma once

#include <QDialog>

class QLineEdit;
class radioStorage;

class TRadioInfoDialog : public QDialog {
    Q_OBJECT
public:
    TRadioInfoDialog(QWidget* parent, const radioStorage& image);
    QString serialText() const;
    QString modelText() const;

private:
    QLineEdit* serial = nullptr;
    QLineEdit* model = nullptr;
};

class TVeltraAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit TVeltraAboutDlg(QWidget* parent);
    static QString versionText(); // "Version R00.01.00"
};

class TVeltraNotifyDlg : public QDialog {
    Q_OBJECT
public:
    explicit TVeltraNotifyDlg(QWidget* parent);
};

// Modeless and without a close button: the screen that starts an automatic
// tuning creates it, shows it, tunes and deletes it.
class autoTuneDialog : public QDialog {
    Q_OBJECT
public:
    explicit autoTuneDialog(QWidget* parent);
};
