#include "link/SerialTrace.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <mutex>

std::atomic<bool> SerialTrace::on_{false};

namespace {
struct TraceFile {
    std::mutex mutex;
    std::FILE* file = nullptr;
    std::string path;
    std::chrono::steady_clock::time_point origin;
};

TraceFile& traceFile() {
    static TraceFile trace;
    return trace;
}

void stamp(TraceFile& trace, const char* tag) {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - trace.origin).count();
    std::fprintf(trace.file, "%12.6f %s", seconds, tag);
}
} // namespace

bool SerialTrace::enable(const std::string& path) {
    TraceFile& trace = traceFile();
    std::lock_guard lock(trace.mutex);
    std::FILE* file = std::fopen(path.c_str(), "a");
    if (file == nullptr) {
        return false;
    }
    if (trace.file != nullptr) {
        std::fclose(trace.file);
    }
    trace.file = file;
    trace.path = path;
    trace.origin = std::chrono::steady_clock::now();
    const std::time_t now = std::time(nullptr);
    char date[64];
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S", std::localtime(&now));
    std::fprintf(file, "# Veltra serial trace started %s; times in seconds from here\n", date);
    std::fflush(file);
    on_.store(true);
    return true;
}

void SerialTrace::disable() {
    TraceFile& trace = traceFile();
    std::lock_guard lock(trace.mutex);
    on_.store(false);
    if (trace.file != nullptr) {
        std::fclose(trace.file);
        trace.file = nullptr;
    }
}

std::string SerialTrace::path() {
    TraceFile& trace = traceFile();
    std::lock_guard lock(trace.mutex);
    return trace.file != nullptr ? trace.path : std::string();
}

void SerialTrace::enableFromEnvironment() {
    static std::once_flag once;
    std::call_once(once, [] {
        const char* path = std::getenv("VELTRA_TRACE");
        if (path != nullptr && *path != '\0' && !enabled()) {
            enable(path);
        }
    });
}

void SerialTrace::writeBytes(Direction direction, std::span<const std::uint8_t> data) {
    TraceFile& trace = traceFile();
    std::lock_guard lock(trace.mutex);
    if (trace.file == nullptr) {
        return;
    }
    stamp(trace, direction == Direction::SENT ? "TX" : "RX");
    for (const std::uint8_t byte : data) {
        std::fprintf(trace.file, " %02X", byte);
    }
    std::fputc('\n', trace.file);
    // Flushed per line: the trace matters most when the program hangs or dies.
    std::fflush(trace.file);
}

void SerialTrace::writeNote(std::string_view text) {
    TraceFile& trace = traceFile();
    std::lock_guard lock(trace.mutex);
    if (trace.file == nullptr) {
        return;
    }
    stamp(trace, "--");
    std::fprintf(trace.file, " %.*s\n", static_cast<int>(text.size()), text.data());
    std::fflush(trace.file);
}
