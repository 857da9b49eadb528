#include "shell/recentFiles.h"

recentFilesList::recentFilesList(std::filesystem::path file, int count)
    : profile(std::move(file)), maximum(count) {
    written = profile.writeString(SECTION, "Count", std::to_string(count));
}

std::vector<std::string> recentFilesList::entries() const {
    std::vector<std::string> list;
    for (int i = 0; i < maximum; ++i) {
        auto value = profile.getString(SECTION, std::string(SECTION) + std::to_string(i), "Default");
        if (!value.empty() && value != "Default")
            list.push_back(std::move(value));
    }
    return list;
}
