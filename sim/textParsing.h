// Small text helpers shared by the profile, fault and option parsers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

std::string_view trim(std::string_view text);
std::vector<std::string_view> split(std::string_view text, char separator);
std::vector<std::string_view> splitAny(std::string_view text, std::string_view separators);
// Fields separated by blanks or tabs.
std::vector<std::string_view> words(std::string_view text);

// Decimal, or hexadecimal with 0x; nothing else in the text.
std::optional<std::int64_t> parseNumber(std::string_view text);

std::string hexByte(int value);                                      // "0x2A"
std::string hexString(const std::uint8_t* bytes, std::size_t count); // "0AFF00"

} // namespace sim
