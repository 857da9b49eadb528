// The softpot report: the whole radio image as the plain text "display.txt"
// that printing and the print preview show. The layout (tabs, blank runs,
// number formats, placeholders) is the one technicians and their filing
// habits have always seen; it is reproduced character for character.
#pragma once

#include "model/RF_Frequency.h"
#include "model/radioStorage.h"
#include "model/radiomodel.h"

#include <filesystem>
#include <string>

// The report file every print and preview regenerates, in the current directory.
inline constexpr const char* REPORT_FILE_NAME = "display.txt";

struct reportWriteResult {
    bool ok = false;
    std::string path;    // the file asked for
    std::string message; // why it failed, ready to show; empty on success

    explicit operator bool() const { return ok; }
};

class previewFileModule {
public:
    explicit previewFileModule(const radioStorage& storage, const radiomodel& models = radiomodel());

    // The report text, sections in file order, every line ended by '\n'.
    std::string reportText();

    // Writes the report to `path` in full: into a temporary file beside it,
    // then renamed over it, so an earlier report is never left half written.
    reportWriteResult writeReport(const std::filesystem::path& path = REPORT_FILE_NAME);
    // The same for a report text already made (the printing keeps the text
    // it shows and writes the file from it).
    static reportWriteResult writeText(const std::string& text, const std::filesystem::path& path);

private:
    struct pointSection;
    struct singleSection;

    bool mobile() const;
    void line(const char* text);
    void blankLines(int count);
    void appendf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    double frequency(int code);

    void title();
    void sevenPoints(const pointSection& s);
    void onePoint(const singleSection& s);
    void rssi();
    void dacAndMobilePower();
    void paBias();
    void battery();

    const radioStorage& storage;
    bool groupF;
    int frequencyBase = 0;
    RF_Frequency points;
    std::string out;
};
