// veltra-cli program FILE.sfp [--port N | --device PATH] [--yes]: Program
// All from an archive.
#include "cliConnection.h"
#include "cliSupport.h"
#include "consoleLater.h"

#include "operations/fileModule.h"
#include "operations/radioCommands.h"

#include <iostream>
#include <vector>

namespace {

const char* const HELP_HEAD =
    "Usage: veltra-cli program FILE.sfp [--port N | --device PATH] [--trace FILE] [--yes]\n"
    "\n"
    "Loads the softpot archive with every check of Load Archive File, asks\n"
    "\"Program Radio?\" and writes every softpot the archive carries into the radio\n"
    "as Program All does. The radio's serial number is checked first: another\n"
    "radio on the line is left untouched (exit status 5).\n"
    "\n"
    "Options:\n";
const char* const HELP_TAIL = "  --yes          do not ask; needed when there is no terminal to ask on\n"
                              "  --help         this text\n"
                              "\n";

std::vector<optionSpec> options() {
    std::vector<optionSpec> specs(std::begin(CONNECTION_OPTIONS), std::end(CONNECTION_OPTIONS));
    specs.push_back({"--yes", false});
    return specs;
}

} // namespace

int programCommand(std::span<const std::string> args) {
    const auto specs = options();
    const cliOptions parsed(args, specs);
    if (parsed.help()) {
        std::cout << HELP_HEAD << CONNECTION_HELP << HELP_TAIL << EXIT_CODE_HELP;
        return EXIT_OK;
    }
    if (parsed.positionals().size() != 1)
        throw usageError("program needs exactly one archive file");
    cliConnection line(parsed);

    radioStorage image;
    ApplicationState state;
    consolePresenter messages(std::cout, std::cerr, parsed.has("--yes"));
    fileModule files;
    if (files.load(parsed.positionals()[0], image, state, messages) != archiveLoadResult::Loaded)
        return EXIT_FILE;

    if (!line.prepare(std::cerr))
        return EXIT_FILE;
    if (!line.checkPort(std::cerr))
        return EXIT_COMMUNICATION;

    comPortConnector connector;
    radioOperations operations(connector);
    consoleProgress progress(std::cout, stdoutIsTerminal());
    deferredPresenter later(messages);
    radioCommandContext context{image, state, operations, later, progress, {}, {}, {}};
    const auto outcome = programRadioCommand(context);
    progress.finish();
    later.release();
    switch (outcome) {
    case programCommandOutcome::PROGRAMMED:
        return EXIT_OK;
    case programCommandOutcome::CANCELLED:
        return EXIT_FAILED;
    case programCommandOutcome::SERIAL_MISMATCH:
        return EXIT_SERIAL_MISMATCH;
    case programCommandOutcome::FAILED:
        return EXIT_COMMUNICATION;
    }
    return EXIT_FAILED;
}
