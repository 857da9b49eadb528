#include "sim/simulatedRadio.h"

#include "sim/stateDump.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <poll.h>
#include <system_error>
#include <unistd.h>

namespace sim {

namespace {

constexpr auto HANGUP_BACKOFF = std::chrono::milliseconds(50);

// The reply announces one byte more than it carries (one less where one
// more would turn the short length into the 16-bit escape).
void misannounceLength(sbep::Bytes& burst) {
    if (burst.size() < 3) {
        return;
    }
    sbep::Byte& header = burst[1];
    if ((header & 0x0F) == 0x0F) {
        const std::size_t at = (header >> 4) == 0x0F ? 3 : 2;
        if (burst.size() > at + 1) {
            const unsigned length = ((burst[at] << 8) | burst[at + 1]) + 1;
            burst[at] = static_cast<sbep::Byte>(length >> 8);
            burst[at + 1] = static_cast<sbep::Byte>(length);
        }
        return;
    }
    const int length = header & 0x0F;
    header = static_cast<sbep::Byte>((header & 0xF0) | (length < 14 ? length + 1 : length - 1));
}

} // namespace

simulatedRadio::simulatedRadio(radioProfile profile, simSettings settings)
    : settings_(std::move(settings)), behaviour_(std::move(profile)) {
    line_ = std::make_unique<ptyLine>();
    devicePath_ = line_->slavePath();
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        throw std::system_error(errno, std::generic_category(), "pipe2");
    }
    wakeRead_ = fds[0];
    wakeWrite_ = fds[1];
    for (const faultSpec& f : behaviour_.state().radio.faults) {
        faults_.add(f);
    }
}

simulatedRadio::~simulatedRadio() {
    stop();
    ::close(wakeRead_);
    ::close(wakeWrite_);
}

void simulatedRadio::start() {
    if (thread_.joinable()) {
        return;
    }
    {
        std::lock_guard lock(mutex_);
        stopping_ = false;
    }
    makeLink();
    thread_ = std::thread(&simulatedRadio::serve, this);
}

void simulatedRadio::stop() {
    if (thread_.joinable()) {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake();
        thread_.join();
    }
    removeLink();
}

void simulatedRadio::wake() {
    const char byte = 1;
    // A full pipe already holds a wake-up; nothing is lost.
    [[maybe_unused]] const auto written = ::write(wakeWrite_, &byte, 1);
}

