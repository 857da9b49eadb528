// Serial trace for support: when switched on, every byte sent and received,
// each purge and each time-out is written to a text file with a monotonic
// time stamp, so that a technician can attach it to a problem report.
//
// Switched on by the environment variable VELTRA_TRACE=<file> (read when the
// first port opens) or by SerialTrace::enable (the CLI's --trace, the
// window menu). When off, each call costs one relaxed atomic load.
//
// Line format:   <seconds since the trace started> <TX|RX|--> <hex bytes | text>
#pragma once

#include <atomic>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class SerialTrace {
public:
    enum class Direction { SENT, RECEIVED };

    // Appends to `path`; returns false (trace stays off) when it cannot be opened.
    static bool enable(const std::string& path);
    static void disable();
    static bool enabled() { return on_.load(std::memory_order_relaxed); }
    static std::string path();

    // Applies VELTRA_TRACE once per process; later calls do nothing.
    static void enableFromEnvironment();

    static void bytes(Direction direction, std::span<const std::uint8_t> data) {
        if (enabled()) {
            writeBytes(direction, data);
        }
    }
    static void note(std::string_view text) {
        if (enabled()) {
            writeNote(text);
        }
    }

private:
    static void writeBytes(Direction direction, std::span<const std::uint8_t> data);
    static void writeNote(std::string_view text);
    static std::atomic<bool> on_;
};
