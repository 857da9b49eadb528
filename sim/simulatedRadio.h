// A radio in software on a pseudo-terminal: it echoes every byte it receives
// (the programming line is one shared wire), assembles request frames and
// answers each with ACK and its reply in one burst, as a radio does. It
// serves in a thread of its own; tests and the application inject faults and
// look at what the radio holds and received.
#pragma once

#include "sim/faultPlan.h"
#include "sim/frameAssembler.h"
#include "sim/ptyLine.h"
#include "sim/radioBehaviour.h"
#include "sim/radioProfile.h"
#include "sim/radioState.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace sim {

struct simSettings {
    // Emulate the 9600-baud line: each echo byte one character time after
    // its byte arrived, each answer burst after its own transmission time.
    bool lineTime = false;
    int baud = 9600;
    // A partial frame older than this is dropped as garbage or abandoned.
    // The PC hands a request over byte by byte, and a busy PC can pause
    // between two bytes for tens of milliseconds, so the limit is generous.
    std::chrono::milliseconds idleReset{500};
    // A symbolic link to the device, made at start and removed at stop.
    std::string linkPath;
};

class simulatedRadio {
public:
    // Opens the pseudo-terminal (std::system_error when that fails); the
    // device exists from here on, the radio answers after start().
    explicit simulatedRadio(radioProfile profile, simSettings settings = {});
    ~simulatedRadio();
    simulatedRadio(const simulatedRadio&) = delete;
    simulatedRadio& operator=(const simulatedRadio&) = delete;

    void start();
    void stop(); // joins the serving thread; safe to call twice

    // The device the PC opens (the pseudo-terminal slave).
    const std::string& devicePath() const { return devicePath_; }
    const std::string& linkPath() const { return settings_.linkPath; }

    // Faults apply to the requests that arrive after the call.
    void injectFault(const faultSpec& fault);
    void clearFaults();
    std::vector<faultPlan::entry> faults() const;
    void setLineTime(bool on);

    // A copy of everything the radio holds, taken under its lock.
    radioState snapshot() const;
    std::uint32_t storedValue(int type, int point, int bank = 0) const;
    std::vector<liveWrite> liveWrites() const;
    bool keyed() const;
    int resetCount() const;
    std::vector<sbep::Bytes> receivedRequests() const;
    std::vector<requestRecord> requestLog() const;
    void clearRequestLog();
    bool pulled() const;

    // Blocks until `count` requests have arrived in all, or `timeout`
    // passed; returns whether they did.
    bool waitForRequests(std::size_t count, std::chrono::milliseconds timeout) const;

    // Runs `f` on the radio's state under its lock (to change or read it).
    template <typename F> auto withState(F&& f) {
        std::lock_guard lock(mutex_);
        return f(behaviour_.state());
    }

    std::string dumpText() const;
    std::string dumpJson() const;

private:
    using clock = std::chrono::steady_clock;

    void serve();
    void wake();
    void receive(clock::time_point now);
    void onByte(sbep::Byte value, clock::time_point now);
    void onFrame(frameAssembler::assembled frame, clock::time_point now);
    void scheduleEcho(const sbep::Bytes& bytes, clock::time_point now);
    void scheduleBurst(sbep::Bytes burst, clock::time_point now, std::chrono::milliseconds delay);
    void flushDue(clock::time_point now);
    void closeLine();
    clock::duration characterTime() const;
    void makeLink();
    void removeLink();

    simSettings settings_;
    std::unique_ptr<ptyLine> line_;
    std::string devicePath_;

    mutable std::mutex mutex_;
    mutable std::condition_variable requestArrived_;
    radioBehaviour behaviour_;
    faultPlan faults_;
    frameAssembler assembler_;
    clock::time_point lastByte_{};
    clock::time_point lastEchoDue_{};
    std::multimap<clock::time_point, sbep::Bytes> outgoing_;
    std::size_t droppedOutput_ = 0; // answer bytes the full line buffer refused
    std::size_t ignoredBytes_ = 0;  // bytes received while unplugged

    std::thread thread_;
    bool stopping_ = false;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    bool linkMade_ = false;
};

} // namespace sim
