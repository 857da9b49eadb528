// The Read Radio and Program All commands without any window: they make the
// program directory current, ask and tell through the presenter, count on the
// progress sink, and change the application state as the commands always
// have. The window application calls them from its menu commands (possibly on
// a worker thread: everything they touch comes in through the context) and
// veltra-cli calls them from its read and program subcommands.
//
// Nothing escapes them: every failure of the radio link (CommunicationError,
// CommError) or any other exception ends in the command's failure message.
#pragma once

#include "model/radioStorage.h"
#include "operations/ApplicationState.h"
#include "operations/UserMessage.h"
#include "operations/radioOperations.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

struct radioCommandContext {
    radioStorage& storage;
    ApplicationState& state;
    radioOperations& operations;
    MessagePresenter& messages;
    ProgressSink& progress;
    // The directory of the program; made current first. Empty: left as it is.
    std::string programDirectory;
    // Optional: show the progress window with this title and picture (the
    // program directory + "/title.bmp") at the step the command opens it.
    std::function<void(std::string_view title, const std::string& picture)> openProgress;
    // Optional: the wait cursor on (true) and off (false). Always switched off
    // again before a message is shown and before the command returns.
    std::function<void(bool busy)> setBusy;
};

enum class readCommandOutcome {
    READ,             // success note shown, radioRead set
    FAILED,           // link failure: "Read Radio Failed ...", serial "Invalid"
    INVALID_POINTS,   // "All frequency point data is invalid !!", serial "Invalid"
    POWER_UP_FAILURE, // "Error occured during radio power up!!"
};

struct readCommandResult {
    readCommandOutcome outcome = readCommandOutcome::FAILED;
    int code = 0; // readRadio's result code (0, 2 or the power-up status); 0 after a failure
    // The status bar text after the command; nullopt leaves it as it is.
    std::optional<std::string> statusText;
};

readCommandResult readRadioCommand(radioCommandContext& context);

enum class programCommandOutcome {
    CANCELLED,       // "Program Radio?" answered with Cancel; nothing sent
    PROGRAMMED,      // "Radio successfully programmed!!"
    SERIAL_MISMATCH, // another radio on the cable; nothing written
    FAILED,          // link failure: "Program Radio Error"
};

programCommandOutcome programRadioCommand(radioCommandContext& context);
