#include "shell/privateProfile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::vector<std::string> readLines(const std::filesystem::path& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

// "[name]" gives name.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    return trimmed(line.substr(1, line.size() - 2));
}

// "key=value" gives key; comments and other lines give nothing.
std::optional<std::string_view> keyName(std::string_view line) {
    const auto t = trimmed(line);
    if (t.empty() || t.front() == ';' || t.front() == '#')
        return std::nullopt;
    const auto eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return trimmed(line.substr(0, eq));
}

} // namespace

std::string privateProfile::getString(std::string_view section, std::string_view key,
                                      std::string_view fallback) const {
    bool inSection = false;
    for (const auto& line : readLines(path)) {
        if (auto name = sectionName(line)) {
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        if (auto k = keyName(line); k && sameName(*k, key))
            return std::string(trimmed(std::string_view(line).substr(line.find('=') + 1)));
    }
    return std::string(fallback);
}

bool privateProfile::writeString(std::string_view section, std::string_view key,
                                 std::string_view value) const {
    auto lines = readLines(path);
    const std::string entry = std::string(key) + "=" + std::string(value);
    std::optional<std::size_t> sectionAt;
    std::optional<std::size_t> lastInSection;
    bool done = false;
    for (std::size_t i = 0; i < lines.size() && !done; ++i) {
        if (auto name = sectionName(lines[i])) {
            if (sectionAt)
                break; // past our section
            if (sameName(*name, section)) {
                sectionAt = i;
                lastInSection = i;
            }
            continue;
        }
        if (!sectionAt)
            continue;
        if (!trimmed(lines[i]).empty())
            lastInSection = i;
        if (auto k = keyName(lines[i]); k && sameName(*k, key)) {
            lines[i] = entry;
            done = true;
        }
    }
    if (!done) {
        if (sectionAt) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*lastInSection + 1), entry);
        } else {
            if (!lines.empty() && !trimmed(lines.back()).empty())
                lines.emplace_back();
            lines.push_back("[" + std::string(section) + "]");
            lines.push_back(entry);
        }
    }
    std::ostringstream text;
    for (const auto& line : lines)
        text << line << '\n';
    std::ofstream out(path, std::ios::trunc);
    if (!out)
        return false;
    out << text.str();
    return static_cast<bool>(out.flush());
}
