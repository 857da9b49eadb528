// veltra-cli report FILE.sfp [-o PATH] [--pdf PATH]: the softpot report of an
// archive, the same text Print and Print Preview write to display.txt.
#include "cliSupport.h"

#include "operations/fileModule.h"
#include "report/previewFileModule.h"

#ifdef VELTRA_REPORT_PDF
#include "report/pages/reportPdf.h"
#endif

#include <iostream>

namespace {

const char* const HELP = "Usage: veltra-cli report FILE.sfp [-o PATH] [--pdf PATH]\n"
                         "\n"
                         "Writes the softpot report of a softpot archive, exactly as printing and the\n"
                         "print preview write it: display.txt in the current directory unless -o names\n"
                         "another file (\"-o -\" prints it). The file is replaced as a whole.\n"
                         "\n"
                         "Options:\n"
                         "  -o, --output PATH  where the report text goes (default display.txt)\n"
                         "  --pdf PATH         also write the printed pages as a PDF file (A4)\n"
                         "  --help             this text\n"
                         "\n";

constexpr optionSpec OPTIONS[] = {{"-o", true}, {"--output", true}, {"--pdf", true}};

} // namespace

int reportCommand(std::span<const std::string> args) {
    const cliOptions options(args, OPTIONS);
    if (options.help()) {
        std::cout << HELP << EXIT_CODE_HELP;
        return EXIT_OK;
    }
    if (options.positionals().size() != 1)
        throw usageError("report needs exactly one archive file");
    if (options.has("-o") && options.has("--output"))
        throw usageError("give the output either as -o or as --output");
    const std::string& file = options.positionals()[0];
    const std::string output =
        options.value("-o").value_or(options.value("--output").value_or(REPORT_FILE_NAME));
    const auto pdf = options.value("--pdf");
#ifndef VELTRA_REPORT_PDF
    if (pdf)
        throw usageError("--pdf is not available: this veltra-cli was built without Qt");
#endif

    radioStorage image;
    bool tuningAllowed = true;
    std::error_code reason;
    fileModule files;
    const auto loaded = files.read(file, image, tuningAllowed, reason);
    if (loaded != archiveLoadResult::Loaded) {
        std::cerr << "veltra-cli report: " << file << ": " << archiveLoadMessage(loaded).text;
        if (reason)
            std::cerr << " (" << reason.message() << ")";
        std::cerr << '\n';
        return EXIT_FILE;
    }

    previewFileModule report(image);
    const std::string text = report.reportText();
    if (output == "-") {
        std::cout << text;
        if (!std::cout.good())
            return EXIT_FILE;
    } else {
        const reportWriteResult written = previewFileModule::writeText(text, output);
        if (!written) {
            std::cerr << "veltra-cli report: " << written.message << '\n';
            return EXIT_FILE;
        }
        std::cout << "Softpot report written to " << output << '\n';
    }

#ifdef VELTRA_REPORT_PDF
    if (pdf) {
        const reportPdfResult result = writeReportPdf(text, *pdf);
        if (!result) {
            std::cerr << "veltra-cli report: " << result.message << '\n';
            return EXIT_FILE;
        }
        (output == "-" ? std::cerr : std::cout)
            << "PDF of " << result.pages << (result.pages == 1 ? " page" : " pages") << " written to " << *pdf
            << '\n';
    }
#endif
    return EXIT_OK;
}