simulatedRadio::clock::duration simulatedRadio::characterTime() const {
    // Ten bits per character: start, eight data bits, stop.
    return std::chrono::duration_cast<clock::duration>(std::chrono::nanoseconds(10'000'000'000LL) /
                                                       std::max(settings_.baud, 1));
}

void simulatedRadio::serve() {
    clock::time_point hangupAt{};
    while (true) {
        pollfd fds[2] = {{wakeRead_, POLLIN, 0}, {-1, POLLIN, 0}};
        nfds_t count = 1;
        std::optional<clock::time_point> deadline;
        {
            std::lock_guard lock(mutex_);
            if (stopping_) {
                return;
            }
            const auto now = clock::now();
            if (line_->isOpen()) {
                if (now - hangupAt >= HANGUP_BACKOFF) {
                    fds[1].fd = line_->master();
                    count = 2;
                } else {
                    deadline = hangupAt + HANGUP_BACKOFF;
                }
            }
            auto earliest = [&](clock::time_point t) { deadline = deadline ? std::min(*deadline, t) : t; };
            if (!outgoing_.empty()) {
                earliest(outgoing_.begin()->first);
            }
            if (!assembler_.empty()) {
                earliest(lastByte_ + settings_.idleReset);
            }
        }
        timespec ts{};
        timespec* timeout = nullptr;
        if (deadline) {
            const auto wait = std::max(clock::duration::zero(), *deadline - clock::now());
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
            ts.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
            ts.tv_nsec = static_cast<long>(ns % 1'000'000'000);
            timeout = &ts;
        }
        const int ready = ::ppoll(fds, count, timeout, nullptr);
        if (ready < 0 && errno != EINTR) {
            return;
        }
        std::lock_guard lock(mutex_);
        if (stopping_) {
            return;
        }
        char drain[64];
        while (::read(wakeRead_, drain, sizeof drain) > 0) {
        }
        const auto now = clock::now();
        if (count == 2 && line_->isOpen()) {
            if (fds[1].revents & POLLIN) {
                receive(now);
            } else if (fds[1].revents & (POLLHUP | POLLERR)) {
                hangupAt = now;
            }
        }
        if (!assembler_.empty() && now - lastByte_ >= settings_.idleReset) {
            while (auto frame = assembler_.next(true)) {
                onFrame(std::move(*frame), now);
            }
            scheduleEcho(assembler_.takeDroppedEcho(), now);
            behaviour_.state().discardedBytes = assembler_.discarded() + ignoredBytes_;
        }
        flushDue(clock::now());
    }
}

void simulatedRadio::receive(clock::time_point now) {
    sbep::Byte buffer[256];
    for (int reads = 0; reads < 16 && line_->isOpen(); ++reads) {
        const ssize_t n = ::read(line_->master(), buffer, sizeof buffer);
        if (n <= 0) {
            return;
        }
        for (ssize_t i = 0; i < n && line_->isOpen(); ++i) {
            onByte(buffer[i], now);
        }
    }
}

void simulatedRadio::onByte(sbep::Byte value, clock::time_point now) {
    radioState& state = behaviour_.state();
    lastByte_ = now;
    if (state.unplugged) {
        ++ignoredBytes_;
        state.discardedBytes = assembler_.discarded() + ignoredBytes_;
        return;
    }
    const bool held = faults_.lostEchoPossible();
    assembler_.push(value, held);
    if (!held) {
        scheduleEcho({value}, now);
    }
    while (line_->isOpen() && !state.unplugged) {
        auto frame = assembler_.next();
        if (!frame) {
            break;
        }
        onFrame(std::move(*frame), now);
    }
    scheduleEcho(assembler_.takeDroppedEcho(), now);
    state.discardedBytes = assembler_.discarded() + ignoredBytes_;
}

void simulatedRadio::onFrame(frameAssembler::assembled frame, clock::time_point now) {
    radioState& state = behaviour_.state();
    const faultDecision d = faults_.apply(frame.frame);
    requestRecord record{frame.frame, {}, describeRequest(frame.frame), d.applied};
    if (d.pull || d.unplug) {
        (d.pull ? state.pulled : state.unplugged) = true;
        state.requests.push_back(std::move(record));
        if (d.pull) {
            closeLine();
        }
        requestArrived_.notify_all();
        return;
    }
    if (!d.lostEcho) {
        scheduleEcho(frame.heldEcho, now);
    }
    // A refused or unheard request changes nothing in the radio.
    sbep::Bytes burst;
    if (d.nak) {
        burst = {NAK_BYTE};
    } else if (d.unsupported) {
        burst = radioBehaviour::unsupportedAnswer(frame.frame);
    } else if (!d.silence) {
        burst = behaviour_.answer(frame.frame);
    }
    if (burst.size() > 1 && d.badChecksum) {
        burst.back() ^= 0xFF;
    }
    if (burst.size() > 1 && d.wrongLength) {
        misannounceLength(burst);
    }
    record.answer = burst;
    state.requests.push_back(std::move(record));
    if (!burst.empty()) {
        scheduleBurst(std::move(burst), now, std::chrono::milliseconds(d.delayMs));
    }
    requestArrived_.notify_all();
}

void simulatedRadio::scheduleEcho(const sbep::Bytes& bytes, clock::time_point now) {
    const auto step = settings_.lineTime ? characterTime() : clock::duration::zero();
    for (sbep::Byte b : bytes) {
        lastEchoDue_ = std::max(now, lastEchoDue_) + step;
        outgoing_.emplace(lastEchoDue_, sbep::Bytes{b});
    }
}

void simulatedRadio::scheduleBurst(sbep::Bytes burst, clock::time_point now,
                                   std::chrono::milliseconds delay) {
    const auto transmission =
        settings_.lineTime ? characterTime() * static_cast<long>(burst.size()) : clock::duration::zero();
    // The radio starts answering once the request's last byte is through.
    const auto sent = std::max(now, lastEchoDue_) + transmission;
    lastEchoDue_ = sent;
    outgoing_.emplace(sent + delay, std::move(burst));
}

void simulatedRadio::flushDue(clock::time_point now) {
    if (outgoing_.empty() || outgoing_.begin()->first > now) {
        return;
    }
    sbep::Bytes out;
    while (!outgoing_.empty() && outgoing_.begin()->first <= now) {
        const auto& bytes = outgoing_.begin()->second;
        out.insert(out.end(), bytes.begin(), bytes.end());
        outgoing_.erase(outgoing_.begin());
    }
    if (!line_->isOpen()) {
        return;
    }
    // One write, so that a burst reaches the PC in one piece.
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t n = ::write(line_->master(), out.data() + done, out.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            // Nobody reads the line and its buffer is full: bytes are lost, as on a wire.
            droppedOutput_ += out.size() - done;
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

void simulatedRadio::closeLine() {
    outgoing_.clear();
    line_->close();
}

void simulatedRadio::makeLink() {
    if (settings_.linkPath.empty() || linkMade_) {
        return;
    }
    namespace fs = std::filesystem;
    const fs::path link(settings_.linkPath);
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(link, ec))) {
        fs::remove(link, ec);
    } else if (fs::exists(fs::symlink_status(link, ec))) {
        throw std::runtime_error(settings_.linkPath + " exists and is not a symbolic link; not replacing it");
    }
    fs::create_symlink(devicePath_, link);
    linkMade_ = true;
}

void simulatedRadio::removeLink() {
    if (!linkMade_) {
        return;
    }
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::read_symlink(settings_.linkPath, ec) == fs::path(devicePath_)) {
        fs::remove(settings_.linkPath, ec);
    }
    linkMade_ = false;
}

void simulatedRadio::injectFault(const faultSpec& fault) {
    std::lock_guard lock(mutex_);
    faults_.add(fault);
}

void simulatedRadio::clearFaults() {
    std::lock_guard lock(mutex_);
    faults_.clear();
}

std::vector<faultPlan::entry> simulatedRadio::faults() const {
    std::lock_guard lock(mutex_);
    return faults_.entries();
}

void simulatedRadio::setLineTime(bool on) {
    std::lock_guard lock(mutex_);
    settings_.lineTime = on;
}

radioState simulatedRadio::snapshot() const {
    std::lock_guard lock(mutex_);
    return behaviour_.state();
}

std::uint32_t simulatedRadio::storedValue(int type, int point, int bank) const {
    std::lock_guard lock(mutex_);
    return behaviour_.storedValue(type, point, bank);
}

std::vector<liveWrite> simulatedRadio::liveWrites() const {
    std::lock_guard lock(mutex_);
    return behaviour_.state().liveWrites;
}

bool simulatedRadio::keyed() const {
    std::lock_guard lock(mutex_);
    return behaviour_.state().keyed;
}

int simulatedRadio::resetCount() const {
    std::lock_guard lock(mutex_);
    return behaviour_.state().resets;
}

std::vector<sbep::Bytes> simulatedRadio::receivedRequests() const {
    std::lock_guard lock(mutex_);
    std::vector<sbep::Bytes> frames;
    for (const auto& r : behaviour_.state().requests) {
        frames.push_back(r.frame);
    }
    return frames;
}

std::vector<requestRecord> simulatedRadio::requestLog() const {
    std::lock_guard lock(mutex_);
    return behaviour_.state().requests;
}

void simulatedRadio::clearRequestLog() {
    std::lock_guard lock(mutex_);
    behaviour_.state().requests.clear();
}

bool simulatedRadio::pulled() const {
    std::lock_guard lock(mutex_);
    return behaviour_.state().pulled;
}

bool simulatedRadio::waitForRequests(std::size_t count, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    return requestArrived_.wait_for(lock, timeout, [&] {
        return behaviour_.state().requests.size() >= count || behaviour_.state().pulled;
    }) && behaviour_.state().requests.size() >= count;
}

std::string simulatedRadio::dumpText() const {
    std::lock_guard lock(mutex_);
    return stateText(behaviour_.state(), faults_.entries());
}

std::string simulatedRadio::dumpJson() const {
    std::lock_guard lock(mutex_);
    return stateJson(behaviour_.state(), faults_.entries());
}

} // namespace sim
