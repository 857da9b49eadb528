#include "operations/bboConfigPlain.h"

#include <charconv>
#include <climits>
#include <cstdio>
#include <map>
#include <optional>
#include <vector>

namespace bboConfig {

namespace {

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20 || c >= 0x7F) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

std::string hex4(int v) {
    char text[16];
    std::snprintf(text, sizeof text, v < 0 ? "%d" : "0x%04X", v);
    return text;
}

struct token {
    std::string name;  // before '=', or the word itself
    std::string value; // after '='
    bool hasValue = false;
};

class lineParser {
public:
    lineParser(std::string_view line, int number) : s(line), lineNumber(number) {}

    bool tokens(std::vector<token>& out) {
        while (true) {
            while (at < s.size() && (s[at] == ' ' || s[at] == '\t' || s[at] == '\r'))
                ++at;
            if (at >= s.size() || s[at] == '#')
                return true;
            token t;
            if (!word(t.name))
                return false;
            if (at < s.size() && s[at] == '=') {
                ++at;
                t.hasValue = true;
                if (!value(t.value))
                    return false;
            }
            out.push_back(std::move(t));
        }
    }
    const std::string& error() const { return error_; }

private:
    bool fail(const std::string& what) {
        error_ = "line " + std::to_string(lineNumber) + ": " + what;
        return false;
    }
    static bool ends(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '=' || c == '#'; }
    bool word(std::string& out) {
        if (s[at] == '"')
            return text(out);
        while (at < s.size() && !ends(s[at]) && s[at] != '"')
            out += s[at++];
        return true;
    }
    bool value(std::string& out) {
        if (at < s.size() && s[at] == '"')
            return text(out);
        while (at < s.size() && !ends(s[at]) && s[at] != '"')
            out += s[at++];
        return true;
    }
    bool text(std::string& out) {
        ++at; // opening quote
        while (at < s.size() && s[at] != '"') {
            if (s[at] != '\\') {
                out += s[at++];
                continue;
            }
            if (++at >= s.size())
                break;
            if (s[at] == 'x' || s[at] == 'X') {
                unsigned v = 0;
                const auto* first = s.data() + at + 1;
                const auto* last = s.data() + std::min(s.size(), at + 3);
                const auto r = std::from_chars(first, last, v, 16);
                if (r.ec != std::errc{} || r.ptr != last || last - first != 2)
                    return fail("\\x needs two hexadecimal digits");
                out += static_cast<char>(v);
                at += 3;
            } else {
                out += s[at++];
            }
        }
        if (at >= s.size())
            return fail("text without its closing quote");
        ++at;
        return true;
    }

    std::string_view s;
    std::size_t at = 0;
    int lineNumber;
    std::string error_;
};

std::optional<int> number(std::string_view t) {
    bool negative = false;
    if (!t.empty() && t[0] == '-') {
        negative = true;
        t.remove_prefix(1);
    }
    int base = 10;
    if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
        base = 16;
        t.remove_prefix(2);
    }
    long long v = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v, base);
    if (t.empty() || r.ec != std::errc{} || r.ptr != t.data() + t.size())
        return std::nullopt;
    v = negative ? -v : v;
    if (v < INT_MIN || v > INT_MAX)
        return std::nullopt;
    return static_cast<int>(v);
}

std::string trimmedLabel(const std::string& text) {
    const auto end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

} // namespace

std::string toPlain(const file& f) {
    std::string out = "# Baseband offset configuration in plain form.\n"
                      "# veltra-cli bbo-cfg encode PLAIN bbo.cfg turns it into the file the program reads.\n";
    out += "key " + std::to_string(f.key) + "\n";
    out += "version " + std::to_string(f.version) + "\n";
    for (const auto& e : f.entries) {
        const auto& x = e.fields;
        out += "\nentry " + std::to_string(x.entryNumber) + " code=" + quoted(e.modelCode()) +
               " letter=" + quoted(std::string_view(&x.modelLetter, 1)) + " check=" + hex4(x.checkAddress) +
               " min=" + std::to_string(x.checkMinimum) + " max=" + std::to_string(x.checkMaximum) +
               " block=" + hex4(x.blockAddress) + "\n";
        for (const auto& l : e.labels) {
            out += "  label offset=" + std::to_string(l.byteOffset) + " mask=" + std::to_string(l.mask) +
                   " text=" + quoted(trimmedLabel(l.text)) + "\n";
        }
    }
    return out;
}

