#include "operations/replaceFile.h"

#include <atomic>
#include <cerrno>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::error_code lastError() {
    return {errno, std::generic_category()};
}

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const auto n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A rename is only durable once the directory entry is on the disk too. A
// file system that cannot sync a directory still has the data, so a failure
// here does not fail the write.
void syncDirectory(const std::filesystem::path& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool replaceFile(const std::filesystem::path& path, std::string_view data, std::error_code& reason) {
    reason.clear();
    if (!path.has_filename()) {
        reason = std::make_error_code(std::errc::is_a_directory);
        return false;
    }
    const auto dir = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");

    static std::atomic<unsigned> counter{0};
    std::filesystem::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = dir / ("." + path.filename().string() + ".tmp" + std::to_string(::getpid()) + "-" +
                      std::to_string(counter++));
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            reason = lastError();
            return false;
        }
    }
    if (fd < 0) {
        reason = std::make_error_code(std::errc::file_exists);
        return false;
    }

    // A replaced file keeps its permissions; a new one gets the usual ones.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);

    bool ok = writeAll(fd, data) && ::fsync(fd) == 0;
    if (!ok)
        reason = lastError();
    if (::close(fd) != 0 && ok) {
        reason = lastError();
        ok = false;
    }
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
        reason = lastError();
        ok = false;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    syncDirectory(dir);
    return true;
}
