// The Load Archive File and Save Archive File commands after their file
// dialog: the window application calls these with the chosen path, and so
// does the command-line tool. They ask, load or save, show every message
// through the presenter and tell the caller the new status bar text.
#pragma once

#include "model/radioStorage.h"
#include "operations/ApplicationState.h"
#include "operations/UserMessage.h"
#include "operations/fileModule.h"

#include <filesystem>
#include <optional>
#include <string>

struct archiveLoadOutcome {
    bool confirmed = false; // false: the user cancelled "Initialize radio data?", nothing changed
    archiveLoadResult result = archiveLoadResult::OpenFailed;
    // The status bar text after the command; nullopt leaves the status bar as it is.
    std::optional<std::string> statusText;
};

// Asks "Initialize radio data?"; on OK loads the file, sets the UUID back to
// "NULL" and blanks, and after a failed load (archiveLoaded false) clears
// radioRead and puts back the "NULL" serial and model texts.
archiveLoadOutcome loadArchiveFile(fileModule& files, const std::filesystem::path& path, radioStorage& image,
                                   ApplicationState& state, MessagePresenter& messages);

// The archive named on the command line: the same without the question.
archiveLoadOutcome loadArchiveOnStart(fileModule& files, const std::filesystem::path& path,
                                      radioStorage& image, ApplicationState& state,
                                      MessagePresenter& messages);

// Writes the archive and shows the outcome. The state flags do not change.
bool saveArchiveFile(fileModule& files, const std::filesystem::path& path, const radioStorage& image,
                     MessagePresenter& messages);
