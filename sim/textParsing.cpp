#include "sim/textParsing.h"

#include <charconv>

namespace sim {

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::vector<std::string_view> splitAny(std::string_view text, std::string_view separators) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const auto at = text.find_first_of(separators, start);
        parts.push_back(
            text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) {
            return parts;
        }
        start = at + 1;
    }
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    return splitAny(text, std::string_view(&separator, 1));
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> result;
    for (std::string_view part : splitAny(text, " \t")) {
        if (!part.empty()) {
            result.push_back(part);
        }
    }
    return result;
}

std::optional<std::int64_t> parseNumber(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

std::string hexByte(int value) {
    static const char* digits = "0123456789ABCDEF";
    return std::string("0x") + digits[(value >> 4) & 0xF] + digits[value & 0xF];
}

std::string hexString(const std::uint8_t* bytes, std::size_t count) {
    static const char* digits = "0123456789ABCDEF";
    std::string text;
    text.reserve(count * 2);
    for (std::size_t i = 0; i < count; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 0xF];
    }
    return text;
}

} // namespace sim
