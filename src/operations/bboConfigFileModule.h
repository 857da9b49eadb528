// The baseband offset configuration bbo.cfg beside the program: it tells,
// for radios that do not answer the baseband-offset requests, where in the
// codeplug their offsets live. The file is matched to the radio by the model
// code, the model letter and one byte of the radio's memory; the matching
// entry and its labels go into the radio image, which the baseband offset
// window then works from. Radios with the requests get the nine fixed labels
// and need no file.
#pragma once

#include "model/radioMemory.h"
#include "operations/UserMessage.h"
#include "operations/bboConfigReader.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class radioStorage;

enum class bboPrepareStatus {
    READY,
    FILE_MISSING,
    FILE_UNREADABLE,
    FILE_DAMAGED, // content the reader refuses (detail says where)
    UNSUPPORTED_VERSION,
    CHECK_FAILED, // the check byte could not be read from the radio
    PORT_IN_USE,  // the connection for the check byte could not be opened
    LABELS_FAILED,
    NO_MATCH,
};

struct bboPrepareResult {
    bboPrepareStatus status = bboPrepareStatus::READY;
    std::string detail; // for FILE_DAMAGED: "line 7: number expected"
    bool ok() const { return status == bboPrepareStatus::READY; }
};

namespace bboTexts {
inline const UserMessage FILE_MISSING{
    "Baseband Offset Utility configuration file is missing.\nPlease contact "
    "Corvane for latest configuration file.",
    " NOTE", MessageIcon::Information};
inline const UserMessage FILE_UNREADABLE{"Unable to read Baseband Offset Utility configuration file", "Error",
                                         MessageIcon::Exclamation};
inline const UserMessage UNSUPPORTED_VERSION{
    "The current Veltra does not support this version of the Baseband Update configuration file", "Error",
    MessageIcon::Exclamation};
inline const UserMessage CHECK_FAILED{
    "Unable to verify system parameters. Please check connection and retry again", " WARNING",
    MessageIcon::Exclamation};
inline const UserMessage LABELS_FAILED{"Initializing data from configuration file failed", "Error",
                                       MessageIcon::Exclamation};
inline const UserMessage NO_MATCH{
    "Unable to match data configuration to current radio.\nPlease contact Corvane "
    "for latest Baseband Update configuration file.",
    "Error", MessageIcon::Exclamation};
} // namespace bboTexts

class bboConfigFileModule {
public:
    static constexpr const char* FILE_NAME = "bbo.cfg";

    // The model code bbo.cfg entries are matched with: the model number from
    // position 0, or from position 2 when it begins with "JJ". Its first three
    // characters are the code, its character 8 the letter.
    static std::string_view radioModelCode(std::string_view modelNumber);

    // Reads `directory`/bbo.cfg whole. FILE_MISSING when it does not exist,
    // FILE_UNREADABLE when it exists but cannot be read.
    bboPrepareStatus readFile(const std::string& directory);
    void setContent(std::vector<std::uint8_t> bytes) { content = std::move(bytes); }
    const std::vector<std::uint8_t>& fileContent() const { return content; }

    // The preparation of the baseband offset command. Radios with the
    // baseband-offset requests: the nine fixed labels. Others: the file is
    // read from `directory`, its version checked (the result stored as the
    // image's BBO configuration state), its entries matched in turn; the
    // check byte of a matching entry is read through `memory` (which may
    // open its connection only then). The entry taken and its labels go into
    // the image. Reading stops at the entry taken, so that the rest of the
    // file is not looked at.
    bboPrepareResult prepare(const std::string& directory, radioStorage& image, radioMemory& memory);
    // The same on content already read (setContent / readFile).
    bboPrepareResult prepareFromContent(radioStorage& image, radioMemory& memory);

    // The message the command shows; nullopt for READY and PORT_IN_USE (the
    // window shows the connection's own message for the latter).
    static std::optional<UserMessage> messageFor(const bboPrepareResult& result);

private:
    std::vector<std::uint8_t> content;
};
