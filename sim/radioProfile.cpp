#include "sim/radioProfile.h"

#include "sim/textParsing.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace sim {

namespace {

class lineParser {
public:
    lineParser(const std::string& origin, int line) : origin_(origin), line_(line) {}

    [[noreturn]] void fail(const std::string& message) const {
        throw profileError(origin_ + ":" + std::to_string(line_) + ": " + message);
    }

    std::int64_t number(std::string_view text, std::int64_t max, std::string_view what) const {
        const auto value = parseNumber(text);
        if (!value) {
            fail(std::string(what) + ": \"" + std::string(text) + "\" is not a number");
        }
        if (*value > max) {
            fail(std::string(what) + ": " + std::string(text) + " is above " + std::to_string(max));
        }
        return *value;
    }

    std::vector<std::int64_t> numbers(std::string_view text, std::int64_t max, std::string_view what,
                                      std::size_t minCount, std::size_t maxCount) const {
        std::vector<std::int64_t> values;
        for (std::string_view w : words(text)) {
            values.push_back(number(w, max, what));
        }
        if (values.size() < minCount || values.size() > maxCount) {
            const std::string expected = minCount == maxCount
                                             ? std::to_string(minCount)
                                             : std::to_string(minCount) + " to " + std::to_string(maxCount);
            fail(std::string(what) + " needs " + expected + " values, found " +
                 std::to_string(values.size()));
        }
        return values;
    }

    template <typename T, std::size_t N>
    void fill(std::array<T, N>& out, std::string_view text, std::int64_t max, std::string_view what) const {
        const auto values = numbers(text, max, what, N, N);
        std::copy(values.begin(), values.end(), out.begin());
    }

    std::string text(std::string_view value, std::size_t width, std::string_view what) const {
        std::string result;
        if (!value.empty() && value.front() == '"') {
            if (value.size() < 2 || value.back() != '"') {
                fail(std::string(what) + ": the closing quote is missing");
            }
            value = value.substr(1, value.size() - 2);
            for (std::size_t i = 0; i < value.size(); ++i) {
                if (value[i] == '\\' && i + 1 < value.size()) {
                    ++i;
                }
                result += value[i];
            }
        } else {
            result = std::string(value);
        }
        if (width > 0) {
            if (result.size() > width) {
                fail(std::string(what) + " is longer than " + std::to_string(width) + " characters");
            }
            result.resize(width, ' ');
        }
        return result;
    }

    bool yesNo(std::string_view value, std::string_view what) const {
        if (value == "yes" || value == "true" || value == "1") {
            return true;
        }
        if (value == "no" || value == "false" || value == "0") {
            return false;
        }
        fail(std::string(what) + " must be yes or no");
    }

private:
    const std::string& origin_;
    int line_;
};

// '#' starts a comment unless it is inside a quoted text.
std::string_view stripComment(std::string_view line) {
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && quoted) {
            ++i;
        } else if (line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == '#' && !quoted) {
            return line.substr(0, i);
        }
    }
    return line;
}

void parseSoftpot(radioProfile& p, const lineParser& lp, std::string_view arg, std::string_view value) {
    const auto dot = arg.find('.');
    const int type = static_cast<int>(lp.number(arg.substr(0, dot), 255, "softpot type"));
    const softpotTypeInfo* info = findSoftpotType(type);
    if (!info) {
        lp.fail("softpot type " + std::to_string(type) + " is not one the radio knows");
    }
    int bank = 0;
    if (dot != std::string_view::npos) {
        bank = static_cast<int>(lp.number(arg.substr(dot + 1), MAX_BANKS, "bank"));
        if (bank >= info->bankCount) {
            lp.fail("softpot type " + std::to_string(type) + " has " + std::to_string(info->bankCount) +
                    (info->bankCount == 1 ? " bank" : " banks"));
        }
    }
    const std::int64_t valueMax = (std::int64_t{1} << (8 * info->valueBytes)) - 1;
    auto& banks = p.softpots[type];
    auto& values = banks[static_cast<std::size_t>(bank)];
    const std::string what = "softpot " + std::to_string(type);
    if (info->side != softpotSide::NONE) {
        lp.fill(values, value, valueMax, what);
        return;
    }
    const auto count = static_cast<std::size_t>(type == TYPE_RSSI ? 3 : info->valueBytes);
    const auto list = words(value);
    if (list.size() == 1 && type != TYPE_RSSI) {
        values[0] = static_cast<std::uint32_t>(lp.number(list[0], valueMax, what));
        return;
    }
    // Multi-byte values may be given byte by byte, most significant first;
    // the RSSI thresholds are three separate bytes.
    const auto bytes = lp.numbers(value, 255, what, count, count);
    if (type == TYPE_RSSI) {
        std::copy(bytes.begin(), bytes.end(), values.begin());
        return;
    }
    std::uint32_t combined = 0;
    for (auto b : bytes) {
        combined = (combined << 8) | static_cast<std::uint32_t>(b);
    }
    values[0] = combined;
}

