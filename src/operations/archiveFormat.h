// The layout of a softpot archive (*.sfp): a fixed-width header with the
// scrambled identity, then 140 numeric fields offset by a random key and
// written without separators. This file knows the bytes only; fileModule
// does the file handling, the checks and the messages.
#pragma once

#include "model/radioStorage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

constexpr std::string_view ARCHIVE_MARKER = ":ZEBAK";
constexpr int ARCHIVE_FIELDS = 140;
// A field (or a group's deciding field) holding this value marks a softpot
// group the radio does not support.
constexpr int ARCHIVE_UNSUPPORTED = 4095;
// Only this much of a file is read; a complete archive is well below it.
constexpr std::size_t ARCHIVE_READ_LIMIT = 2000;
constexpr int ARCHIVE_KEY_LIMIT = 32768; // keys are 0..32767
// Archive levels: 35 ('#') is written after a complete read; files below 33
// come from versions whose layout we do not know.
constexpr std::uint8_t ARCHIVE_LOWEST_LEVEL = 33;

// Byte positions of the header.
constexpr std::size_t ARCHIVE_SERIAL_AT = 6;
constexpr std::size_t ARCHIVE_MODEL_AT = 16;
constexpr std::size_t ARCHIVE_MODEL_WIDTH = 16;
constexpr std::size_t ARCHIVE_LEVEL_PLACE = 15; // inside the model field
constexpr std::size_t ARCHIVE_TYPE_AT = 32;
constexpr std::size_t ARCHIVE_KEY_DIGITS_AT = 34;
constexpr std::size_t ARCHIVE_KEY_AT = 35;

// Odd bytes b become 128 - b, even ones 40 - b (mod 256); its own inverse.
// Runs over every byte of the fixed-width field, so that a byte which
// scrambles to zero comes back as it was.
void scrambleArchiveText(std::span<char> bytes);

struct archiveCell {
    int row = 0;
    int column = 0;
};
// The softpot table cell of numeric field n (1..140).
archiveCell archiveFieldCell(int field);

// A run of fields that is stored or skipped as one: when the deciding field
// is 4095 (or the archive level is below minLevel) the flag is cleared and
// the cells keep their values. flag 0: always stored.
struct archiveGroup {
    int flag;
    int firstField;
    int lastField;
    int decidingField;
    int minLevel;
};
// In the order the loader stores them.
std::span<const archiveGroup> archiveGroups();

struct archiveHeader {
    std::array<char, radioStorage::SERIAL_LENGTH> serial{};
    std::array<char, ARCHIVE_MODEL_WIDTH> model{}; // the level place holds a blank
    std::uint8_t level = 0;
    int radioType = 0; // the type byte minus '0', whatever the byte was

    std::string_view serialText() const { return {serial.data(), serial.size()}; }
    std::string_view modelText() const { return {model.data(), model.size()}; }
};

// Indexed by field number; element 0 is unused.
using archiveFieldValues = std::array<std::int32_t, ARCHIVE_FIELDS + 1>;

// The marker check of the loader: the five characters after the first ':'
// (blanks skipped) are "ZEBAK".
bool hasArchiveMarker(std::string_view data);
// nullopt when data ends before the radio type byte.
std::optional<archiveHeader> parseArchiveHeader(std::string_view data);
// The key and all 140 fields. nullopt when any of them is malformed (length
// digit not 1..9, a character that is not part of a decimal number, a field
// running past the end of data, a value outside the 32-bit range).
std::optional<archiveFieldValues> parseArchiveFields(std::string_view data);

// Stores the fields group by group as the loader does, including the
// recomputed low-band and DAC-visited cells when the K and M group is present.
void storeArchiveFields(const archiveFieldValues& values, std::uint8_t level, radioStorage& image);

// The archive text of an image with the given key (0..32767). nullopt when a
// value plus the key needs more than the nine characters one length digit
// can announce; real softpot values are far below that.
std::optional<std::string> encodeArchive(const radioStorage& image, int key);
