// Saving and loading softpot archives (*.sfp). Load is safe on any input:
// only the first 2000 bytes are read, every position is checked against
// what was read, and an archive whose numbers are damaged changes nothing.
// Save writes beside the target and renames, so the previous archive
// survives any failure.
#pragma once

#include "model/radioStorage.h"
#include "operations/ApplicationState.h"
#include "operations/UserMessage.h"

#include <filesystem>
#include <functional>
#include <string_view>
#include <system_error>

enum class archiveLoadResult {
    Loaded,
    OpenFailed,           // missing, unreadable, or not a regular file
    NotAnArchive,         // no ":ZEBAK" marker
    Damaged,              // marker present, header or numbers malformed or cut short
    Incompatible,         // archive level 32 or lower
    InvalidTuningVersion, // radio type neither 1 nor 2
};

// The message a load shows for its result.
const UserMessage& archiveLoadMessage(archiveLoadResult result);

class fileModule {
public:
    // Draws the key of a new archive, 0..32767.
    using keySource = std::function<int()>;

    // Keys from a generator seeded with the current time.
    fileModule();
    explicit fileModule(keySource keys);

    // Save steps: writes the archive and shows "Tuning data has been saved."
    // or "Archive File could not be saved!!". True when the file is in place.
    bool save(const std::filesystem::path& path, const radioStorage& image, MessagePresenter& messages);
    // The same without a message; reason tells why it failed.
    bool write(const std::filesystem::path& path, const radioStorage& image, std::error_code& reason);

    // Load steps: reads, checks and stores the archive, shows the result's
    // message, and sets archiveLoaded (cleared on a failed parse, unchanged
    // when the file cannot be opened) and tuningAllowed.
    archiveLoadResult load(const std::filesystem::path& path, radioStorage& image, ApplicationState& state,
                           MessagePresenter& messages);
    // The same without a message or the application state. tuningAllowed is
    // set on success and cleared for an unknown tuning procedure version.
    archiveLoadResult read(const std::filesystem::path& path, radioStorage& image, bool& tuningAllowed,
                           std::error_code& reason);
    // The parse on bytes already read (at most the first 2000 count).
    static archiveLoadResult parse(std::string_view data, radioStorage& image, bool& tuningAllowed);

private:
    keySource keys;
};
