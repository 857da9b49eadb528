// A small reader and writer of private profile files (INI format: "[Section]"
// lines and "key=value" lines), for the recent-files list in Veltra.ini.
// Section and key names compare without regard to case, as such files always
// have; a write keeps every other line of the file as it was.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class privateProfile {
public:
    explicit privateProfile(std::filesystem::path file) : path(std::move(file)) {}

    // The value of key in section, or fallback when the file, the section or
    // the key is missing.
    std::string getString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // Sets key in section, adding the section or the key when missing and
    // creating the file. False when the file cannot be written.
    bool writeString(std::string_view section, std::string_view key, std::string_view value) const;

    const std::filesystem::path& file() const { return path; }

private:
    std::filesystem::path path;
};
