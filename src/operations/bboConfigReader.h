// The bbo.cfg format: a sequence of lines, read front to back.
//   number line  a decimal number up to the line feed. The first number of
//                the file is the key; every later one is stored as value +
//                key, and the reader gives back the value.
//   text field   a fixed number of bytes, scrambled (odd b -> 128 - b, even
//                b -> 40 - b), then "\r\n" or "\n". Scrambled text can hold
//                any byte ('s' becomes '\r', '(' becomes 0), so a field is
//                taken by its length, never by looking for the line end.
//
//   key, version (must give 0), entry count E, then E entries of
//   entry number, model code (3), model letter (1), check address, check
//   minimum, check maximum, block address, label count L, and L labels of
//   text (25), byte offset, mask.
//
// The reader never looks past the data it was given. Every failure leaves a
// message naming the line ("line 7: number expected").
#pragma once

#include "model/radioStorage.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace bboConfig {

constexpr std::size_t MODEL_CODE_WIDTH = 3;
constexpr std::size_t MODEL_LETTER_WIDTH = 1;
constexpr std::size_t LABEL_WIDTH = 25;
constexpr int SUPPORTED_VERSION = 0;
// A number line longer than this is not a number: a damaged or foreign file.
constexpr std::size_t MAX_NUMBER_LINE = 24;
constexpr int MAX_ADDRESS = 0xFFFFFF; // radio memory addresses are 24 bits

struct label {
    std::string text; // LABEL_WIDTH characters, descrambled
    int byteOffset = 0;
    int mask = 0; // 15 = low four bits, anything else the high four
};

struct entry {
    bboConfigEntry fields; // as the radio image keeps the matched entry
    std::vector<label> labels;

    std::string modelCode() const { return {fields.modelCode.data(), MODEL_CODE_WIDTH}; }
};

struct file {
    int key = 0;
    int version = 0;
    std::vector<entry> entries;
};

// Odd bytes b become 128 - b, even ones 40 - b (mod 256); its own inverse.
void scramble(std::span<char> bytes);

class reader {
public:
    explicit reader(std::span<const std::uint8_t> bytes) : data(bytes) {}

    // The first number of the file, used unchanged.
    bool readKey();
    // A later number line: the stored number minus the key.
    bool readNumber(int& value);
    // A text field of `width` bytes, descrambled, and its line end.
    bool readText(std::size_t width, std::string& out);

    // An entry up to its label count; then its labels one by one.
    bool readEntryHead(entry& e);
    bool readLabel(label& l);
    bool skipLabels(int count);

    int key() const { return key_; }
    bool atEnd() const { return at >= data.size(); }
    const std::string& error() const { return error_; }
    int line() const { return line_; }

private:
    bool fail(const std::string& what);
    bool readRaw(long long& value);
    bool readLineEnd();

    std::span<const std::uint8_t> data;
    std::size_t at = 0;
    int line_ = 1;
    int itemLine = 1; // line of the item read last, which errors name
    int key_ = 0;
    std::string error_;
};

// The whole file, every entry and label. Fails on anything the reader
// refuses and on bytes after the last entry (so that a file announcing fewer
// entries than it holds is caught when a service shop checks it).
bool parse(std::span<const std::uint8_t> bytes, file& out, std::string& error);

// The file as the program reads it: numbers offset by the key, texts
// scrambled, lines ended with "\r\n". Texts are padded with blanks or cut to
// their width.
std::vector<std::uint8_t> encode(const file& f);

} // namespace bboConfig
