// veltra-cli read [--port N | --device PATH] [--save FILE.sfp]: Read Radio.
#include "archiveView.h"
#include "cliConnection.h"
#include "cliSupport.h"
#include "consoleLater.h"

#include "operations/archiveMessages.h"
#include "operations/fileModule.h"
#include "operations/radioCommands.h"

#include <filesystem>
#include <iostream>
#include <vector>

namespace {

const char* const HELP_HEAD =
    "Usage: veltra-cli read [--port N | --device PATH] [--trace FILE] [--save FILE.sfp]\n"
    "\n"
    "Reads the radio on the line as Read Radio does: identity, frequency points and\n"
    "every softpot it supports. Shows the progress (a bar on a terminal, one\n"
    "\"NN% Complete\" line otherwise), then the identity and the outcome.\n"
    "\n"
    "Options:\n";
const char* const HELP_TAIL = "  --save FILE    save what was read as a softpot archive (replacing FILE)\n"
                              "  --help         this text\n"
                              "\n";

std::vector<optionSpec> options() {
    std::vector<optionSpec> specs(std::begin(CONNECTION_OPTIONS), std::end(CONNECTION_OPTIONS));
    specs.push_back({"--save", true});
    return specs;
}

} // namespace

int readCommand(std::span<const std::string> args) {
    const auto specs = options();
    const cliOptions parsed(args, specs);
    if (parsed.help()) {
        std::cout << HELP_HEAD << CONNECTION_HELP << HELP_TAIL << EXIT_CODE_HELP;
        return EXIT_OK;
    }
    if (!parsed.positionals().empty())
        throw usageError("read takes no file argument (use --save FILE)");
    std::optional<std::filesystem::path> save;
    if (const auto path = parsed.value("--save")) {
        if (path->empty())
            throw usageError("--save needs a file name");
        save = std::filesystem::absolute(*path);
    }

    cliConnection line(parsed);
    if (!line.prepare(std::cerr))
        return EXIT_FILE;
    if (!line.checkPort(std::cerr))
        return EXIT_COMMUNICATION;

    radioStorage image;
    ApplicationState state;
    comPortConnector connector;
    radioOperations operations(connector);
    consolePresenter console(std::cout, std::cerr);
    deferredPresenter messages(console);
    consoleProgress progress(std::cout, stdoutIsTerminal());
    radioCommandContext context{image, state, operations, messages, progress, {}, {}, {}};

    const auto result = readRadioCommand(context);
    progress.finish();
    if (result.outcome == readCommandOutcome::READ)
        printRadioIdentity(std::cout, image);
    messages.release();

    switch (result.outcome) {
    case readCommandOutcome::READ:
        break;
    case readCommandOutcome::FAILED:
        return EXIT_COMMUNICATION;
    case readCommandOutcome::INVALID_POINTS:
    case readCommandOutcome::POWER_UP_FAILURE:
        return EXIT_FAILED;
    }

    if (save) {
        fileModule files;
        std::error_code reason;
        if (!files.write(*save, image, reason)) {
            std::cerr << archiveMessages::SAVE_FAILED.caption << ": " << archiveMessages::SAVE_FAILED.text
                      << " (" << save->string() << ": " << reason.message() << ")\n";
            return EXIT_FILE;
        }
        console.show(archiveMessages::SAVED);
    }
    return EXIT_OK;
}
