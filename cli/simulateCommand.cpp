// veltra-cli simulate ...: the simulated radio, with the options of
// veltra-radiosim.
#include "cliSupport.h"

#include "sim/simOptions.h"

#include <iostream>

int simulateCommand(std::span<const std::string> args) {
    const std::string program = "veltra-cli simulate";
    sim::simConfig config;
    try {
        config = sim::parseSimOptions(args);
    } catch (const sim::optionError& e) {
        throw usageError(std::string(e.what()) + "\n\n" + sim::simUsage(program));
    }
    if (config.help) {
        std::cout << sim::simUsage(program) << '\n' << EXIT_CODE_HELP;
        return EXIT_OK;
    }
    return sim::runSimulator(config, program, std::cout, std::cerr);
}
