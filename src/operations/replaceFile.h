// Writing a file so that a failure never costs the previous version: the
// data goes to a temporary file beside the target, is flushed to the disk,
// and only then renamed over the target.
#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

// True when path now holds exactly data. On failure the target is as it was,
// no temporary file is left behind, and reason tells why.
bool replaceFile(const std::filesystem::path& path, std::string_view data, std::error_code& reason);
