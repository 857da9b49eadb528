// Writing display.txt: the report goes to a temporary file beside the target
// and is renamed over it, so a reader never sees half a report and a failed
// write leaves the previous report as it was.
#include "report/previewFileModule.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace {

std::string failure(const std::filesystem::path& path, const std::string& reason) {
    return "The softpot report " + path.string() + " could not be written: " + reason;
}

} // namespace

reportWriteResult previewFileModule::writeReport(const std::filesystem::path& path) {
    return writeText(reportText(), path);
}

reportWriteResult previewFileModule::writeText(const std::string& text, const std::filesystem::path& path) {
    reportWriteResult result;
    result.path = path.string();

    std::filesystem::path temporary = path;
    temporary += ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        result.message = failure(path, std::strerror(errno));
        return result;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        result.message = failure(path, std::strerror(written ? errno : writeErrno));
        std::remove(temporary.c_str());
        return result;
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        result.message = failure(path, ec.message());
        std::remove(temporary.c_str());
        return result;
    }
    result.ok = true;
    return result;
}
