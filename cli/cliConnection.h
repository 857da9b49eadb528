// The line options of the subcommands that talk to a radio:
//   --port N       COM port N, mapped to a device as the window application
//                  maps it (VELTRA_COM<n>, serialports.ini, /dev/ttyS<n-1>)
//   --device PATH  that device, whatever com.ini says
//   --trace FILE   the serial trace of the run
// Without --port or --device the port com.ini names is used.
#pragma once

#include "cliSupport.h"

#include <iosfwd>
#include <optional>
#include <string>

extern const optionSpec CONNECTION_OPTIONS[3];
extern const char* const CONNECTION_HELP;

class cliConnection {
public:
    // Throws usageError for a bad --port or both --port and --device.
    explicit cliConnection(const cliOptions& options);
    // Takes back the device override and stops the trace.
    ~cliConnection();
    cliConnection(const cliConnection&) = delete;
    cliConnection& operator=(const cliConnection&) = delete;

    // Switches the trace on and points the port the link will open at the
    // chosen device. False (reason on err) when the trace file cannot be
    // opened or the chosen port has no device.
    bool prepare(std::ostream& err);
    // Opens and closes the port once, so that a port that cannot be opened
    // is reported with the system's reason before anything starts. False
    // (message on err) when it cannot be opened.
    bool checkPort(std::ostream& err);
    std::string description() const; // "COM3 (/dev/ttyS2)"

private:
    std::optional<int> port;
    std::optional<std::string> device;
    std::optional<std::string> trace;
    int overridden = -1; // the port number whose device we set
    std::string chosenDevice;
};
