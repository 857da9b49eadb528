// The texts of the utility windows, spelled exactly as the technician has
// always seen them. The connection, communication-error and mismatch texts
// the windows share with the tuning screens are in screens/ScreenTexts.h;
// those of bbo.cfg in operations/bboConfigFileModule.h.
#pragma once

#include "operations/UserMessage.h"

#include <array>
#include <string_view>

namespace utilityTexts {

inline constexpr std::string_view UPDATE_BUTTON = "Update";

// Program Serial No.
inline constexpr std::string_view NEW_SERIAL_LABEL = "New Radio Serial No : ";
inline constexpr std::string_view RADIO_CHANGED_PROMPT = "Radio has been changed!! Read in new radio?";
inline const UserMessage RADIO_CHANGED_CLOSE{
    "Radio has been changed!! Please close the current screen and read "
    "in new radio. Perform the same operation again.",
    "WARNING", MessageIcon::Information};
inline const UserMessage SERIAL_LENGTH{"Serial No. must be exactly 10 characters", "Entry Error",
                                       MessageIcon::Exclamation};
inline const UserMessage SERIAL_PROGRAMMED{"Serial No. has been successfully programmed !!", "NOTE",
                                           MessageIcon::Information};

// Temp comp data.
inline constexpr std::string_view TEMP_COMP_READ_LABEL = "Read Temp Comp  :  ";
inline constexpr std::string_view TEMP_COMP_WRITE_LABEL = "Temp Comp Write :  ";
inline constexpr std::string_view CLOSE_BUTTON = "Close";
inline constexpr std::string_view PROGRAM_BUTTON = "Program";
inline const UserMessage TEMP_COMP_NOT_READ{"Temp Comp data could not be read !!", "ERROR",
                                            MessageIcon::Exclamation};
inline const UserMessage TEMP_COMP_LENGTH{"Length of Temp Comp data must be exactly 4 bytes", "NOTE",
                                          MessageIcon::Information};
inline const UserMessage TEMP_COMP_WRITTEN{"Temp Comp data has been written in successfully !!", "NOTE",
                                           MessageIcon::Information};
inline const UserMessage TEMP_COMP_NOT_WRITTEN{"Error writing in Temp Comp data !!", "ERROR",
                                               MessageIcon::Exclamation};

// Baseband offset update.
inline constexpr std::string_view BBO_MISMATCH_PROMPT = "Serial No. Mismatch!! Read in new radio?";
inline constexpr std::string_view SPACING_GROUP = "Channel Spacing";
inline constexpr std::array<std::string_view, 3> SPACING_BUTTONS = {
    "12.5 kHz Channel Spacing", "20 kHz Channel Spacing", "25 kHz Channel Spacing"};
inline constexpr std::string_view NEW_VALUE_CAPTION = "New value";
inline constexpr std::string_view DEFAULT_VALUE_CAPTION = "Default Value";
inline constexpr std::string_view PORTABLE = "Radio Type = Portable";
inline constexpr std::string_view MOBILE = "Radio Type = Mobile";
inline constexpr std::array<std::string_view, 7> PRIMARY_SYSTEMS = {
    "Primary system = Conventional",    "Primary system = Tessaly",  "Primary system = MPT",
    "Primary system = Tone Signalling", "Primary system = Passport", "Primary system = LTR",
    "Primary system = 5T Prime"};
inline constexpr std::string_view PRIMARY_SYSTEM_OTHERS = "Primary system = Others";
inline const UserMessage BBO_INIT_FAILED{"Unable to initialize baseband offset data", "Error",
                                         MessageIcon::Exclamation};
inline const UserMessage BBO_ENTRY_ERROR{"Data entry error!!", "ERROR", MessageIcon::Exclamation};
inline const UserMessage BBO_UPDATE_ANYWAY{"An error occured, update anyway?", "Note",
                                           MessageIcon::Exclamation};
inline const UserMessage BBO_UPDATED_REQUESTS{"Baseband Offset parameters updated successfully", "NOTE",
                                              MessageIcon::Information};
inline const UserMessage BBO_UPDATED_CODEPLUG{"Baseband offset parameters updated successfully", "NOTE",
                                              MessageIcon::Information};

} // namespace utilityTexts
