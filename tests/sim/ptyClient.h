// A minimal PC end of the programming line for the simulated radio's tests:
// opens the device raw, sends a request byte by byte and reads the echo and
// the answer the way the PC's exchange reader does (first answer byte, then
// whatever waits behind an ACK, in one piece).
#pragma once

#include "link/SBEPFrame.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

class ptyClient {
public:
    // Generous: only a broken radio makes a test wait this long.
    static constexpr std::chrono::milliseconds WAIT{3000};

    explicit ptyClient(const std::string& path) {
        fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd_ < 0) {
            throw std::runtime_error("cannot open " + path);
        }
        termios tio{};
        ::tcgetattr(fd_, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(fd_, TCSANOW, &tio);
    }
    ~ptyClient() { ::close(fd_); }
    ptyClient(const ptyClient&) = delete;
    ptyClient& operator=(const ptyClient&) = delete;

    int fd() const { return fd_; }
    void purge() { ::tcflush(fd_, TCIFLUSH); }

    void send(const sbep::Bytes& bytes) {
        for (auto b : bytes) {
            while (::write(fd_, &b, 1) != 1) {
                if (errno != EAGAIN && errno != EINTR) {
                    throw std::runtime_error("write failed");
                }
            }
        }
    }

    // Up to `count` bytes, waiting at most `wait` for them.
    sbep::Bytes read(std::size_t count, std::chrono::milliseconds wait = WAIT) {
        sbep::Bytes out;
        const auto end = std::chrono::steady_clock::now() + wait;
        while (out.size() < count) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
            if (left.count() <= 0 || !readable(left)) {
                break;
            }
            sbep::Byte buffer[256];
            const ssize_t n = ::read(fd_, buffer, std::min(sizeof buffer, count - out.size()));
            if (n <= 0) {
                break;
            }
            out.insert(out.end(), buffer, buffer + n);
        }
        return out;
    }

    std::size_t available() const {
        int n = 0;
        ::ioctl(fd_, FIONREAD, &n);
        return static_cast<std::size_t>(n);
    }

    // Whatever is waiting now, without blocking.
    sbep::Bytes takeWaiting() {
        sbep::Bytes out(available());
        const ssize_t n = out.empty() ? 0 : ::read(fd_, out.data(), out.size());
        out.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
        return out;
    }

    bool readable(std::chrono::milliseconds wait) const {
        pollfd p{fd_, POLLIN, 0};
        return ::poll(&p, 1, static_cast<int>(wait.count())) > 0 && (p.revents & POLLIN);
    }

    // The line has gone (the radio closed its end); bytes that were still
    // on their way are read and dropped.
    bool hungUp(std::chrono::milliseconds wait = WAIT) const {
        while (true) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(wait.count())) <= 0) {
                return false;
            }
            if (p.revents & (POLLHUP | POLLERR)) {
                return true;
            }
            sbep::Byte b;
            if (::read(fd_, &b, 1) <= 0) {
                return true;
            }
        }
    }

    struct exchangeResult {
        sbep::Bytes echo;
        sbep::Bytes answer; // first answer byte, then the reply behind an ACK
    };

    // One exchange; `purgeFirst` as the PC does (tests that look for stray
    // bytes of an earlier exchange leave it off).
    exchangeResult exchange(const sbep::Bytes& request, bool purgeFirst = true) {
        if (purgeFirst) {
            purge();
        }
        send(request);
        exchangeResult r;
        r.echo = read(request.size());
        r.answer = read(1);
        const bool reset = request.size() > 1 && request[1] == 0x10;
        if (r.answer.size() == 1 && r.answer[0] == sbep::ACK_BYTE && !reset && readable(WAIT)) {
            const sbep::Bytes rest = takeWaiting();
            r.answer.insert(r.answer.end(), rest.begin(), rest.end());
        }
        return r;
    }

private:
    int fd_ = -1;
};
