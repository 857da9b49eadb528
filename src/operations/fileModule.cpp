#include "operations/fileModule.h"

#include "operations/archiveFormat.h"
#include "operations/archiveMessages.h"
#include "operations/replaceFile.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int timeSeededKey() {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    std::minstd_rand generator(static_cast<std::minstd_rand::result_type>(now));
    return static_cast<int>(generator() % ARCHIVE_KEY_LIMIT);
}

int normalisedKey(int key) {
    key %= ARCHIVE_KEY_LIMIT;
    return key < 0 ? key + ARCHIVE_KEY_LIMIT : key;
}

// Reads at most ARCHIVE_READ_LIMIT bytes of a regular file. Opened without
// blocking so that a FIFO or a device named by mistake cannot hang the load.
bool readHead(const std::filesystem::path& path, std::string& data, std::error_code& reason) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = {errno, std::generic_category()};
        return false;
    }
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0;
    if (!ok)
        reason = {errno, std::generic_category()};
    else if (!S_ISREG(info.st_mode)) {
        reason = std::make_error_code(S_ISDIR(info.st_mode) ? std::errc::is_a_directory
                                                            : std::errc::invalid_argument);
        ok = false;
    }
    std::array<char, ARCHIVE_READ_LIMIT> buffer;
    std::size_t got = 0;
    while (ok && got < buffer.size()) {
        const auto n = ::read(fd, buffer.data() + got, buffer.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            reason = {errno, std::generic_category()};
            ok = false;
        } else if (n == 0)
            break;
        else
            got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (ok)
        data.assign(buffer.data(), got);
    return ok;
}

} // namespace

const UserMessage& archiveLoadMessage(archiveLoadResult result) {
    switch (result) {
    case archiveLoadResult::Loaded:
        return archiveMessages::LOADED;
    case archiveLoadResult::OpenFailed:
        return archiveMessages::OPEN_FAILED;
    case archiveLoadResult::NotAnArchive:
        return archiveMessages::NOT_AN_ARCHIVE;
    case archiveLoadResult::Damaged:
        return archiveMessages::DAMAGED;
    case archiveLoadResult::Incompatible:
        return archiveMessages::INCOMPATIBLE;
    case archiveLoadResult::InvalidTuningVersion:
        return archiveMessages::INVALID_TUNING_VERSION;
    }
    return archiveMessages::DAMAGED;
}

fileModule::fileModule() : keys(timeSeededKey) {}

fileModule::fileModule(keySource keys) : keys(keys ? std::move(keys) : keySource(timeSeededKey)) {}

bool fileModule::write(const std::filesystem::path& path, const radioStorage& image,
                       std::error_code& reason) {
    const auto text = encodeArchive(image, normalisedKey(keys()));
    if (!text) {
        reason = std::make_error_code(std::errc::value_too_large);
        return false;
    }
    return replaceFile(path, *text, reason);
}

bool fileModule::save(const std::filesystem::path& path, const radioStorage& image,
                      MessagePresenter& messages) {
    std::error_code reason;
    const bool ok = write(path, image, reason);
    messages.show(ok ? archiveMessages::SAVED : archiveMessages::SAVE_FAILED);
    return ok;
}

archiveLoadResult fileModule::parse(std::string_view data, radioStorage& image, bool& tuningAllowed) {
    if (data.size() > ARCHIVE_READ_LIMIT)
        data = data.substr(0, ARCHIVE_READ_LIMIT);
    if (!hasArchiveMarker(data))
        return archiveLoadResult::NotAnArchive;
    const auto header = parseArchiveHeader(data);
    if (!header)
        return archiveLoadResult::Damaged;

    // The level and type checks come first and change the identity texts as
    // they always have; the command that loads resets them after a failure.
    const auto storeIdentity = [&] {
        image.setSerialNumber(header->serialText());
        image.setModelNumber(header->modelText());
    };
    if (header->level < ARCHIVE_LOWEST_LEVEL) {
        storeIdentity();
        return archiveLoadResult::Incompatible;
    }
    if (header->radioType != 1 && header->radioType != 2) {
        storeIdentity();
        image.setReadStatus(header->level);
        image.setRadioType(header->radioType);
        tuningAllowed = false;
        return archiveLoadResult::InvalidTuningVersion;
    }
    // Every number is parsed before anything is stored, so a damaged archive
    // cannot leave the image half old and half new.
    const auto fields = parseArchiveFields(data);
    if (!fields)
        return archiveLoadResult::Damaged;
    storeIdentity();
    image.setReadStatus(header->level);
    image.setRadioType(header->radioType);
    tuningAllowed = true;
    storeArchiveFields(*fields, header->level, image);
    return archiveLoadResult::Loaded;
}

archiveLoadResult fileModule::read(const std::filesystem::path& path, radioStorage& image,
                                   bool& tuningAllowed, std::error_code& reason) {
    reason.clear();
    std::string data;
    if (!readHead(path, data, reason))
        return archiveLoadResult::OpenFailed;
    return parse(data, image, tuningAllowed);
}

archiveLoadResult fileModule::load(const std::filesystem::path& path, radioStorage& image,
                                   ApplicationState& state, MessagePresenter& messages) {
    std::error_code reason;
    const auto result = read(path, image, state.tuningAllowed, reason);
    if (result != archiveLoadResult::OpenFailed)
        state.archiveLoaded = result == archiveLoadResult::Loaded;
    messages.show(archiveLoadMessage(result));
    return result;
}
