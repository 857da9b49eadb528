// Every text the shell shows, in one place, exactly as the technician sees
// it (spelling included).
#pragma once

#include "operations/UserMessage.h"

#include <string_view>

namespace shellTexts {

inline constexpr std::string_view APPLICATION_TITLE = "Veltra for Kestrel and Entry Level Kestrel radios";
// Added to the caption and shown in the status bar when the radio is the simulated one.
inline constexpr std::string_view SIMULATED_SUFFIX = " - SIMULATED RADIO";
inline constexpr std::string_view SIMULATED_STATUS = "Simulated radio (%1)";

inline constexpr std::string_view NO_DATA_STATUS =
    "No archive file or radio is currently loaded or connected";

inline const UserMessage COM_INI_MISSING{"COM.INI could not be created. Exiting Application",
                                         "COM PORT INITIALIZATION ERROR", MessageIcon::Exclamation};
inline const UserMessage STILL_OPEN{"Current window still open! Please close first!", " NOTE",
                                    MessageIcon::Information};
inline const UserMessage SERIAL_NOT_BLANK{"Serial No. is not blank", " NOTE", MessageIcon::Information};
inline const UserMessage CLOSE_BEFORE_TEMP_COMP_READ{"Please close all windows before reading Temp Comp data",
                                                     "NOTE", MessageIcon::Information};
inline const UserMessage CLOSE_BEFORE_TEMP_COMP_WRITE{
    "Please close all windows before writing Temp Comp data", "NOTE", MessageIcon::Information};

// A serial number the radio was never given: ten blanks.
inline constexpr std::string_view BLANK_SERIAL = "          ";

inline constexpr std::string_view TOOLBAR_CAPTION = "Toolbar";

} // namespace shellTexts
