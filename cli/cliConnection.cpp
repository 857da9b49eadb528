#include "cliConnection.h"

#include "link/ComIni.h"
#include "link/LinkErrors.h"
#include "link/SerialPortMap.h"
#include "link/SerialTrace.h"
#include "link/cominit.h"

#include <cerrno>
#include <ostream>

const optionSpec CONNECTION_OPTIONS[3] = {{"--port", true}, {"--device", true}, {"--trace", true}};

const char* const CONNECTION_HELP =
    "  --port N       use COM port N (1..99), mapped to a device by VELTRA_COM<N>,\n"
    "                 serialports.ini beside the program, or /dev/ttyS<N-1>\n"
    "  --device PATH  use this serial device (e.g. /dev/ttyUSB0 or the simulated\n"
    "                 radio's /dev/pts/N); without --port or --device the port\n"
    "                 named in com.ini beside the program is used\n"
    "  --trace FILE   append a serial trace of the run (time, direction, bytes)\n";

namespace {
const char* const COM_PORT_IN_USE = "COM Port is currently in use by another application";

// The port number the link's connections will open: com.ini's, or the last
// good one when com.ini cannot be read.
int portTheLinkOpens() {
    const int configured = readComIni();
    return configured != -1 ? configured : RF_CommunicationSetup::lastGoodPort();
}
} // namespace

cliConnection::cliConnection(const cliOptions& options) {
    if (const auto text = options.value("--port"))
        port = parseNumber("--port", *text, 1, 99);
    device = options.value("--device");
    trace = options.value("--trace");
    if (port && device)
        throw usageError("give either --port or --device, not both");
    if (device && device->empty())
        throw usageError("--device needs a device path");
}

cliConnection::~cliConnection() {
    if (overridden >= 0)
        clearComDeviceOverride(overridden);
    if (trace)
        SerialTrace::disable();
}

bool cliConnection::prepare(std::ostream& err) {
    if (trace && !SerialTrace::enable(*trace)) {
        err << "veltra-cli: the trace file " << *trace << " cannot be opened\n";
        return false;
    }
    if (port || device) {
        chosenDevice = device ? *device : comDevicePath(*port);
        if (chosenDevice.empty()) {
            err << "veltra-cli: COM" << *port << " has no serial device\n";
            return false;
        }
        // Every connection of the run reads com.ini for its port number;
        // pointing that number at our device leaves com.ini itself alone.
        overridden = portTheLinkOpens();
        setComDeviceOverride(overridden, chosenDevice);
    } else {
        chosenDevice = comDevicePath(portTheLinkOpens());
    }
    return true;
}

bool cliConnection::checkPort(std::ostream& err) {
    try {
        cominit line;
    } catch (const PortInUseError& e) {
        err << "COM PORT ERROR: " << COM_PORT_IN_USE << '\n'
            << "  " << (e.device().empty() ? description() : e.device()) << ": " << e.reason() << '\n';
        if (e.systemError() == EACCES)
            err << "  Add yourself to the dialout group (sudo usermod -aG dialout $USER) and log in again.\n";
        return false;
    }
    return true;
}

std::string cliConnection::description() const {
    if (device)
        return *device;
    const int number = port ? *port : portTheLinkOpens();
    return "COM" + std::to_string(number) + " (" + (chosenDevice.empty() ? "no device" : chosenDevice) + ")";
}
