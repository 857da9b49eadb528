// Hexadecimal text conversions for the byte fields the technician edits
// (temperature-compensation bytes).
#pragma once

#include <string>
#include <string_view>

class convertUtil {
public:
    // Value of the first `length` characters of `text` read as hexadecimal.
    // Leading '0's are skipped; 'A'..'F' and 'a'..'f' count 10..15, '0'..'9'
    // their value, any other character 0 (so "1G" gives 16). Only the
    // characters present are read when `text` is shorter than `length`.
    // Digits beyond the eighth wrap around in 32 bits.
    static int hexToInt(std::string_view text, int length);

    // Upper-case hexadecimal text of `value`, zero-padded to `width` digits.
    static std::string toHex(unsigned value, int width);
};
