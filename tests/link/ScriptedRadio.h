// A scripted radio on the master side of a pseudo-terminal, for the link
// tests: it collects each request frame the program sends, echoes it as the
// shared programming wire does, and answers from a script.
#pragma once

#include "link/SBEPFrame.h"
#include "link/SupportRecorder.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace linktest {

using sbep::Byte;
using sbep::Bytes;
using namespace std::chrono_literals;

// A pseudo-terminal pair in raw mode. The slave is what the program opens as
// its serial device; the pair keeps a slave descriptor of its own so that the
// master never sees a hang-up between two opens.
class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    int master() const { return master_; }
    const std::string& slavePath() const { return slavePath_; }
    void closeMaster();

private:
    int master_ = -1;
    int slaveKeeper_ = -1;
    std::string slavePath_;
};

struct Response {
    bool echo = true;
    Bytes answer;                          // right behind the echo
    std::chrono::milliseconds lateDelay{}; // then, this much later,
    Bytes late;                            // these bytes
};

// Frequent answers.
Response ackWith(const Bytes& reply); // echo, ACK and the reply in one piece
Response ackOnly();
Response silence(); // not even an echo
Bytes frame(int opcode, const Bytes& payload);

class ScriptedRadio {
public:
    using Script = std::function<Response(const Bytes& request)>;

    // Maps COM `comPort` to the pseudo-terminal for the radio's lifetime.
    explicit ScriptedRadio(int comPort = 9);
    ~ScriptedRadio();

    int comPort() const { return comPort_; }
    const std::string& device() const { return pty_.slavePath(); }

    // Answers are used in order; when none is queued, `always` answers.
    void respond(Response response);
    void respondAlways(Script script);
    void respondAlways(Response response);

    // Writes bytes to the program at once, outside any script.
    void inject(const Bytes& bytes);
    // Closes the master side, as a pulled cable does; returns once closed.
    void hangUp();

    std::vector<Bytes> requests() const;
    std::size_t requestCount() const;

private:
    void run();
    void handle(const Bytes& request);
    void writeAll(const Bytes& bytes);

    PtyPair pty_;
    int comPort_;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    mutable std::mutex mutex_;
    std::deque<Response> queue_;
    Script always_;
    std::vector<Bytes> requests_;
    struct Scheduled {
        std::chrono::steady_clock::time_point due;
        Bytes bytes;
    };
    std::vector<Scheduled> scheduled_;
    std::atomic<bool> stop_{false};
    bool hangUpRequested_ = false;
    bool hungUp_ = false;
    std::condition_variable hungUpChanged_;
    std::thread thread_;
};

// Records the support flags an exchange sets ('+') and clears ('-').
struct FakeRecorder : SupportRecorder {
    std::vector<std::pair<char, int>> calls;
    void setSupported(int flag) override { calls.emplace_back('+', flag); }
    void clearSupported(int flag) override { calls.emplace_back('-', flag); }
};

} // namespace linktest
