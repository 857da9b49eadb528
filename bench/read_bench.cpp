// Read Radio of the point-by-point radio against the simulated radio with the
// 9600-baud line emulated and the real settle pauses. Prints the wall time,
// the protocol floor (the settle pauses every request must be followed by,
// plus its bytes at one character time each), their ratio and the CPU time of
// the reading thread over the wall time.
#include "link/EnhancedSBEP.h"
#include "link/LinkTiming.h"
#include "link/SBEPFrame.h"
#include "link/SerialPortMap.h"
#include "link/Win32CommunicationPort.h"
#include "model/radioStorage.h"
#include "operations/radioOperations.h"
#include "sim/simulatedRadio.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr int BENCH_COM_PORT = 8;
constexpr double CHARACTER_TIME = 10.0 / 9600.0;

class benchConnector final : public radioConnector {
public:
    std::unique_ptr<radioConnection> connect() override { return std::make_unique<connection>(); }

private:
    class connection final : public radioConnection {
    public:
        connection() : port(BENCH_COM_PORT, 9600, 0, 8, 0, 0) { sbep.setPort(&port); }
        EnhancedSBEP& protocol() override { return sbep; }

    private:
        Win32CommunicationPort port;
        EnhancedSBEP sbep;
    };
};

// The pause the read sequence sends `frame` with: the short one for the
// requests that expect no data and for the flag-recording softpot reads, the
// long one for the data reads (identity, tuning data, memory, baseband
// offsets, temperature compensation, RSSI) and auto-tune. The read sends no
// checked softpot write.
double settlePause(const sbep::Bytes& frame, const LinkTiming& timing) {
    const double shortPause = std::chrono::duration<double>(timing.sendPause).count();
    const double longPause = std::chrono::duration<double>(timing.verifiedSendPause).count();
    switch (sbep::frameOpcode(frame)) {
    case 0x10: // reset
    case 0x17: // memory write
    case 0x18: // serial number write
    case 0x19: // key up, dekey
    case 0x21: // channel
    case 0x22: // test mode
        return shortPause;
    case 0x20: {
        const std::size_t header = sbep::frameHeaderSize(frame);
        const std::size_t payload = frame.size() - header - 1;
        const int type = frame[header];
        const int subCommand = payload > 1 ? frame[header + 1] : 0;
        const bool calibrationRead = payload == 2;              // t 00
        const bool tempCompRead = type == 1 && subCommand == 0; // 01 00 00
        const bool rssiRead = type == 26 && subCommand == 3;    // 1A 03 00
        return calibrationRead || tempCompRead || rssiRead ? longPause : shortPause;
    }
    default:
        return longPause;
    }
}

double cpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_THREAD, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

int main(int argc, char** argv) {
    const std::string profileName = argc > 1 ? argv[1] : "portable-legacy";
    sim::simSettings settings;
    settings.lineTime = true;
    sim::simulatedRadio radio(sim::radioProfile::builtIn(profileName), settings);
    radio.start();
    setComDeviceOverride(BENCH_COM_PORT, radio.devicePath());

    benchConnector connector;
    radioOperations operations(connector);
    radioStorage image;
    NoProgress progress;

    const double cpuBefore = cpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const readRadioResult result = operations.readRadio(image, progress);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = cpuSeconds() - cpuBefore;
    radio.stop();
    clearComDeviceOverride(BENCH_COM_PORT);

    if (result.outcome != readRadioOutcome::COMPLETE) {
        std::fprintf(stderr, "read_bench: the read did not complete (code %d)\n", result.code);
        return 1;
    }
    const LinkTiming timing = linkTiming();
    double pauses = 0;
    std::size_t requestBytes = 0;
    const auto requests = radio.receivedRequests();
    for (const sbep::Bytes& frame : requests) {
        pauses += settlePause(frame, timing);
        requestBytes += frame.size();
    }
    const double floor = pauses + static_cast<double>(requestBytes) * CHARACTER_TIME;

    std::printf("profile          %s\n", profileName.c_str());
    std::printf("exchanges        %zu (%zu request bytes)\n", requests.size(), requestBytes);
    std::printf("wall time        %.3f s\n", wall);
    std::printf("protocol floor   %.3f s (pauses %.3f s, request bytes %.3f s)\n", floor, pauses,
                static_cast<double>(requestBytes) * CHARACTER_TIME);
    std::printf("cpu time         %.3f s (reading thread)\n", cpu);
    std::printf("read_bench: wall/floor=%.3f cpu/wall=%.4f exchanges=%zu\n", wall / floor, cpu / wall,
                requests.size());
    return 0;
}
