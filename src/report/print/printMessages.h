// The texts of printing and the print preview, in one place.
#pragma once

#include "operations/UserMessage.h"

#include <string>

namespace printMessages {

inline UserMessage closeAllWindows() {
    return {"Please close all windows before printing", "Note", MessageIcon::Information};
}
inline UserMessage noDefaultPrinter() {
    return {"Please install Default Printer Device !!", "NOTE", MessageIcon::Information};
}
// Asked after the note above, so that a technician without a printer can
// still keep the report.
inline UserMessage offerPdfInstead() {
    return {"Save the softpot report as a PDF file instead?", "CONFIRMATION", MessageIcon::Question};
}
inline UserMessage reportNotWritten(const std::string& reason) {
    return {reason, "ERROR", MessageIcon::Exclamation};
}
inline UserMessage pdfSaved(const std::string& path) {
    return {"The softpot report has been saved as " + path, "NOTE", MessageIcon::Information};
}
inline UserMessage pdfFailed(const std::string& reason) {
    return {reason, "ERROR", MessageIcon::Exclamation};
}
inline UserMessage printingFailed() {
    return {"The softpot report could not be printed", "Print Error", MessageIcon::Exclamation};
}

// Preview window.
inline constexpr const char* PREVIEW_TITLE = "Preview Window";
inline constexpr const char* PREVIEW_CAPTION_SUFFIX = " (Preview Window)";
inline constexpr const char* PAGE_ONE = "Page %1";
inline constexpr const char* PAGE_TWO = "Page %1 - %2";

// Print job.
inline constexpr const char* DOCUMENT_NAME = "Document";
inline constexpr const char* PDF_DIALOG_CAPTION = "Save Softpot Report as PDF";
inline constexpr const char* PDF_SUGGESTED_NAME = "display.pdf";

} // namespace printMessages
