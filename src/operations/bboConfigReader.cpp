#include "operations/bboConfigReader.h"

#include <algorithm>
#include <climits>
#include <string_view>

namespace bboConfig {

namespace {

bool isBlank(std::uint8_t c) {
    return c == ' ' || c == '\t';
}

// Numbers beyond this are no numbers of this file (they would overflow the
// key arithmetic); the limit leaves room for value + key of any int.
constexpr long long MAX_MAGNITUDE = 9'999'999'999LL;

void appendNumber(std::vector<std::uint8_t>& out, long long n) {
    const std::string text = std::to_string(n) + "\r\n";
    out.insert(out.end(), text.begin(), text.end());
}

void appendText(std::vector<std::uint8_t>& out, std::string_view text, std::size_t width) {
    std::string field(text.substr(0, std::min(text.size(), width)));
    field.resize(width, ' ');
    scramble(field);
    out.insert(out.end(), field.begin(), field.end());
    out.push_back('\r');
    out.push_back('\n');
}

} // namespace

void scramble(std::span<char> bytes) {
    for (auto& c : bytes) {
        const unsigned b = static_cast<unsigned char>(c);
        const unsigned base = (b & 1u) ? 128u : 40u;
        c = static_cast<char>(static_cast<unsigned char>((base - b) & 0xFFu));
    }
}

bool reader::fail(const std::string& what) {
    if (error_.empty())
        error_ = "line " + std::to_string(itemLine) + ": " + what;
    return false;
}

bool reader::readLineEnd() {
    if (at < data.size() && data[at] == '\r')
        ++at;
    if (at >= data.size())
        return true; // the last line of a file may lack its line feed
    if (data[at] != '\n')
        return false;
    ++at;
    ++line_;
    return true;
}

bool reader::readRaw(long long& value) {
    itemLine = line_;
    if (atEnd())
        return fail("the file ends here, a number was expected");
    const std::size_t start = at;
    auto tooLong = [&] { return at - start > MAX_NUMBER_LINE; };
    while (at < data.size() && isBlank(data[at]) && !tooLong())
        ++at;
    bool negative = false;
    if (at < data.size() && (data[at] == '-' || data[at] == '+')) {
        negative = data[at] == '-';
        ++at;
    }
    long long n = 0;
    std::size_t digits = 0;
    while (at < data.size() && data[at] >= '0' && data[at] <= '9' && !tooLong()) {
        if (n <= MAX_MAGNITUDE)
            n = n * 10 + (data[at] - '0');
        ++digits;
        ++at;
    }
    while (at < data.size() && isBlank(data[at]) && !tooLong())
        ++at;
    if (tooLong())
        return fail("line too long for a number");
    if (digits == 0)
        return fail("number expected");
    if (n > MAX_MAGNITUDE)
        return fail("number out of range");
    if (!readLineEnd())
        return fail("number expected (unexpected characters after the digits)");
    value = negative ? -n : n;
    return true;
}

bool reader::readKey() {
    long long n = 0;
    if (!readRaw(n))
        return false;
    if (n < INT_MIN || n > INT_MAX)
        return fail("key out of range");
    key_ = static_cast<int>(n);
    return true;
}

bool reader::readNumber(int& value) {
    long long n = 0;
    if (!readRaw(n))
        return false;
    const long long v = n - key_;
    if (v < INT_MIN || v > INT_MAX)
        return fail("number out of range");
    value = static_cast<int>(v);
    return true;
}

bool reader::readText(std::size_t width, std::string& out) {
    itemLine = line_;
    if (data.size() - at < width)
        return fail("the file ends inside a text field of " + std::to_string(width) + " characters");
    out.assign(reinterpret_cast<const char*>(data.data() + at), width);
    at += width;
    scramble(out);
    if (!readLineEnd())
        return fail("text field longer than " + std::to_string(width) + " characters");
    return true;
}

bool reader::readEntryHead(entry& e) {
    auto& f = e.fields;
    std::string code;
    std::string letter;
    if (!readNumber(f.entryNumber) || !readText(MODEL_CODE_WIDTH, code) ||
        !readText(MODEL_LETTER_WIDTH, letter))
        return false;
    std::copy(code.begin(), code.end(), f.modelCode.begin());
    f.modelCode[MODEL_CODE_WIDTH] = '\0';
    f.modelLetter = letter[0];
    if (!readNumber(f.checkAddress))
        return false;
    if (f.checkAddress < 0 || f.checkAddress > MAX_ADDRESS)
        return fail("check address outside the radio's memory");
    if (!readNumber(f.checkMinimum) || !readNumber(f.checkMaximum) || !readNumber(f.blockAddress) ||
        !readNumber(f.labelCount))
        return false;
    if (f.labelCount < 0)
        return fail("negative label count");
    e.labels.clear();
    return true;
}

bool reader::readLabel(label& l) {
    if (!readText(LABEL_WIDTH, l.text) || !readNumber(l.byteOffset))
        return false;
    if (l.byteOffset < 0 || l.byteOffset > 255)
        return fail("byte offset must be 0..255");
    if (!readNumber(l.mask))
        return false;
    if (l.mask < 0 || l.mask > 255)
        return fail("mask must be 0..255");
    return true;
}

bool reader::skipLabels(int count) {
    label l;
    for (int i = 0; i < count; ++i) {
        if (!readLabel(l))
            return false;
    }
    return true;
}

bool parse(std::span<const std::uint8_t> bytes, file& out, std::string& error) {
    reader r(bytes);
    out = file{};
    int count = 0;
    bool ok = r.readKey() && r.readNumber(out.version) && r.readNumber(count);
    if (ok && count < 0) {
        error = "line 3: negative entry count";
        return false;
    }
    out.key = r.key();
    // Entries and labels grow one by one as they are read, so a count larger
    // than the file ends in a message, not in a large allocation.
    for (int i = 0; ok && i < count; ++i) {
        entry e;
        ok = r.readEntryHead(e);
        for (int j = 0; ok && j < e.fields.labelCount; ++j) {
            label l;
            ok = r.readLabel(l);
            if (ok)
                e.labels.push_back(std::move(l));
        }
        if (ok)
            out.entries.push_back(std::move(e));
    }
    if (!ok) {
        error = r.error();
        return false;
    }
    if (!r.atEnd()) {
        error = "line " + std::to_string(r.line()) + ": data after the last of the " + std::to_string(count) +
                " entries";
        return false;
    }
    return true;
}

std::vector<std::uint8_t> encode(const file& f) {
    std::vector<std::uint8_t> out;
    const long long key = f.key;
    appendNumber(out, key);
    appendNumber(out, f.version + key);
    appendNumber(out, static_cast<long long>(f.entries.size()) + key);
    for (const auto& e : f.entries) {
        const auto& x = e.fields;
        appendNumber(out, x.entryNumber + key);
        appendText(out, e.modelCode(), MODEL_CODE_WIDTH);
        appendText(out, std::string_view(&x.modelLetter, 1), MODEL_LETTER_WIDTH);
        appendNumber(out, x.checkAddress + key);
        appendNumber(out, x.checkMinimum + key);
        appendNumber(out, x.checkMaximum + key);
        appendNumber(out, x.blockAddress + key);
        appendNumber(out, static_cast<long long>(e.labels.size()) + key);
        for (const auto& l : e.labels) {
            appendText(out, l.text, LABEL_WIDTH);
            appendNumber(out, l.byteOffset + key);
            appendNumber(out, l.mask + key);
        }
    }
    return out;
}

} // namespace bboConfig
