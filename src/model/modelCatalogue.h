// The maker's model catalogue: the model-prefix table, the patterns and lists
// behind the radiomodel group tests, the radios whose channel spacing comes
// from the model number, and the letters some screens test. It is data, kept
// in models.catalogue beside the program so that a service shop can replace
// it; a built-in copy of the shipped file is used when that file is absent or
// unusable. The format is described in models.catalogue itself and in
// src/model/README.md.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

struct modelCatalogue {
    using Uuid = std::array<std::uint8_t, 16>;
    using ModelList = std::array<std::string, 8>; // complete 10-character model numbers

    std::array<std::string, 9> prefixes; // 3 characters each

    // Patterns compared at the start of the model number.
    std::string patternA, patternB, patternC, patternD; // 4 characters
    std::string patternE, patternF, patternJ;           // 3 characters
    std::string patternH;                               // 7 characters
    std::string patternI, patternK;                     // 4 characters
    // Patterns P/Q are A, and R/S are B, with the fourth character replaced
    // by the first/second of these letters.
    std::array<char, 2> replacementLetters{};
    std::string patternP() const { return patternA.substr(0, 3) + replacementLetters[0]; }
    std::string patternQ() const { return patternA.substr(0, 3) + replacementLetters[1]; }
    std::string patternR() const { return patternB.substr(0, 3) + replacementLetters[0]; }
    std::string patternS() const { return patternB.substr(0, 3) + replacementLetters[1]; }

    char letterG = '\0';             // model[4] of group G
    std::array<char, 2> lettersO7{}; // model[7] of group O
    std::array<char, 3> lettersO8{}; // model[8] of group O
    char letterTU = '\0';            // model[8] of groups T and U

    ModelList listL, listM, listN, listV;

    std::array<Uuid, 6> modelSpacingUUIDs{};

    // model[3] letters for which the mobile PA bias high-power screen sets
    // its channel at 500 MHz instead of 200 MHz.
    std::array<char, 2> paBiasBandLetters{};
    // model-code character 8 letters, in the order Conventional, Tessaly, MPT,
    // Tone Signalling, Passport, LTR, 5T Prime.
    std::array<char, 7> primarySystemLetters{};

    // The letter the portable patterns (A, C, E, G, H, J) begin with.
    char portableLetter() const { return patternA.empty() ? '\0' : patternA[0]; }

    // --- process-wide catalogue -------------------------------------------
    // The catalogue the group tests use: the built-in one until load() has
    // replaced it.
    static const modelCatalogue& current();
    static const modelCatalogue& builtIn();
    static std::string_view builtInText();

    // Reads text in the catalogue format. On failure returns false, leaves
    // `out` untouched and puts a message naming the line into `error`.
    static bool parse(std::string_view text, modelCatalogue& out, std::string& error);

    struct loadResult {
        bool fromFile = false; // false: the built-in catalogue is in use
        std::string path;      // the file looked for
        std::string error;     // empty when the file was missing or good
    };
    // Looks for FILE_NAME in `programDirectory`; installs it as current()
    // when it parses, otherwise installs the built-in catalogue and reports
    // why. A missing file is not an error.
    static loadResult load(const std::filesystem::path& programDirectory);
    static constexpr const char* FILE_NAME = "models.catalogue";

    // Makes `catalogue` current (tests and tools).
    static void install(const modelCatalogue& catalogue);
};
