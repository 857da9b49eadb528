// The recent-files list of the application, kept in the private profile file
// ".\Veltra.ini" of the current directory: section "MRU", key "Count" with
// the number of entries (written at every start), keys "MRU0".."MRU3" with
// file paths, index 0 the newest. A missing key reads "Default", meaning
// empty. The program itself never adds an entry.
#pragma once

#include "shell/privateProfile.h"

#include <string>
#include <vector>

class recentFilesList {
public:
    static constexpr const char* FILE_NAME = "Veltra.ini";
    static constexpr const char* SECTION = "MRU";

    // Writes "Count" into the file.
    recentFilesList(std::filesystem::path file, int count);

    int count() const { return maximum; }
    // The non-empty entries, newest first.
    std::vector<std::string> entries() const;
    bool countWritten() const { return written; }

private:
    privateProfile profile;
    int maximum;
    bool written = false;
};