void parseLine(radioProfile& p, const lineParser& lp, std::string_view key, std::string_view arg,
               std::string_view value) {
    auto byteValue = [&](std::string_view what) {
        return static_cast<std::uint8_t>(lp.number(trim(value), 255, what));
    };
    auto needsNoArgument = [&] {
        if (!arg.empty()) {
            lp.fail("\"" + std::string(key) + "\" takes no argument before '='");
        }
    };
    if (key == "softpot") {
        parseSoftpot(p, lp, arg, value);
        return;
    }
    if (key == "limit" || key == "autotune") {
        const int type = static_cast<int>(lp.number(arg, 255, key));
        const softpotTypeInfo* info = findSoftpotType(type);
        if (!info) {
            lp.fail("softpot type " + std::to_string(type) + " is not one the radio knows");
        }
        auto& table = key == "limit" ? p.limits : p.autoTune;
        if (trim(value) == "none") {
            // Takes back what an extended profile set.
            table.erase(type);
            return;
        }
        table[type] = static_cast<std::uint32_t>(lp.number(trim(value), info->maxValue, key));
        return;
    }
    if (key == "memory") {
        const auto address = static_cast<std::size_t>(lp.number(arg, MEMORY_SIZE - 1, "memory address"));
        const auto bytes = lp.numbers(value, 255, "memory", 1, MEMORY_SIZE);
        if (address + bytes.size() > MEMORY_SIZE) {
            lp.fail("memory bytes run past the end of the 64 KiB memory");
        }
        std::copy(bytes.begin(), bytes.end(), p.memory.begin() + static_cast<std::ptrdiff_t>(address));
        return;
    }
    needsNoArgument();
    if (key == "name") {
        p.name = lp.text(value, 0, key);
    } else if (key == "description") {
        p.description = lp.text(value, 0, key);
    } else if (key == "serial") {
        p.serial = lp.text(value, 10, key);
    } else if (key == "model") {
        p.model = lp.text(value, 16, key);
    } else if (key == "uuid") {
        std::string digits;
        for (char c : value) {
            if (c != '-') {
                digits += c;
            }
        }
        if (digits.size() != 32 || digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
            lp.fail("uuid needs 32 hexadecimal digits");
        }
        for (std::size_t i = 0; i < 16; ++i) {
            p.uuid[i] = static_cast<std::uint8_t>(std::stoi(digits.substr(2 * i, 2), nullptr, 16));
        }
    } else if (key == "ic_version") {
        if (!value.empty() && value.front() == '"') {
            const std::string t = lp.text(value, 4, key);
            std::copy(t.begin(), t.end(), p.icVersion.begin());
        } else {
            lp.fill(p.icVersion, value, 255, key);
        }
    } else if (key == "regional_id") {
        p.regionalId = byteValue(key);
    } else if (key == "power_up_status") {
        p.powerUpStatus = byteValue(key);
    } else if (key == "frequency_base") {
        p.frequencyBase = static_cast<std::uint16_t>(lp.number(trim(value), 0xFFFF, key));
    } else if (key == "spacing_mask") {
        p.spacingMask = static_cast<std::uint8_t>(lp.number(trim(value), 7, key));
    } else if (key == "tx_points") {
        lp.fill(p.txPoints, value, 0xFFFF, key);
    } else if (key == "rx_points") {
        lp.fill(p.rxPoints, value, 0xFFFF, key);
    } else if (key == "dac_defaults") {
        lp.fill(p.dacDefaults, value, 255, key);
    } else if (key == "radio_type") {
        p.radioType = byteValue(key);
    } else if (key == "battery_default") {
        p.batteryDefault = byteValue(key);
    } else if (key == "all_points_read") {
        p.allPointsRead = lp.yesNo(value, key);
    } else if (key == "all_points_write") {
        p.allPointsWrite = lp.yesNo(value, key);
    } else if (key == "unsupported_types" || key == "unsupported_requests") {
        auto& set = key == "unsupported_types" ? p.unsupportedTypes : p.unsupportedRequests;
        set.clear();
        for (auto v : lp.numbers(value, 255, key, 0, 256)) {
            set.insert(static_cast<int>(v));
        }
    } else if (key == "battery_reading") {
        p.batteryReading = byteValue(key);
    } else if (key == "rssi_calibration") {
        p.rssiCalibration = byteValue(key);
    } else if (key == "rssi_reading") {
        lp.fill(p.rssiReading, value, 255, key);
    } else if (key == "bbo") {
        lp.fill(p.bbo, value, 255, key);
    } else if (key == "codeplug_level") {
        p.memory[2] = byteValue(key);
    } else if (key == "fault") {
        try {
            p.faults.push_back(faultSpec::parse(value));
        } catch (const std::invalid_argument& e) {
            lp.fail(std::string("fault: ") + e.what());
        }
    } else {
        lp.fail("unknown key \"" + std::string(key) + "\"");
    }
}

} // namespace

