// veltra-cli show FILE.sfp [--json]: what a softpot archive holds.
#include "archiveView.h"
#include "cliSupport.h"

#include "operations/fileModule.h"

#include <iostream>

namespace {

const char* const HELP = "Usage: veltra-cli show FILE.sfp [--json]\n"
                         "\n"
                         "Prints the radio identity and every softpot group of a softpot archive, each\n"
                         "point with its frequency in MHz. Groups the archive does not carry show as\n"
                         "UNSUPPORTED. The archive is loaded with every check of Load Archive File.\n"
                         "\n"
                         "Options:\n"
                         "  --json     print the same as one JSON object\n"
                         "  --help     this text\n"
                         "\n";

constexpr optionSpec OPTIONS[] = {{"--json", false}};

} // namespace

int showCommand(std::span<const std::string> args) {
    const cliOptions options(args, OPTIONS);
    if (options.help()) {
        std::cout << HELP << EXIT_CODE_HELP;
        return EXIT_OK;
    }
    if (options.positionals().size() != 1)
        throw usageError("show needs exactly one archive file");
    const std::string& file = options.positionals()[0];

    radioStorage image;
    bool tuningAllowed = true;
    std::error_code reason;
    fileModule files;
    const auto result = files.read(file, image, tuningAllowed, reason);
    if (result != archiveLoadResult::Loaded) {
        const auto& message = archiveLoadMessage(result);
        std::cerr << "veltra-cli show: " << file << ": " << message.text;
        if (reason)
            std::cerr << " (" << reason.message() << ")";
        std::cerr << '\n';
        return EXIT_FILE;
    }
    if (options.has("--json"))
        printArchiveJson(std::cout, image, file);
    else
        printArchiveText(std::cout, image, file);
    return std::cout.good() ? EXIT_OK : EXIT_FILE;
}
