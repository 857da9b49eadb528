// Feeds arbitrary bytes to the archive loader. Besides the sanitizers'
// checks: whatever loads must save and load again to the same cells and
// flags, and a failed load other than the header checks must leave the
// image untouched.
#include "operations/archiveFormat.h"
#include "operations/fileModule.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool sameCellsAndFlags(const radioStorage& a, const radioStorage& b) {
    for (int row = 0; row < radioStorage::ROWS; ++row)
        for (int column = 0; column < radioStorage::COLUMNS; ++column)
            if (a.getSoftpot(row, column) != b.getSoftpot(row, column))
                return false;
    for (int flag = FIRST_SUPPORT_FLAG; flag <= LAST_SUPPORT_FLAG; ++flag)
        if (a.isSupported(flag) != b.isSupported(flag))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    radioStorage image;
    const radioStorage fresh;
    bool tuningAllowed = true;
    const auto result = fileModule::parse(text, image, tuningAllowed);

    if (result == archiveLoadResult::Damaged || result == archiveLoadResult::NotAnArchive) {
        if (!sameCellsAndFlags(image, fresh) || image.getSerialNumber() != fresh.getSerialNumber() || !tuningAllowed)
            std::abort();
    }
    if (result != archiveLoadResult::Loaded)
        return 0;

    // Values the format cannot express again (a nine-digit field minus a
    // large key plus another key) are refused by the encoder, never garbled.
    const auto again = encodeArchive(image, static_cast<int>(size % ARCHIVE_KEY_LIMIT));
    if (!again)
        return 0;
    radioStorage reloaded = image;
    bool allowed = false;
    if (fileModule::parse(*again, reloaded, allowed) != archiveLoadResult::Loaded || !allowed)
        std::abort();
    if (!sameCellsAndFlags(image, reloaded))
        std::abort();
    return 0;
}
