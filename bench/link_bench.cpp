// Radio link throughput against the simulated radio at the pace of a
// 9600-baud line: 100 single softpot reads and 20 all-points reads. The floor
// is what the protocol itself demands: each request's settle pause plus its
// bytes at one character time each. Everything above it is the link's own
// overhead; the CPU share shows that waits block instead of spinning.
#include "link/EnhancedSBEP.h"
#include "link/SerialPortMap.h"
#include "link/Win32CommunicationPort.h"
#include "sim/simulatedRadio.h"

#include <chrono>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int COM = 8;
constexpr int SINGLE_READS = 100;
constexpr int ALL_POINTS_READS = 20;
constexpr int WARP_TYPE = 11; // reference oscillator warp: one 16-bit value
constexpr int WARP_FLAG = 2;
constexpr int POWER_TYPE = 0; // transmit power: seven points
constexpr int BULK_READ_FLAG = 20;
constexpr double SEND_PAUSE = 0.110;
constexpr std::size_t READ_REQUEST_BYTES = 6; // F4 20 t m 00 checksum

struct CountingRecorder : SupportRecorder {
    int set = 0;
    int cleared = 0;
    void setSupported(int) override { ++set; }
    void clearSupported(int) override { ++cleared; }
};

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

int main() {
    sim::simSettings settings;
    settings.lineTime = true;
    sim::simulatedRadio radio(sim::radioProfile::builtIn("portable"), settings);
    radio.start();
    setComDeviceOverride(COM, radio.devicePath());

    Win32CommunicationPort port(COM, 9600, 0, 8, 0, 0);
    EnhancedSBEP sbep;
    sbep.setPort(&port);
    CountingRecorder recorder;

    const auto wallStart = std::chrono::steady_clock::now();
    const double cpuStart = cpuSeconds();
    std::uint32_t value = 0;
    for (int i = 0; i < SINGLE_READS; ++i) {
        sbep.readSoftpotChecked(WARP_TYPE, value, recorder, WARP_FLAG);
    }
    unsigned pointSum = 0;
    for (int i = 0; i < ALL_POINTS_READS; ++i) {
        sbep.readSoftpotAllPoints(POWER_TYPE, value, recorder, BULK_READ_FLAG);
        for (int point = 1; point <= 7; ++point) {
            pointSum += sbep.bulkPointValue(point);
        }
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    const double cpu = cpuSeconds() - cpuStart;

    const int requests = SINGLE_READS + ALL_POINTS_READS;
    const double floor = requests * (SEND_PAUSE + READ_REQUEST_BYTES * port.characterTime());
    std::printf("requests:            %d (%d single, %d all-points), flags set %d, cleared %d\n", requests,
                SINGLE_READS, ALL_POINTS_READS, recorder.set, recorder.cleared);
    std::printf("last value:          %u, point sum %u\n", static_cast<unsigned>(value), pointSum);
    std::printf("wall time:           %.3f s (%.1f ms per request)\n", wall, 1000 * wall / requests);
    std::printf("protocol floor:      %.3f s (%.1f ms per request)\n", floor, 1000 * floor / requests);
    std::printf("cpu time:            %.3f s (link and simulated radio)\n", cpu);
    std::printf("link_bench: wall/floor=%.3f cpu/wall=%.4f\n", wall / floor, cpu / wall);
    return recorder.set == requests ? 0 : 1;
}
