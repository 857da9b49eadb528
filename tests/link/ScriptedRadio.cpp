#include "ScriptedRadio.h"

#include "link/SBEPReply.h"
#include "link/SerialPortMap.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace linktest {

PtyPair::PtyPair() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        throw std::runtime_error("no pseudo-terminal");
    }
    slavePath_ = ::ptsname(master_);
    slaveKeeper_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios line{};
    ::tcgetattr(slaveKeeper_, &line);
    ::cfmakeraw(&line);
    ::tcsetattr(slaveKeeper_, TCSANOW, &line);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
}

PtyPair::~PtyPair() {
    closeMaster();
    if (slaveKeeper_ >= 0) {
        ::close(slaveKeeper_);
    }
}

void PtyPair::closeMaster() {
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
}

Bytes frame(int opcode, const Bytes& payload) {
    return sbep::buildFrame(opcode, payload);
}

Response ackWith(const Bytes& reply) {
    Response response;
    response.answer.reserve(reply.size() + 1);
    response.answer.push_back(sbep::ACK_BYTE);
    for (const Byte b : reply) {
        response.answer.push_back(b);
    }
    return response;
}

Response ackOnly() {
    return ackWith({});
}

Response silence() {
    Response response;
    response.echo = false;
    return response;
}

ScriptedRadio::ScriptedRadio(int comPort) : comPort_(comPort) {
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        throw std::runtime_error("no pipe");
    }
    wakeRead_ = pipe[0];
    wakeWrite_ = pipe[1];
    setComDeviceOverride(comPort_, pty_.slavePath());
    thread_ = std::thread([this] { run(); });
}

ScriptedRadio::~ScriptedRadio() {
    stop_ = true;
    const char wake = 1;
    (void)::write(wakeWrite_, &wake, 1);
    thread_.join();
    clearComDeviceOverride(comPort_);
    ::close(wakeRead_);
    ::close(wakeWrite_);
}

void ScriptedRadio::respond(Response response) {
    std::lock_guard lock(mutex_);
    queue_.push_back(std::move(response));
}

void ScriptedRadio::respondAlways(Script script) {
    std::lock_guard lock(mutex_);
    always_ = std::move(script);
}

void ScriptedRadio::respondAlways(Response response) {
    respondAlways([response](const Bytes&) { return response; });
}

void ScriptedRadio::inject(const Bytes& bytes) {
    writeAll(bytes);
}

void ScriptedRadio::hangUp() {
    std::unique_lock lock(mutex_);
    hangUpRequested_ = true;
    const char wake = 1;
    (void)::write(wakeWrite_, &wake, 1);
    hungUpChanged_.wait(lock, [this] { return hungUp_; });
}

std::vector<Bytes> ScriptedRadio::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

std::size_t ScriptedRadio::requestCount() const {
    std::lock_guard lock(mutex_);
    return requests_.size();
}

void ScriptedRadio::writeAll(const Bytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size() && pty_.master() >= 0) {
        const ssize_t written = ::write(pty_.master(), bytes.data() + done, bytes.size() - done);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
        } else if (written < 0 && errno == EAGAIN) {
            pollfd wait{pty_.master(), POLLOUT, 0};
            ::poll(&wait, 1, 100);
        } else {
            return;
        }
    }
}

void ScriptedRadio::handle(const Bytes& request) {
    Response response;
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
        if (!queue_.empty()) {
            response = std::move(queue_.front());
            queue_.pop_front();
        } else if (always_) {
            response = always_(request);
        } else {
            response = silence();
        }
    }
    Bytes out;
    if (response.echo) {
        out = request;
    }
    out.insert(out.end(), response.answer.begin(), response.answer.end());
    writeAll(out);
    if (!response.late.empty()) {
        scheduled_.push_back({std::chrono::steady_clock::now() + response.lateDelay, response.late});
    }
}

void ScriptedRadio::run() {
    Bytes pending;
    while (!stop_) {
        int timeoutMs = 1000;
        const auto now = std::chrono::steady_clock::now();
        for (auto it = scheduled_.begin(); it != scheduled_.end();) {
            if (it->due <= now) {
                writeAll(it->bytes);
                it = scheduled_.erase(it);
            } else {
                const auto left = std::chrono::ceil<std::chrono::milliseconds>(it->due - now).count();
                timeoutMs = std::min<int>(timeoutMs, static_cast<int>(left));
                ++it;
            }
        }
        pollfd fds[2] = {{pty_.master(), POLLIN, 0}, {wakeRead_, POLLIN, 0}};
        const int ready = ::poll(fds, 2, timeoutMs);
        if (fds[1].revents & POLLIN) {
            char drain[16];
            while (::read(wakeRead_, drain, sizeof drain) > 0) {
            }
            std::lock_guard lock(mutex_);
            if (hangUpRequested_ && !hungUp_) {
                pty_.closeMaster();
                hungUp_ = true;
                hungUpChanged_.notify_all();
            }
        }
        if (ready <= 0 || pty_.master() < 0 || !(fds[0].revents & POLLIN)) {
            continue;
        }
        Byte chunk[256];
        const ssize_t got = ::read(pty_.master(), chunk, sizeof chunk);
        if (got <= 0) {
            continue;
        }
        pending.insert(pending.end(), chunk, chunk + got);
        // A request is complete once its header's length is in.
        for (;;) {
            const std::size_t length = sbep::announcedFrameLength(pending);
            if (length == 0 || pending.size() < length) {
                break;
            }
            const Bytes request(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(length));
            pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(length));
            handle(request);
        }
    }
}

} // namespace linktest
