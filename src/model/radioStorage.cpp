#include "model/radioStorage.h"

#include "model/modelCatalogue.h"

#include <algorithm>

namespace {

constexpr std::string_view FIXED_BBO_LABEL_TEXTS[radioStorage::FIXED_BBO_LABELS] = {
    "CSQ Offset               ", "KRZ/VYS/JOXB Offset      ", "WNG Range 1 Offset       ",
    "WNG Range 2 Offset       ", "WNG Range 3 Offset       ", "WNG Range 4 Offset       ",
    "LTR Med Deviation Offset ", "LTR High Deviation Offset", "LTR Low Deviation Offset ",
};

// The baseband offset window keeps 20 codes per channel spacing, so a
// configuration entry announcing more labels cannot be shown.
constexpr int MAX_BBO_LABELS = 20;

bool inTable(int row, int column) {
    return row >= 0 && row < radioStorage::ROWS && column >= 0 && column < radioStorage::COLUMNS;
}

bool validFlag(int flag) {
    return flag >= FIRST_SUPPORT_FLAG && flag <= LAST_SUPPORT_FLAG;
}

template <std::size_t N>
void copyPadded(std::array<std::uint8_t, N>& to, std::span<const std::uint8_t> from) {
    to.fill(' ');
    std::copy_n(from.begin(), std::min(from.size(), N), to.begin());
}

std::span<const std::uint8_t> bytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace

std::string_view bboLabel::label() const {
    const auto end = std::find(text.begin(), text.end(), '\0');
    return {text.data(), static_cast<std::size_t>(end - text.begin())};
}

void bboLabel::setLabel(std::string_view s) {
    text.fill('\0');
    std::copy_n(s.begin(), std::min(s.size(), text.size() - 1), text.begin());
}

radioStorage::radioStorage() : modelNumber("NULL            "), serialNumber("NULL      ") {
    copyPadded(uuid, bytesOf("NULL"));
    copyPadded(icVersion, bytesOf("NULL"));
    for (int flag = FIRST_SUPPORT_FLAG; flag <= LAST_SUPPORT_FLAG; ++flag)
        supported[flag] = true;
    supported[FLAG_MOBILE_KM] = false;
    supported[FLAG_BATTERY] = false;
}

int radioStorage::getSoftpot(int row, int column) const {
    return inTable(row, column) ? softpots[row][column] : 0;
}

void radioStorage::setSoftpot(int row, int value, int column) {
    if (inTable(row, column))
        softpots[row][column] = value;
}

bool radioStorage::isSupported(int flag) const {
    return validFlag(flag) && supported[flag];
}

void radioStorage::setSupported(int flag) {
    if (validFlag(flag))
        supported[flag] = true;
}

void radioStorage::clearSupported(int flag) {
    if (validFlag(flag))
        supported[flag] = false;
}

void radioStorage::setModelNumber(std::string_view reply) {
    reply = reply.substr(0, MODEL_REPLY_LENGTH);
    const auto& prefixes = modelCatalogue::current().prefixes;
    int found = -1;
    for (std::size_t p = 0; p <= 6 && p + 3 <= reply.size(); ++p) {
        const auto at = reply.substr(p, 3);
        if (std::find(prefixes.begin(), prefixes.end(), at) != prefixes.end())
            found = static_cast<int>(p); // a later position wins
    }
    recognised = found >= 0;
    if (!recognised) {
        std::string text(reply);
        text.resize(MODEL_REPLY_LENGTH, ' ');
        modelNumber.assign(text);
        return;
    }
    // Positions 10..15 hold blanks. They would keep whatever the buffer held,
    // which is the blanks of the initial text, except after an unrecognised
    // reply was kept whole; its tail must not linger behind a new model.
    std::string text(reply.substr(static_cast<std::size_t>(found), MODEL_LENGTH));
    text.resize(MODEL_REPLY_LENGTH, ' ');
    modelNumber.assign(text);
}

int radioStorage::spacingFromModelNumber() const {
    const auto model = getModelNumber();
    if (model.size() < 7)
        return 7;
    for (std::size_t p = 0; p <= model.size() - 6; ++p) {
        const char c = model[p];
        const char next = model[p + 1];
        if ((c == 'H' || c == 'M') && next >= '0' && next <= '9') {
            const char decisive = p + 6 < model.size() ? model[p + 6] : '\0';
            if (decisive == '4')
                return 1;
            if (decisive == '6')
                return 6;
            return 7;
        }
    }
    return 7;
}

void radioStorage::setUUID(std::span<const std::uint8_t> bytes) {
    copyPadded(uuid, bytes);
}
void radioStorage::setUUID(std::string_view text) {
    copyPadded(uuid, bytesOf(text));
}

std::string_view radioStorage::getICVersionText() const {
    return {reinterpret_cast<const char*>(icVersion.data()), icVersion.size()};
}

void radioStorage::setICVersion(std::span<const std::uint8_t> bytes) {
    copyPadded(icVersion, bytes);
}
void radioStorage::setICVersion(std::string_view text) {
    copyPadded(icVersion, bytesOf(text));
}

int radioStorage::getBBOCount() {
    if (bboSupported)
        bboEntry.labelCount = FIXED_BBO_LABELS;
    return bboEntry.labelCount;
}

bool radioStorage::allocBBOLabels() {
    bboLabels.clear();
    if (bboSupported) {
        bboEntry.labelCount = FIXED_BBO_LABELS;
        bboLabels.resize(FIXED_BBO_LABELS);
        for (int i = 0; i < FIXED_BBO_LABELS; ++i)
            bboLabels[i].setLabel(FIXED_BBO_LABEL_TEXTS[i]);
        return true;
    }
    // A count from a damaged configuration file must not turn into a huge or
    // negative allocation; such an entry is refused like a failed allocation.
    if (bboEntry.labelCount < 0 || bboEntry.labelCount > MAX_BBO_LABELS)
        return false;
    bboLabels.resize(static_cast<std::size_t>(bboEntry.labelCount));
    return true;
}
