// veltra-radiosim: a simulated radio on a pseudo-terminal, for trying Veltra
// without a radio and for the tests and benchmarks.
#include "sim/simOptions.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::string program = "veltra-radiosim";
    try {
        const sim::simConfig config = sim::parseSimOptions(argc, argv);
        return sim::runSimulator(config, program, std::cout, std::cerr);
    } catch (const sim::optionError& e) {
        std::cerr << program << ": " << e.what() << "\n\n" << sim::simUsage(program);
        return 2;
    }
}
