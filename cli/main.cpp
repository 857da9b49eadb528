// veltra-cli: the radio library on the command line. Each subcommand lives
// in its own file (cli/<name>Command.cpp); add it with one declaration and
// one line of the table below.
#include "cliSupport.h"

#include "link/LinkErrors.h"
#include "link/ProgramDirectory.h"
#include "model/modelCatalogue.h"

#include <cstring>
#include <exception>
#include <iostream>
#include <span>
#include <string>
#include <vector>

using cliRun = int (*)(std::span<const std::string> args);

int showCommand(std::span<const std::string> args);
int simulateCommand(std::span<const std::string> args);
int bboCfgCommand(std::span<const std::string> args);
int readCommand(std::span<const std::string> args);
int programCommand(std::span<const std::string> args);
int reportCommand(std::span<const std::string> args);

namespace {

struct cliCommand {
    const char* name;
    const char* summary;
    cliRun run;
};

const cliCommand COMMANDS[] = {
    {"show", "print the identity and softpots of an archive (*.sfp)", showCommand},
    {"read", "read a radio's identity and softpots, optionally save them as an archive", readCommand},
    {"program", "write the softpots of an archive into the radio it was saved from", programCommand},
    {"report", "write the softpot report of an archive (display.txt), optionally as PDF", reportCommand},
    {"simulate", "run the simulated radio on a pseudo-terminal (as veltra-radiosim)", simulateCommand},
    {"bbo-cfg", "decode bbo.cfg into its plain form, or encode a plain form into bbo.cfg", bboCfgCommand},
};

void usage(std::ostream& out) {
    out << "Usage: veltra-cli COMMAND [OPTIONS]\n"
           "       veltra-cli COMMAND --help\n"
           "\n"
           "Commands:\n";
    for (const auto& c : COMMANDS) {
        const std::string name = c.name;
        out << "  " << name << std::string(name.size() < 10 ? 10 - name.size() : 1, ' ') << c.summary << '\n';
    }
    out << "\n" << EXIT_CODE_HELP;
}

const cliCommand* find(const std::string& name) {
    for (const auto& c : COMMANDS)
        if (name == c.name)
            return &c;
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        usage(std::cerr);
        return EXIT_USAGE;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        if (args.size() > 1 && find(args[1]) != nullptr)
            args = {args[1], "--help"};
        else {
            usage(std::cout);
            return EXIT_OK;
        }
    }
    const cliCommand* command = find(args[0]);
    if (command == nullptr) {
        std::cerr << "veltra-cli: unknown command \"" << args[0] << "\"\n\n";
        usage(std::cerr);
        return EXIT_USAGE;
    }

    // Model numbers are recognised through the catalogue beside the program,
    // as in the window application.
    const auto catalogue = modelCatalogue::load(programDirectory());
    if (!catalogue.error.empty())
        std::cerr << "veltra-cli: " << catalogue.error << " (using the built-in model catalogue)\n";

    const std::span<const std::string> rest(args.data() + 1, args.size() - 1);
    try {
        return command->run(rest);
    } catch (const usageError& e) {
        std::cerr << "veltra-cli " << command->name << ": " << e.what() << "\n"
                  << "Try 'veltra-cli " << command->name << " --help'.\n";
        return EXIT_USAGE;
    } catch (const Exception& e) {
        std::cerr << "veltra-cli " << command->name << ": " << e.what() << '\n';
        return EXIT_COMMUNICATION;
    } catch (const std::exception& e) {
        std::cerr << "veltra-cli " << command->name << ": " << e.what() << '\n';
        return EXIT_FAILED;
    }
}