radioProfile radioProfile::parse(std::string_view text, const std::string& origin) {
    radioProfile p;
    int lineNumber = 0;
    for (std::string_view rawLine : split(text, '\n')) {
        ++lineNumber;
        const lineParser lp(origin, lineNumber);
        const std::string_view line = trim(stripComment(rawLine));
        if (line.empty()) {
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string_view::npos) {
            lp.fail("expected \"key = value\"");
        }
        const auto left = words(line.substr(0, eq));
        const std::string_view value = trim(line.substr(eq + 1));
        if (left.empty() || left.size() > 2) {
            lp.fail("expected \"key = value\" or \"key argument = value\"");
        }
        const std::string_view key = left[0];
        const std::string_view arg = left.size() > 1 ? left[1] : std::string_view{};
        if (key == "extends") {
            // A profile built on another starts from all of its values.
            const std::string base = lp.text(value, 0, key);
            if (builtInText(base).empty()) {
                lp.fail("extends: no built-in profile \"" + base + "\"");
            }
            const std::string name = p.name;
            p = builtIn(base);
            p.name = name.empty() ? p.name : name;
            continue;
        }
        parseLine(p, lp, key, arg, value);
    }
    if (p.name.empty()) {
        p.name = origin;
    }
    return p;
}

radioProfile radioProfile::builtIn(std::string_view name) {
    const std::string_view text = builtInText(name);
    if (text.empty()) {
        std::string known;
        for (const auto& n : builtInNames()) {
            known += (known.empty() ? "" : ", ") + n;
        }
        throw profileError("no built-in profile \"" + std::string(name) + "\" (known: " + known + ")");
    }
    return parse(text, std::string(name) + ".profile");
}

radioProfile radioProfile::load(const std::string& nameOrPath) {
    if (!builtInText(nameOrPath).empty()) {
        return builtIn(nameOrPath);
    }
    std::ifstream file(nameOrPath, std::ios::binary);
    if (!file) {
        throw profileError("cannot open profile \"" + nameOrPath + "\" (not a built-in profile name either)");
    }
    std::ostringstream content;
    content << file.rdbuf();
    return parse(content.str(), nameOrPath);
}

std::uint32_t radioProfile::limitFor(const softpotTypeInfo& info) const {
    const auto it = limits.find(info.type);
    return it == limits.end() ? info.maxValue : it->second;
}

} // namespace sim
