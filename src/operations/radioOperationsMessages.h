// Every text the Read Radio and Program All commands show, in one place, as
// the technician has always seen them (spelling included). The window
// application and veltra-cli both show these through a MessagePresenter.
#pragma once

#include "operations/UserMessage.h"

#include <string>
#include <string_view>

namespace radioMessages {

// Progress window of the two long sequences.
inline constexpr std::string_view READ_PROGRESS_TITLE = "Reading Softpots from radio...";
inline constexpr std::string_view PROGRAM_PROGRESS_TITLE = "Writing Softpots to radio...";
inline constexpr std::string_view PROGRESS_PICTURE = "/title.bmp"; // appended to the program directory
inline constexpr int PROGRESS_WIDTH = 550;
inline constexpr int PROGRESS_HEIGHT = 400;
// The progress text line: "5% Complete", "10% Complete", ...
inline std::string percentComplete(int percent) {
    return std::to_string(percent) + "% Complete";
}

// Read Radio.
inline const UserMessage READ_FAILED{
    "Read Radio Failed !! All softpot operational data is invalid !! Please re-read radio", "Error !!",
    MessageIcon::Exclamation};
inline const UserMessage NARROWBANDING_WARNING{
    "25 kHz bandwidth mode is provided for radio troubleshooting and testing purposes. 25 kHz radio "
    "operation must be consistent with the FCC Narrowbanding Regulations in the United States.",
    "Warning", MessageIcon::Information};
inline const UserMessage INVALID_POINTS{"All frequency point data is invalid !!", "Error !!",
                                        MessageIcon::Exclamation};
inline const UserMessage POWER_UP_ERROR{"Error occured during radio power up!!", "ERROR",
                                        MessageIcon::Exclamation};
inline const UserMessage HARDWARE_FAILURE{"Radio Hardware Failure !! Operation aborted", "ERROR",
                                          MessageIcon::Exclamation};
inline const UserMessage READ_SUCCESS{"Radio has been successfully read !!", "NOTE",
                                      MessageIcon::Information};
inline const UserMessage NOT_SUITABLE_FOR_TUNING{
    "Radio not suitable for tuning due to different tuning procedure version", "NOTE",
    MessageIcon::Information};

// Program All.
inline const UserMessage PROGRAM_QUESTION{"Program Radio?", "Note", MessageIcon::Information};
inline const UserMessage PROGRAM_SERIAL_MISMATCH{"Serial No. Mismatch !! Program radio aborted",
                                                 " Radio Program Error", MessageIcon::Exclamation};
inline const UserMessage PROGRAM_ERROR{"Program Radio Error", "ERROR", MessageIcon::Exclamation};
inline const UserMessage PROGRAM_SUCCESS{"Radio successfully programmed!!", "NOTE", MessageIcon::Information};

// Status bar.
inline constexpr std::string_view NO_RADIO_STATUS =
    "No archive file or radio is currently loaded or connected";
inline constexpr std::string_view STATUS_SERIAL_LABEL = "Radio Serial No :";
inline constexpr std::string_view STATUS_MODEL_LABEL = "Radio Model No: ";
inline constexpr int STATUS_GAP = 95; // blanks between the serial and the model part

// The serial number text a failed read leaves in the image.
inline constexpr std::string_view INVALID_SERIAL = "Invalid";

} // namespace radioMessages
