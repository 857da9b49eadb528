#include "operations/archiveFormat.h"

#include "link/profileFields.h"
#include "model/RF_Frequency.h"

#include <charconv>
#include <limits>

namespace {

// Runs of consecutive fields that map onto consecutive columns of one row.
struct fieldRun {
    int firstField;
    int row;
    int firstColumn;
    int count;
};

constexpr fieldRun FIELD_RUNS[] = {
    {1, ROW_RADIO_INFO, COL_FREQUENCY_BASE, 1},
    {2, ROW_RADIO_INFO, COL_TX_POINT_F1, 7},
    {9, ROW_RADIO_INFO, COL_RX_POINT_F1, 7},
    {16, ROW_REF_OSC_WARP, 0, 1},
    {17, ROW_TX_POWER, 0, 14}, // high power F1..F7, then low power F1..F7
    {31, ROW_MOD_BALANCE, 14, 7},
    {38, ROW_VCO_ATTN, 14, 7}, // 25 kHz
    {45, ROW_VCO_ATTN, 7, 7},  // 20 kHz
    {52, ROW_VCO_ATTN, 0, 7},  // 12.5 kHz
    {59, ROW_DTMF, 0, 1},
    {60, ROW_PA_BIAS, 0, 2}, // bias 1 at high and at low voltage
    {62, ROW_VYS1200, 0, 1},
    {63, ROW_FRONT_END_FILTER, 0, 7},
    {70, ROW_AUTO_SQUELCH, 14, 7}, // 25 kHz
    {77, ROW_AUTO_SQUELCH, 7, 7},  // 20 kHz
    {84, ROW_AUTO_SQUELCH, 0, 7},  // 12.5 kHz
    {91, ROW_RATED_VOLUME, 0, 2},
    {93, ROW_RADIO_INFO, COL_TEMP_COMP_1, 5}, // temp comp bytes 1..4, spacing mask
    {98, ROW_SELECT5, 0, 1},
    {99, ROW_MPT1327, 0, 1},
    {100, ROW_RSSI, 0, 6},
    {106, ROW_MOBILE_KM, COL_KM_DAC_1, 2},
    {108, ROW_MOBILE_KM, 0, 14},
    {122, ROW_PA_BIAS, 2, 1},
    {123, ROW_PA_BIAS, 4, 1},
    {124, ROW_BATTERY, 1, 1},
    {125, ROW_BATTERY, 0, 1},
    {126, ROW_HST, 0, 1},
    {127, ROW_PA_VOLTAGE_LIMIT, 0, 7},
    {134, ROW_TX_POWER_MAX, 0, 7},
};

constexpr bool runsCoverEveryField() {
    int next = 1;
    for (const auto& run : FIELD_RUNS) {
        if (run.firstField != next || run.count < 1)
            return false;
        next += run.count;
    }
    return next == ARCHIVE_FIELDS + 1;
}
static_assert(runsCoverEveryField());

constexpr archiveGroup GROUPS[] = {
    {0, 1, 15, 0, 0},
    {FLAG_REF_OSC_WARP, 16, 16, 16, 0},
    {FLAG_TX_POWER, 17, 30, 17, 0},
    {FLAG_MOD_BALANCE, 31, 37, 31, 0},
    {FLAG_VCO_ATTN, 38, 58, 38, 0},
    {FLAG_DTMF, 59, 59, 59, 0},
    {FLAG_PA_BIAS_HIGH, 60, 60, 60, 0},
    {FLAG_PA_BIAS_LOW, 61, 61, 61, 0},
    {FLAG_VYS1200, 62, 62, 62, 0},
    {FLAG_SELECT5, 98, 98, 98, 0},
    {FLAG_MPT1327, 99, 99, 99, 0},
    {FLAG_HST, 126, 126, 126, 35},
    {FLAG_FRONT_END_FILTER, 63, 69, 63, 0},
    {FLAG_AUTO_SQUELCH, 70, 90, 70, 0},
    {FLAG_RATED_VOLUME, 91, 92, 91, 0},
    {0, 93, 97, 0, 0},
    {FLAG_RSSI, 100, 105, 100, 0},
    {FLAG_MOBILE_KM, 106, 121, 108, 34}, // the DAC values 106, 107 go with K and M
    {FLAG_PA_BIAS_2, 122, 122, 122, 34},
    {FLAG_PA_BIAS_3, 123, 123, 123, 34},
    {FLAG_PA_VOLTAGE_LIMIT, 127, 133, 127, 35},
    {FLAG_BATTERY, 124, 125, 124, 34},
    {FLAG_TX_POWER_MAX, 134, 140, 134, 0},
};

constexpr bool groupsCoverEveryFieldOnce() {
    int count[ARCHIVE_FIELDS + 1] = {};
    for (const auto& g : GROUPS) {
        if (g.firstField < 1 || g.lastField > ARCHIVE_FIELDS || g.firstField > g.lastField)
            return false;
        if (g.flag != 0 && (g.decidingField < g.firstField || g.decidingField > g.lastField))
            return false;
        for (int f = g.firstField; f <= g.lastField; ++f)
            ++count[f];
    }
    for (int f = 1; f <= ARCHIVE_FIELDS; ++f)
        if (count[f] != 1)
            return false;
    return true;
}
static_assert(groupsCoverEveryFieldOnce());

// The one length digit announces at most nine characters.
constexpr std::size_t MAX_FIELD_WIDTH = 9;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A decimal number as "%d" writes it: an optional '-' and at least one digit.
std::optional<std::int64_t> parseDecimal(std::string_view text) {
    std::size_t at = 0;
    if (!text.empty() && text[0] == '-')
        at = 1;
    if (at == text.size())
        return std::nullopt;
    for (std::size_t i = at; i < text.size(); ++i)
        if (!isDigit(text[i]))
            return std::nullopt;
    std::int64_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc{} || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

int deciderFor(int field) {
    for (const auto& g : GROUPS)
        if (g.flag != 0 && g.decidingField == field)
            return g.flag;
    return 0;
}

} // namespace

void scrambleArchiveText(std::span<char> bytes) {
    for (auto& c : bytes) {
        const auto b = static_cast<unsigned>(static_cast<unsigned char>(c));
        const unsigned base = (b & 1u) ? 128u : 40u;
        c = static_cast<char>(static_cast<unsigned char>((base - b) & 0xFFu));
    }
}

archiveCell archiveFieldCell(int field) {
    for (const auto& run : FIELD_RUNS)
        if (field >= run.firstField && field < run.firstField + run.count)
            return {run.row, run.firstColumn + (field - run.firstField)};
    return {};
}

std::span<const archiveGroup> archiveGroups() {
    return GROUPS;
}

bool hasArchiveMarker(std::string_view data) {
    const auto field = readProfileField(data, 1, ARCHIVE_MARKER.size() - 1);
    return field && *field == ARCHIVE_MARKER.substr(1);
}

std::optional<archiveHeader> parseArchiveHeader(std::string_view data) {
    if (data.size() <= ARCHIVE_TYPE_AT)
        return std::nullopt;
    archiveHeader header;
    data.copy(header.serial.data(), header.serial.size(), ARCHIVE_SERIAL_AT);
    scrambleArchiveText(header.serial);
    data.copy(header.model.data(), header.model.size(), ARCHIVE_MODEL_AT);
    scrambleArchiveText(header.model);
    header.level = static_cast<std::uint8_t>(header.model[ARCHIVE_LEVEL_PLACE]);
    header.model[ARCHIVE_LEVEL_PLACE] = ' ';
    header.radioType = static_cast<unsigned char>(data[ARCHIVE_TYPE_AT]) - '0';
    return header;
}

std::optional<archiveFieldValues> parseArchiveFields(std::string_view data) {
    if (data.size() <= ARCHIVE_KEY_DIGITS_AT)
        return std::nullopt;
    const char keyDigits = data[ARCHIVE_KEY_DIGITS_AT];
    if (keyDigits < '1' || keyDigits > '5')
        return std::nullopt;
    const auto keyWidth = static_cast<std::size_t>(keyDigits - '0');
    if (data.size() < ARCHIVE_KEY_AT + keyWidth)
        return std::nullopt;
    const auto keyText = data.substr(ARCHIVE_KEY_AT, keyWidth);
    if (!keyText.empty() && keyText[0] == '-')
        return std::nullopt;
    const auto key = parseDecimal(keyText);
    if (!key)
        return std::nullopt;

    archiveFieldValues values{};
    std::size_t at = ARCHIVE_KEY_AT + keyWidth;
    for (int field = 1; field <= ARCHIVE_FIELDS; ++field) {
        if (at >= data.size() || data[at] < '1' || data[at] > '9')
            return std::nullopt;
        const auto width = static_cast<std::size_t>(data[at] - '0');
        ++at;
        if (data.size() - at < width)
            return std::nullopt;
        const auto number = parseDecimal(data.substr(at, width));
        if (!number)
            return std::nullopt;
        const std::int64_t value = *number - *key;
        if (value < std::numeric_limits<std::int32_t>::min() ||
            value > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
        values[static_cast<std::size_t>(field)] = static_cast<std::int32_t>(value);
        at += width;
    }
    return values;
}

void storeArchiveFields(const archiveFieldValues& values, std::uint8_t level, radioStorage& image) {
    for (const auto& g : GROUPS) {
        if (g.flag != 0) {
            const bool carried = level >= g.minLevel &&
                                 values[static_cast<std::size_t>(g.decidingField)] != ARCHIVE_UNSUPPORTED;
            if (!carried) {
                image.clearSupported(g.flag);
                continue;
            }
            image.setSupported(g.flag);
        }
        for (int field = g.firstField; field <= g.lastField; ++field) {
            const auto cell = archiveFieldCell(field);
            image.setSoftpot(cell.row, values[static_cast<std::size_t>(field)], cell.column);
        }
        if (g.flag == FLAG_MOBILE_KM)
            RF_Frequency::applyLowBandRule(image);
    }
}

std::optional<std::string> encodeArchive(const radioStorage& image, int key) {
    if (key < 0 || key >= ARCHIVE_KEY_LIMIT)
        return std::nullopt;
    std::string out(ARCHIVE_MARKER);

    std::array<char, radioStorage::SERIAL_LENGTH> serial;
    serial.fill(' ');
    image.getSerialNumber().copy(serial.data(), serial.size());
    scrambleArchiveText(serial);
    out.append(serial.data(), serial.size());

    std::array<char, ARCHIVE_MODEL_WIDTH> model;
    model.fill(' ');
    image.getModelNumber().copy(model.data(), ARCHIVE_LEVEL_PLACE);
    model[ARCHIVE_LEVEL_PLACE] = static_cast<char>(image.getReadStatus());
    scrambleArchiveText(model);
    out.append(model.data(), model.size());

    // One character: a type that is not a single digit would shift every
    // later byte, so it is written as 0, which the loader refuses anyway.
    const int type = image.getRadioType();
    out += (type >= 0 && type <= 9) ? static_cast<char>('0' + type) : '0';
    out += '0';

    const auto keyText = std::to_string(key);
    out += static_cast<char>('0' + keyText.size());
    out += keyText;

    for (int field = 1; field <= ARCHIVE_FIELDS; ++field) {
        const auto cell = archiveFieldCell(field);
        std::int64_t value = image.getSoftpot(cell.row, cell.column);
        const int flag = deciderFor(field);
        if (flag != 0 && !image.isSupported(flag))
            value = ARCHIVE_UNSUPPORTED;
        const auto text = std::to_string(value + key);
        if (text.size() > MAX_FIELD_WIDTH)
            return std::nullopt;
        out += static_cast<char>('0' + text.size());
        out += text;
    }
    return out;
}
