#include "link/profileFields.h"

std::optional<std::string_view> readProfileField(std::string_view text, int n, std::size_t maxLength) {
    if (n < 1)
        return std::nullopt;
    std::size_t at = std::string_view::npos;
    std::size_t from = 0;
    for (int found = 0; found < n; ++found) {
        at = text.find(':', from);
        if (at == std::string_view::npos)
            return std::nullopt;
        from = at + 1;
    }
    std::size_t start = from;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    std::size_t end = start;
    while (end < text.size() && end - start < maxLength && text[end] != '\n' && text[end] != '\r')
        ++end;
    return text.substr(start, end - start);
}