bool fromPlain(std::string_view text, file& out, std::string& error) {
    out = file{};
    out.key = DEFAULT_KEY;
    bool entriesStarted = false;
    int lineNumber = 0;
    std::size_t start = 0;
    auto fail = [&](const std::string& what) {
        error = "line " + std::to_string(lineNumber) + ": " + what;
        return false;
    };
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        lineParser p(line, lineNumber);
        std::vector<token> tokens;
        if (!p.tokens(tokens)) {
            error = p.error();
            return false;
        }
        if (tokens.empty())
            continue;
        const std::string& keyword = tokens[0].name;
        std::map<std::string, std::string> fields;
        for (std::size_t i = 1; i < tokens.size(); ++i) {
            if (tokens[i].hasValue && !fields.emplace(tokens[i].name, tokens[i].value).second)
                return fail("'" + tokens[i].name + "' given twice");
        }
        auto field = [&](const char* name, std::string& v) {
            const auto it = fields.find(name);
            if (it == fields.end())
                return fail(keyword + " needs " + name + "=");
            v = it->second;
            fields.erase(it);
            return true;
        };
        auto numberField = [&](const char* name, int& v) {
            std::string t;
            if (!field(name, t))
                return false;
            const auto n = number(t);
            if (!n)
                return fail(std::string(name) + "=" + t + " is not a number");
            v = *n;
            return true;
        };
        auto noLeftovers = [&]() {
            if (!fields.empty())
                return fail("unknown field '" + fields.begin()->first + "'");
            return true;
        };

        if (keyword == "key" || keyword == "version") {
            if (entriesStarted)
                return fail(keyword + " must come before the first entry");
            if (tokens.size() != 2 || tokens[1].hasValue)
                return fail(keyword + " takes one number");
            const auto n = number(tokens[1].name);
            if (!n)
                return fail(keyword + " takes one number");
            (keyword == "key" ? out.key : out.version) = *n;
        } else if (keyword == "entry") {
            entriesStarted = true;
            entry e;
            auto& x = e.fields;
            const auto n = tokens.size() > 1 && !tokens[1].hasValue ? number(tokens[1].name) : std::nullopt;
            if (!n)
                return fail("entry needs its number first");
            x.entryNumber = *n;
            std::string code, letter;
            if (!field("code", code) || !field("letter", letter))
                return false;
            if (code.size() != MODEL_CODE_WIDTH)
                return fail("code must have 3 characters");
            if (letter.size() != MODEL_LETTER_WIDTH)
                return fail("letter must be one character");
            std::copy(code.begin(), code.end(), x.modelCode.begin());
            x.modelLetter = letter[0];
            if (!numberField("check", x.checkAddress) || !numberField("min", x.checkMinimum) ||
                !numberField("max", x.checkMaximum) || !numberField("block", x.blockAddress) ||
                !noLeftovers())
                return false;
            if (x.checkAddress < 0 || x.checkAddress > MAX_ADDRESS)
                return fail("check address outside the radio's memory");
            out.entries.push_back(std::move(e));
        } else if (keyword == "label") {
            if (out.entries.empty())
                return fail("label before the first entry");
            label l;
            if (!numberField("offset", l.byteOffset) || !numberField("mask", l.mask) ||
                !field("text", l.text) || !noLeftovers())
                return false;
            if (l.byteOffset < 0 || l.byteOffset > 255 || l.mask < 0 || l.mask > 255)
                return fail("offset and mask must be 0..255");
            if (l.text.size() > LABEL_WIDTH)
                return fail("label text longer than 25 characters");
            l.text.resize(LABEL_WIDTH, ' ');
            auto& e = out.entries.back();
            e.labels.push_back(std::move(l));
            e.fields.labelCount = static_cast<int>(e.labels.size());
        } else {
            return fail("unknown line '" + keyword + "'");
        }
    }
    return true;
}

} // namespace bboConfig
