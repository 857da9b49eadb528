// Baseband offset codes and where they sit: the 4-bit code of each offset
// and the frequency it stands for, the order the choice lists offer them, and
// the nibble layout of ROW_BBO for radios that answer the baseband-offset
// requests (per channel spacing five values; value k < 4 holds label 2k in
// its low and label 2k + 1 in its high four bits, value 4 holds label 8 in
// its high four bits).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

class radioStorage;

namespace bboCodes {

constexpr std::uint8_t NO_VALUE = 255;
constexpr int SPACINGS = 3;           // 12.5, 20, 25 kHz
constexpr int MAX_LABELS = 20;        // codes kept per spacing
constexpr int VALUES_PER_SPACING = 5; // ROW_BBO columns per spacing
constexpr int ROW_VALUES = SPACINGS * VALUES_PER_SPACING;
constexpr int FIXED_LABELS = 9;

// Item of the baseband-offset requests for value k of a spacing, and the
// group a write addresses for spacing g (reads use 1..3).
constexpr std::array<int, VALUES_PER_SPACING> ITEMS = {5, 0, 2, 10, 8};
constexpr int WRITE_GROUP_BASE = 129;

// "234 Hz" for code 0 ... "512 Hz" for code 15; empty for any other code.
std::string_view codeText(int code);
// The code of a choice text, NO_VALUE for any other text.
std::uint8_t codeOfText(std::string_view text);
// The texts in the order the choice lists offer them ("28 Hz" first).
const std::array<std::string_view, 16>& choiceOrder();

using spacingCodes = std::array<std::uint8_t, MAX_LABELS>;
using allCodes = std::array<spacingCodes, SPACINGS>;

// The codes of the nine fixed labels from ROW_BBO (labels 9.. stay NO_VALUE).
allCodes fromBBORow(const radioStorage& image);
// ROW_BBO value i (0..14) from the codes, `old` being its present value: a
// label without a code keeps its nibble of `old`, and so does the low
// nibble of value 4, which carries no label.
int bboRowValue(const allCodes& codes, int i, int old);

// A codeplug byte with one offset changed: mask 15 the low four bits, any
// other mask the high four.
std::uint8_t withCode(std::uint8_t old, std::uint8_t code, int mask);
// The code a codeplug byte holds under a label's mask.
std::uint8_t codeIn(std::uint8_t byte, int mask);

} // namespace bboCodes
