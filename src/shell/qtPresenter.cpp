#include "shell/qtPresenter.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// A message shown during a wait cursor gets the ordinary arrow.
class arrowCursor {
public:
    arrowCursor() : active(QApplication::overrideCursor() != nullptr) {
        if (active)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~arrowCursor() {
        if (active)
            QApplication::restoreOverrideCursor();
    }

private:
    bool active;
};

int runBox(QWidget* parent, const UserMessage& message, QMessageBox::StandardButtons buttons) {
    arrowCursor arrow;
    QMessageBox box(iconOf(message.icon), QString::fromStdString(message.caption),
                    QString::fromStdString(message.text), buttons, parent);
    return box.exec();
}

QString filterOf(const fileDialogRequest& r) {
    return QString::fromStdString(r.filterName) + ";;" + QObject::tr("All files (*)");
}

} // namespace

void qtMessagePresenter::show(const UserMessage& message) {
    runBox(parent, message, QMessageBox::Ok);
}

MessageAnswer qtMessagePresenter::ask(const UserMessage& message, MessageButtons buttons) {
    switch (runBox(parent, message, buttonsOf(buttons))) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Cancel;
    }
}

std::optional<std::string> qtFileDialogs::openFileName(const fileDialogRequest& r) {
    QFileDialog dialog(parent, QString::fromStdString(r.caption), QString::fromStdString(r.directory),
                       filterOf(r));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setDefaultSuffix(QString::fromStdString(r.defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> qtFileDialogs::saveFileName(const fileDialogRequest& r) {
    QFileDialog dialog(parent, QString::fromStdString(r.caption), QString::fromStdString(r.directory),
                       filterOf(r));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromStdString(r.defaultExtension));
    // QFileDialog asks before it overwrites (the confirmation is on by default).
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

int qtDialogRunner::run(QDialog& dialog) {
    return dialog.exec();
}
