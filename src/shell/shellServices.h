// Everything the shell asks of the user goes through these interfaces: the
// message boxes and questions (MessagePresenter), the file dialogs and the
// modal dialogs of the shell. The window application uses the Qt versions
// (qtPresenter.h); tests answer them by script (scriptedPresenter.h), so that
// nothing blocks a test.
#pragma once

#include "operations/UserMessage.h"

#include <optional>
#include <string>

class QDialog;

struct fileDialogRequest {
    std::string caption;
    std::string filterName = "Veltra files (*.sfp)";
    std::string pattern = "*.sfp";
    std::string defaultExtension = "sfp";
    std::string directory; // empty: the current directory
};

class fileDialogPresenter {
public:
    virtual ~fileDialogPresenter() = default;
    // The chosen path of an existing file, nullopt when cancelled.
    virtual std::optional<std::string> openFileName(const fileDialogRequest& request) = 0;
    // The chosen path (default extension added, overwrite confirmed), nullopt when cancelled.
    virtual std::optional<std::string> saveFileName(const fileDialogRequest& request) = 0;
};

// Runs a modal dialog of the shell (COM port selection, Radio Information,
// About, Print Notifcation) and returns its result code.
class dialogRunner {
public:
    virtual ~dialogRunner() = default;
    virtual int run(QDialog& dialog) = 0;
};

struct shellServices {
    MessagePresenter& messages;
    fileDialogPresenter& files;
    dialogRunner& dialogs;
};
