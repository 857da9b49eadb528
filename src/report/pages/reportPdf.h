// The softpot report as a PDF file, for a technician who has no printer or
// wants to keep the report with the radio's records. The pages are the ones
// the printer would give on A4 paper (or on the page layout given).
#pragma once

#include <filesystem>
#include <string>

class QPageLayout;

struct reportPdfResult {
    bool ok = false;
    int pages = 0;
    std::string message; // why it failed, ready to show; empty on success

    explicit operator bool() const { return ok; }
};

// Writes `text` (the report) to `path`. Works with or without a running Qt
// application: without one it starts an off-screen one for the call, so the
// command-line tool needs no display.
reportPdfResult writeReportPdf(const std::string& text, const std::filesystem::path& path,
                               const QPageLayout* layout = nullptr);
