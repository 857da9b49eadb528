#include "model/convertUtil.h"

#include <cstdint>

namespace {

unsigned digitValue(char c) {
    if (c >= 'A' && c <= 'F')
        return static_cast<unsigned>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return static_cast<unsigned>(c - 'a' + 10);
    if (c >= '0' && c <= '9')
        return static_cast<unsigned>(c - '0');
    return 0;
}

} // namespace

int convertUtil::hexToInt(std::string_view text, int length) {
    if (length <= 0)
        return 0;
    text = text.substr(0, static_cast<std::size_t>(length));
    const auto start = text.find_first_not_of('0');
    if (start == std::string_view::npos)
        return 0;
    std::uint32_t value = 0;
    for (const char c : text.substr(start))
        value = value * 16u + digitValue(c);
    return static_cast<int>(value);
}

std::string convertUtil::toHex(unsigned value, int width) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), digits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    while (static_cast<int>(out.size()) < width)
        out.insert(out.begin(), '0');
    return out;
}
