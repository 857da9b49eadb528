// The messages and status texts every tuning screen shares, in one place and
// spelled as the technician has always seen them. Texts that differ per
// screen live in the screen table (screenTable.cpp).
#pragma once

#include "operations/UserMessage.h"

#include <string_view>

namespace screenTexts {

inline const UserMessage PORT_IN_USE{"COM Port is currently in use by another application", " WARNING",
                                     MessageIcon::Information};
inline const UserMessage COMMUNICATION_ERROR{"Radio Communication Error!!", "ERROR",
                                             MessageIcon::Exclamation};

inline constexpr std::string_view MISMATCH_LOWER = "Serial No. mismatch!! Read in new radio?";
inline constexpr std::string_view MISMATCH_UPPER = "Serial No. Mismatch!! Read in new radio?";
inline constexpr std::string_view MISMATCH_CAPTION = "WARNING";
inline constexpr std::string_view COMMIT_CAPTION = "WARNING";
inline constexpr std::string_view ABORTED_CAPTION = "ERROR";

// Working field, Enter with a value outside the range.
inline constexpr std::string_view OUT_OF_RANGE_CAPTION = "OUT OF RANGE";
inline constexpr const char* OUT_OF_RANGE_VALUE = "Softpot Value (%d) is not between";
inline constexpr const char* OUT_OF_RANGE_BOUNDS = " %d and ";

// Status line.
inline constexpr std::string_view DEKEYED = "Radio is currently dekeyed";
inline constexpr const char* KEYED_AT = "Radio is currently keyed up at %fMHz";
inline constexpr std::string_view NO_POINT_SELECTED = "No Frequency Tuning Point is currently selected";
inline constexpr const char* POINT_TUNED = "Point %fMHz is currently being tuned";

inline constexpr std::string_view UNSUPPORTED = "UNSUPPORTED";

// Column captions and buttons.
inline constexpr std::string_view FREQUENCY_CAPTION = "Frequency Point(MHz)";
inline constexpr std::string_view DEFAULT_CAPTION = "Default Softpot";
inline constexpr std::string_view WORKING_CAPTION = "Working Softpot";
inline constexpr std::string_view PTT_BUTTON = "PTT Toggle";
inline constexpr std::string_view PROGRAM_BUTTON = "Program";

} // namespace screenTexts
