#include "shell/infoDialogs.h"

#include "model/radioStorage.h"
#include "shell/dialogUnits.h"
#include "shell/shellResources.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr const char* VERSION_TEXT = "Version R00.01.00";
constexpr const char* RELEASE_TEXT = "Release date: December 2026";
constexpr const char* RIGHTS_TEXT = "Copyright (C) 2026 the Veltra developers";
constexpr const char* LEGAL_NOTICE =
    "Veltra is free software. It comes with no warranty; see its licence for the terms.";
constexpr const char* LEGAL_WARNING =
    "Veltra writes tuning values into radio equipment. Use it only on radios you are authorised to "
    "service, and check every alignment against calibrated test equipment before the radio returns to use.";

QLabel* label(QWidget* parent, const QString& text, const QRect& place, Qt::Alignment align = Qt::AlignLeft) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(place);
    l->setAlignment(align | Qt::AlignTop);
    l->setWordWrap(true);
    return l;
}

QLabel* picture(QWidget* parent, const QRect& place) {
    ensureShellResources();
    auto* l = new QLabel(parent);
    l->setGeometry(place);
    l->setPixmap(QPixmap(QStringLiteral(":/icons/veltra.png"))
                     .scaled(place.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return l;
}

QPushButton* okButton(QDialog* dialog, const QRect& place) {
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setGeometry(place);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    return ok;
}

} // namespace

TRadioInfoDialog::TRadioInfoDialog(QWidget* parent, const radioStorage& image) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Radio Information"));
    const dialogUnits du(*this);
    setFixedSize(du.size(213, 90));
    label(this, QStringLiteral("Radio Serial No"), du.rect(15, 10, 60, 10));
    label(this, QStringLiteral("Radio Model No"), du.rect(15, 30, 60, 10));
    serial = new QLineEdit(QString::fromLatin1(image.getSerialNumber().data(),
                                               static_cast<qsizetype>(image.getSerialNumber().size())),
                           this);
    serial->setGeometry(du.rect(90, 8, 115, 15));
    serial->setReadOnly(true);
    model = new QLineEdit(QString::fromLatin1(image.getModelNumber().data(),
                                              static_cast<qsizetype>(image.getModelNumber().size())),
                          this);
    model->setGeometry(du.rect(90, 28, 115, 15));
    model->setReadOnly(true);
    okButton(this, du.rect(96, 68, 50, 14));
}

QString TRadioInfoDialog::serialText() const {
    return serial->text();
}
QString TRadioInfoDialog::modelText() const {
    return model->text();
}

QString TVeltraAboutDlg::versionText() {
    return QString::fromLatin1(VERSION_TEXT);
}

TVeltraAboutDlg::TVeltraAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Veltra for Kestrel Radios"));
    const dialogUnits du(*this);
    setFixedSize(du.size(328, 130));
    picture(this, du.rect(4, 4, 32, 30));
    label(this, QStringLiteral("Veltra for Kestrel and Entry Level Kestrel radios "), du.rect(40, 4, 240, 9),
          Qt::AlignHCenter);
    label(this, versionText(), du.rect(40, 16, 240, 9), Qt::AlignHCenter);
    label(this, QString::fromLatin1(RELEASE_TEXT), du.rect(40, 27, 240, 9), Qt::AlignHCenter);
    label(this, QString::fromLatin1(RIGHTS_TEXT), du.rect(40, 38, 240, 9), Qt::AlignHCenter);
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(du.rect(8, 52, 312, 74));
    label(this, QString::fromLatin1(LEGAL_NOTICE), du.rect(12, 56, 304, 20));
    label(this, QString::fromLatin1(LEGAL_WARNING), du.rect(12, 80, 304, 42));
    okButton(this, du.rect(284, 4, 40, 14));
}

TVeltraNotifyDlg::TVeltraNotifyDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Print Notifcation"));
    const dialogUnits du(*this);
    setFixedSize(du.size(241, 122));
    auto* group = new QGroupBox(QStringLiteral("Notification Message"), this);
    group->setGeometry(du.rect(12, 9, 220, 73));
    label(
        this,
        QStringLiteral("Printing format changes will take effect immediately. However, for the print preview "
                       "window to be updated, please close the current print preview window and then open "
                       "it again."),
        du.rect(28, 24, 188, 52));
    picture(this, du.rect(12, 90, 32, 30));
    okButton(this, du.rect(74, 100, 90, 14));
}

autoTuneDialog::autoTuneDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("Please Wait.... Auto Tuning...."));
    setModal(false);
    const dialogUnits du(*this);
    setFixedSize(du.size(240, 40));
    move(du.x(100), du.y(50));
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(du.rect(8, 4, 224, 30));
    label(this, QStringLiteral("Please wait.... Currently radio is Auto Tuning..."), du.rect(12, 12, 208, 22),
          Qt::AlignHCenter);
}
