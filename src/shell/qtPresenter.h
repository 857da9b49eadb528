// The Qt side of the message interfaces: the one place in the application
// that creates message boxes and file dialogs.
#pragma once

#include "shell/shellServices.h"

class QWidget;

class qtMessagePresenter final : public MessagePresenter {
public:
    void setParent(QWidget* window) { parent = window; }
    void show(const UserMessage& message) override;
    MessageAnswer ask(const UserMessage& message, MessageButtons buttons) override;

private:
    QWidget* parent = nullptr;
};

class qtFileDialogs final : public fileDialogPresenter {
public:
    void setParent(QWidget* window) { parent = window; }
    std::optional<std::string> openFileName(const fileDialogRequest& request) override;
    std::optional<std::string> saveFileName(const fileDialogRequest& request) override;

private:
    QWidget* parent = nullptr;
};

class qtDialogRunner final : public dialogRunner {
public:
    int run(QDialog& dialog) override;
};

// The three together, as the application uses them.
struct qtServices {
    qtMessagePresenter messages;
    qtFileDialogs files;
    qtDialogRunner dialogs;
    shellServices services{messages, files, dialogs};
    void setParent(QWidget* window) {
        messages.setParent(window);
        files.setParent(window);
    }
};
