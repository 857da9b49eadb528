// A simulated radio on a pseudo-terminal and a protocol object bound to it
// through the real serial port, for the tests of the data classes and the
// radio sequences. The settle pauses are shortened: the simulated radio
// answers at once.
#pragma once

#include "link/EnhancedSBEP.h"
#include "link/LinkTiming.h"
#include "link/SBEPFrame.h"
#include "link/SerialPortMap.h"
#include "link/Win32CommunicationPort.h"
#include "sim/simulatedRadio.h"

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace simtest {

using namespace std::chrono_literals;

// A COM number no developer machine maps to a real device.
constexpr int SIM_COM_PORT = 8;

// Short enough for suites of hundreds of exchanges, long enough that a radio
// thread delayed by a busy machine still answers within the pause, as a real
// radio always does within the full one. Shorter pauses let a late answer
// overlap the retry and fail a test for no fault of the code.
inline LinkTiming fastTiming() {
    return LinkTiming{std::chrono::milliseconds{25}, std::chrono::milliseconds{25}};
}

inline sim::radioProfile profile(const std::string& name) {
    return sim::radioProfile::builtIn(name);
}

// The radio, its COM mapping and the short pauses live as long as the object.
class simulatedLine {
public:
    explicit simulatedLine(sim::radioProfile p, sim::simSettings settings = {})
        : timing(fastTiming()), radio(std::move(p), settings) {
        radio.start();
        setComDeviceOverride(SIM_COM_PORT, radio.devicePath());
    }
    ~simulatedLine() {
        clearComDeviceOverride(SIM_COM_PORT);
        radio.stop();
    }
    simulatedLine(const simulatedLine&) = delete;
    simulatedLine& operator=(const simulatedLine&) = delete;

    ScopedLinkTiming timing;
    sim::simulatedRadio radio;
};

// One open connection to the simulated radio.
class simulatedConnection {
public:
    simulatedConnection() : port(SIM_COM_PORT, 9600, 0, 8, 0, 0) { sbep.setPort(&port); }
    EnhancedSBEP& protocol() { return sbep; }

private:
    Win32CommunicationPort port;
    EnhancedSBEP sbep;
};

// The request frames of one opcode (and, for softpot requests, one sub-command).
inline std::vector<sbep::Bytes> requestsWith(const sim::simulatedRadio& radio, int opcode,
                                             int subCommand = -1) {
    std::vector<sbep::Bytes> out;
    for (const sbep::Bytes& frame : radio.receivedRequests()) {
        if (sbep::frameOpcode(frame) != opcode)
            continue;
        const std::size_t payload = sbep::frameHeaderSize(frame);
        if (subCommand >= 0 && (frame.size() <= payload + 1 || frame[payload + 1] != subCommand))
            continue;
        out.push_back(frame);
    }
    return out;
}

constexpr int OP_SOFTPOT = 0x20;
constexpr int OP_CHANNEL = 0x21;
constexpr int OP_TEST_MODE = 0x22;

} // namespace simtest
