#include "link/ProgramDirectory.h"

#include <filesystem>
#include <mutex>
#include <optional>

namespace {
std::mutex directoryMutex;
std::optional<std::string> chosenDirectory;

std::string executableDirectory() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !exe.has_parent_path()) {
        return ".";
    }
    return exe.parent_path().string();
}
} // namespace

std::string programDirectory() {
    std::lock_guard lock(directoryMutex);
    if (!chosenDirectory) {
        chosenDirectory = executableDirectory();
    }
    return *chosenDirectory;
}

void setProgramDirectory(const std::string& directory) {
    std::string trimmed = directory;
    while (trimmed.size() > 1 && trimmed.back() == '/') {
        trimmed.pop_back();
    }
    std::lock_guard lock(directoryMutex);
    chosenDirectory = trimmed.empty() ? std::string(".") : trimmed;
}
