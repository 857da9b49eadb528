// Every text the archive commands show, in one place, exactly as the
// technician sees them. The status bar texts are shared with Read Radio
// (radioOperationsMessages.h, radioStatusText.h).
#pragma once

#include "operations/UserMessage.h"

#include <string>
#include <string_view>

namespace archiveMessages {

inline const UserMessage SAVE_FAILED{"Archive File could not be saved!!", "ERROR", MessageIcon::Exclamation};
inline const UserMessage SAVED{"Tuning data has been saved.", "NOTE", MessageIcon::Information};
inline const UserMessage OPEN_FAILED{"Archive File could not be opened!!", "ERROR", MessageIcon::Exclamation};
inline const UserMessage NOT_AN_ARCHIVE{"Invalid file format!! File is not an *.SFP file", "ERROR",
                                        MessageIcon::Exclamation};
// An archive with the marker whose header or numbers are cut short or
// malformed; nothing of it is taken.
inline const UserMessage DAMAGED{"Invalid file format!! Archive file is damaged or incomplete", "ERROR",
                                 MessageIcon::Exclamation};
inline const UserMessage INCOMPATIBLE{
    "Softpot archive file is incompatible with current version of the Veltra", "ERROR",
    MessageIcon::Exclamation};
inline const UserMessage INVALID_TUNING_VERSION{
    "Archive file contains invalid Tuning Procedure Version. All tuning operations blocked", "NOTE",
    MessageIcon::Information};
inline const UserMessage LOADED{"Tuning data has been loaded.", "NOTE", MessageIcon::Information};
inline const UserMessage INITIALIZE_QUESTION{"Initialize radio data?", "CONFIRMATION",
                                             MessageIcon::Information};

inline constexpr std::string_view NO_DATA_STATUS =
    "No archive file or radio is currently loaded or connected";

// Texts the image gets back after a failed load, and its UUID after any load.
inline constexpr std::string_view RESET_SERIAL = "NULL      ";
inline constexpr std::string_view RESET_MODEL = "NULL            ";
inline constexpr std::string_view RESET_UUID = "NULL            ";

// File dialog data of Load and Save Archive File.
inline constexpr std::string_view FILE_FILTER_NAME = "Veltra files (*.sfp)";
inline constexpr std::string_view FILE_PATTERN = "*.sfp";
inline constexpr std::string_view DEFAULT_EXTENSION = "sfp";

} // namespace archiveMessages
