// Command-line options of the simulated radio, shared by veltra-radiosim and
// any other front end that runs it (so both take the same options).
#pragma once

#include "sim/faultPlan.h"
#include "sim/simulatedRadio.h"

#include <iosfwd>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace sim {

class optionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct simConfig {
    std::string profile; // built-in name or file
    std::string linkPath;
    bool lineTime = false;
    std::vector<faultSpec> faults;
    std::string dumpOnExit; // .json for JSON, else the profile-format text
    bool help = false;
    bool listProfiles = false;
};

// `args` without the program name. Throws optionError.
simConfig parseSimOptions(std::span<const std::string> args);
simConfig parseSimOptions(int argc, const char* const* argv);
std::string simUsage(const std::string& program);

// The radio a configuration describes, not yet started. Throws profileError
// for a bad profile and std::system_error when no pseudo-terminal is free.
std::unique_ptr<simulatedRadio> makeRadio(const simConfig& config);

// Runs the radio until SIGINT or SIGTERM: prints the device path on `out`
// (one line), notes on `err`, writes the dump when asked. Returns the exit
// status.
int runSimulator(const simConfig& config, const std::string& program, std::ostream& out, std::ostream& err);

} // namespace sim
