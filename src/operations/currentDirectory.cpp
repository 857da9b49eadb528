#include "operations/currentDirectory.h"

#include <filesystem>
#include <system_error>

bool makeProgramDirectoryCurrent(const std::string& programDirectory) {
    if (programDirectory.empty())
        return false;
    std::error_code error;
    std::filesystem::current_path(programDirectory, error);
    return !error;
}
