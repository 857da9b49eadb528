#include "utilities/bboOffsetCodes.h"

#include "model/radioStorage.h"

namespace bboCodes {

namespace {

constexpr std::array<std::string_view, 16> CODE_TEXTS = {
    "234 Hz",  "204 Hz",  "174 Hz",  "144 Hz",  "115 Hz", "86 Hz",  "57 Hz",  "28 Hz",
    "1500 Hz", "1370 Hz", "1215 Hz", "1066 Hz", "921 Hz", "781 Hz", "646 Hz", "512 Hz",
};

constexpr std::array<std::string_view, 16> CHOICE_ORDER = {
    "28 Hz",  "57 Hz",  "86 Hz",  "115 Hz", "144 Hz",  "174 Hz",  "204 Hz",  "234 Hz",
    "512 Hz", "646 Hz", "781 Hz", "921 Hz", "1066 Hz", "1215 Hz", "1370 Hz", "1500 Hz",
};

constexpr int LOW_NIBBLE_MASK = 15;

} // namespace

std::string_view codeText(int code) {
    if (code < 0 || code >= static_cast<int>(CODE_TEXTS.size()))
        return {};
    return CODE_TEXTS[static_cast<std::size_t>(code)];
}

std::uint8_t codeOfText(std::string_view text) {
    for (std::size_t c = 0; c < CODE_TEXTS.size(); ++c) {
        if (CODE_TEXTS[c] == text)
            return static_cast<std::uint8_t>(c);
    }
    return NO_VALUE;
}

const std::array<std::string_view, 16>& choiceOrder() {
    return CHOICE_ORDER;
}

allCodes fromBBORow(const radioStorage& image) {
    allCodes codes{};
    for (auto& spacing : codes)
        spacing.fill(NO_VALUE);
    for (int i = 0; i < ROW_VALUES; ++i) {
        const int v = image.getSoftpot(ROW_BBO, i);
        auto& spacing = codes[static_cast<std::size_t>(i / VALUES_PER_SPACING)];
        const int k = i % VALUES_PER_SPACING;
        const auto low = static_cast<std::uint8_t>(v & 0x0F);
        const auto high = static_cast<std::uint8_t>((v >> 4) & 0x0F);
        if (k < VALUES_PER_SPACING - 1) {
            spacing[static_cast<std::size_t>(2 * k)] = low;
            spacing[static_cast<std::size_t>(2 * k + 1)] = high;
        } else {
            spacing[FIXED_LABELS - 1] = high;
        }
    }
    return codes;
}

int bboRowValue(const allCodes& codes, int i, int old) {
    const auto& spacing = codes[static_cast<std::size_t>(i / VALUES_PER_SPACING)];
    const int k = i % VALUES_PER_SPACING;
    auto nibble = [](std::uint8_t code, int oldNibble) { return code == NO_VALUE ? oldNibble : code & 0x0F; };
    const int oldLow = old & 0x0F;
    const int oldHigh = (old >> 4) & 0x0F;
    if (k < VALUES_PER_SPACING - 1) {
        const int low = nibble(spacing[static_cast<std::size_t>(2 * k)], oldLow);
        const int high = nibble(spacing[static_cast<std::size_t>(2 * k + 1)], oldHigh);
        return high * 16 + low;
    }
    return nibble(spacing[FIXED_LABELS - 1], oldHigh) * 16 + oldLow;
}

std::uint8_t withCode(std::uint8_t old, std::uint8_t code, int mask) {
    if (mask == LOW_NIBBLE_MASK)
        return static_cast<std::uint8_t>((code & 0x0F) | (old & 0xF0));
    return static_cast<std::uint8_t>(((code & 0x0F) << 4) | (old & 0x0F));
}

std::uint8_t codeIn(std::uint8_t byte, int mask) {
    int code = byte & mask;
    if (code > 15)
        code >>= 4;
    return static_cast<std::uint8_t>(code);
}

} // namespace bboCodes
