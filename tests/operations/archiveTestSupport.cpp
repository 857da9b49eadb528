#include "archiveTestSupport.h"

#include "operations/archiveFormat.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace archivetest {

radioStorage sampleImage(int seed) {
    radioStorage image;
    image.setSerialNumber("123ABC7890");
    image.setModelNumber("V42K7R3AM6      ");
    image.setReadStatus(35);
    for (int field = 1; field <= ARCHIVE_FIELDS; ++field) {
        const auto cell = archiveFieldCell(field);
        image.setSoftpot(cell.row, (field * 37 + seed * 11) % 4000 + 1, cell.column);
    }
    image.setRadioType(2);
    image.setSoftpot(ROW_RADIO_INFO, 6000, COL_FREQUENCY_BASE); // 150 MHz
    for (int n = 0; n < 7; ++n) {
        image.setSoftpot(ROW_RADIO_INFO, 100 + 200 * n, COL_TX_POINT_F1 + n);
        image.setSoftpot(ROW_RADIO_INFO, 150 + 200 * n, COL_RX_POINT_F1 + n);
    }
    for (int flag = FIRST_SUPPORT_FLAG; flag <= LAST_SUPPORT_FLAG; ++flag)
        image.setSupported(flag);
    return image;
}

bool sameImage(const radioStorage& a, const radioStorage& b) {
    for (int row = 0; row < radioStorage::ROWS; ++row)
        for (int column = 0; column < radioStorage::COLUMNS; ++column)
            if (a.getSoftpot(row, column) != b.getSoftpot(row, column))
                return false;
    for (int flag = FIRST_SUPPORT_FLAG; flag <= LAST_SUPPORT_FLAG; ++flag)
        if (a.isSupported(flag) != b.isSupported(flag))
            return false;
    return a.getSerialNumber() == b.getSerialNumber() && a.getModelNumber() == b.getModelNumber() &&
           a.getReadStatus() == b.getReadStatus() && a.getUUID() == b.getUUID();
}

scratchDirectory::scratchDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "veltra-archive-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a scratch directory");
    dir = pattern;
}

scratchDirectory::~scratchDirectory() {
    std::error_code ignored;
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(dir, ignored);
}

std::string readWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeWhole(const std::filesystem::path& path, const std::string& data) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << data;
}

} // namespace archivetest
