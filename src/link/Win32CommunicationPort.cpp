#include "link/Win32CommunicationPort.h"

#include "link/LinkErrors.h"
#include "link/LinkTiming.h"
#include "link/SerialPortMap.h"
#include "link/SerialTrace.h"
#include "link/TickTimer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {
// How long one byte may wait for room in the transmit queue. The line has no
// flow control, so a full queue means the device no longer drains it.
constexpr int WRITE_STALL_MS = 2000;

std::string openFailureReason(int error) {
    std::string reason = std::strerror(error);
    switch (error) {
    case EBUSY:
    case EWOULDBLOCK:
        return reason + "; the port is in use by another program";
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return reason + "; no such serial device (map the COM port in serialports.ini or VELTRA_COM<n>)";
    case EACCES:
    case EPERM:
        return reason + "; add the user to the dialout group";
    default:
        return reason;
    }
}

timespec remainingUntil(std::chrono::steady_clock::time_point deadline) {
    const auto left =
        std::max(deadline - std::chrono::steady_clock::now(), std::chrono::steady_clock::duration{});
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
    return timespec{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}
} // namespace

Win32CommunicationPort::Win32CommunicationPort(int portNumber, int baudRate, int parity, int byteSize,
                                               int stopBits, int echoVerify)
    : echoVerify_(echoVerify), portNumber_(portNumber) {
    SerialTrace::enableFromEnvironment();
    device_ = comDevicePath(portNumber);
    if (device_.empty()) {
        throw PortInUseError(portNumber, device_, ENODEV, "no serial device for this port number");
    }
    fd_ = ::open(device_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        const int error = errno;
        throw PortInUseError(portNumber, device_, error, openFailureReason(error));
    }
    // TIOCEXCL keeps other openers out, except root; the advisory lock also
    // stops a second instance running as root.
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        release();
        throw PortInUseError(portNumber, device_, error,
                             openFailureReason(error == EWOULDBLOCK ? EBUSY : error));
    }
    if (!::isatty(fd_)) {
        const int error = errno;
        release();
        throw PortInUseError(portNumber, device_, error,
                             std::string(std::strerror(error)) + "; not a serial device");
    }
    ::ioctl(fd_, TIOCEXCL);
    try {
        configure(baudRate, parity, byteSize, stopBits);
    } catch (...) {
        release();
        throw;
    }
    // The programming cable draws no power from the handshake lines; a pty
    // has none, so failure is ignored.
    int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(fd_, TIOCMBIC, &lines);
    ::tcflush(fd_, TCIOFLUSH);
    resetLineErrorBaseline();
    SerialTrace::note("open COM" + std::to_string(portNumber_) + " " + device_);
}

Win32CommunicationPort::~Win32CommunicationPort() {
    SerialTrace::note("close COM" + std::to_string(portNumber_));
    release();
}

void Win32CommunicationPort::release() noexcept {
    if (fd_ < 0) {
        return;
    }
    // On a pseudo-terminal the exclusive mode outlives the descriptor.
    ::ioctl(fd_, TIOCNXCL);
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

void Win32CommunicationPort::fail(const char* what, int error) const {
    throw GeneralCommunicationError(device_ + ": " + what + ": " + std::strerror(error));
}

void Win32CommunicationPort::configure(int baudRate, int parity, int byteSize, int stopBits) {
    if (byteSize < 4 || byteSize > 8) {
        throw CharacterSizeSettingError("byte size " + std::to_string(byteSize));
    }
    (void)baudRate;
    settings_.baudRate = 9600;
    if (parity >= 0 && parity <= 2) {
        settings_.parity = parity;
    }
    settings_.byteSize = 8;
    if (stopBits >= 0 && stopBits <= 2) {
        settings_.stopBits = stopBits;
    }
    apply();
}

void Win32CommunicationPort::setBaudRate(int) {
    settings_.baudRate = 9600;
    apply();
}

void Win32CommunicationPort::setParity(int parity) {
    if (parity >= 0 && parity <= 2) {
        settings_.parity = parity;
    }
    apply();
}

void Win32CommunicationPort::setByteSize(int byteSize) {
    if (byteSize < 4 || byteSize > 8) {
        throw CharacterSizeSettingError("byte size " + std::to_string(byteSize));
    }
    settings_.byteSize = 8;
    apply();
}

void Win32CommunicationPort::setStopBits(int stopBits) {
    if (stopBits >= 0 && stopBits <= 2) {
        settings_.stopBits = stopBits;
    }
    apply();
}

void Win32CommunicationPort::apply() {
    // The radio's line is fixed; whatever the setters stored, this is it.
    settings_ = LineSettings{};
    termios line{};
    if (::tcgetattr(fd_, &line) != 0) {
        fail("tcgetattr", errno);
    }
    ::cfmakeraw(&line);
    line.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
    line.c_cflag |= CS8 | CLOCAL | CREAD;
    line.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
    // VMIN 1 makes an empty non-blocking read EAGAIN, so 0 means hang-up.
    line.c_cc[VMIN] = 1;
    line.c_cc[VTIME] = 0;
    ::cfsetispeed(&line, B9600);
    ::cfsetospeed(&line, B9600);
    if (::tcsetattr(fd_, TCSANOW, &line) != 0) {
        fail("tcsetattr", errno);
    }
}

double Win32CommunicationPort::bitsPerCharacter() const {
    return ::bitsPerCharacter(settings_.byteSize, settings_.parity, settings_.stopBits);
}

double Win32CommunicationPort::characterTime() const {
    return bitsPerCharacter() / settings_.baudRate;
}

void Win32CommunicationPort::writeByte(Byte byte) {
    for (;;) {
        const ssize_t written = ::write(fd_, &byte, 1);
        if (written == 1) {
            return;
        }
        if (written < 0 && errno != EAGAIN && errno != EINTR) {
            fail("write", errno);
        }
        pollfd wait{fd_, POLLOUT, 0};
        const int ready = ::poll(&wait, 1, WRITE_STALL_MS);
        if (ready == 0) {
            SerialTrace::note("transmit queue stalled");
            throw OutputBufferFull(device_ + ": the transmit queue does not drain");
        }
        if (ready > 0 && (wait.revents & (POLLERR | POLLHUP | POLLNVAL)) && !(wait.revents & POLLOUT)) {
            throw GeneralCommunicationError(device_ + ": the line hung up");
        }
    }
}

void Win32CommunicationPort::transmit(std::span<const Byte> bytes) {
    for (const Byte byte : bytes) {
        writeByte(byte);
    }
    SerialTrace::bytes(SerialTrace::Direction::SENT, bytes);
}

void Win32CommunicationPort::send(std::span<const Byte> bytes) {
    transmit(bytes);
    TickTimer::sleepUntil(Clock::now() + linkTiming().sendPause);
}

void Win32CommunicationPort::sendVerified(std::span<const Byte> bytes) {
    transmit(bytes);
    TickTimer::sleepUntil(Clock::now() + linkTiming().verifiedSendPause);
    if (echoVerify_ == 0 || bytes.empty()) {
        return;
    }
    std::vector<Byte> echo(bytes.size());
    readBytes(echo, 1);
    if (!std::equal(echo.begin(), echo.end(), bytes.begin())) {
        throw DataCollision(device_ + ": the echo differs from the bytes sent");
    }
}

void Win32CommunicationPort::pump() {
    Byte chunk[256];
    for (;;) {
        const ssize_t got = ::read(fd_, chunk, sizeof chunk);
        if (got > 0) {
            SerialTrace::bytes(SerialTrace::Direction::RECEIVED,
                               std::span<const Byte>(chunk, static_cast<std::size_t>(got)));
            input_.insert(input_.end(), chunk, chunk + got);
            if (input_.size() > INPUT_QUEUE_LIMIT) {
                input_.clear();
                throw InputBufferFull(device_ + ": more than " + std::to_string(INPUT_QUEUE_LIMIT) +
                                      " bytes waiting");
            }
            continue;
        }
        if (got == 0) {
            throw GeneralCommunicationError(device_ + ": the line hung up");
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno == EAGAIN) {
            break;
        }
        // EIO: the cable or the USB adapter was pulled.
        fail("read", errno);
    }
    checkLineErrors();
}

int Win32CommunicationPort::bytesAvailable() {
    pump();
    return static_cast<int>(input_.size());
}

int Win32CommunicationPort::read(std::span<Byte> dest) {
    pump();
    const std::size_t count = std::min(dest.size(), input_.size());
    std::copy_n(input_.begin(), count, dest.begin());
    input_.erase(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(count));
    return static_cast<int>(count);
}

void Win32CommunicationPort::awaitInput(int known, Clock::time_point deadline) {
    // The kernel queue is drained into input_ first, so that poll sleeps
    // until a new byte arrives rather than reporting old ones at once.
    pump();
    while (static_cast<int>(input_.size()) <= known && Clock::now() < deadline) {
        pollfd wait{fd_, POLLIN, 0};
        const timespec left = remainingUntil(deadline);
        const int ready = ::ppoll(&wait, 1, &left, nullptr);
        if (ready < 0 && errno != EINTR) {
            fail("poll", errno);
        }
        if (ready > 0 && (wait.revents & (POLLERR | POLLHUP | POLLNVAL)) && !(wait.revents & POLLIN)) {
            throw GeneralCommunicationError(device_ + ": the line hung up");
        }
        pump();
    }
}

void Win32CommunicationPort::purgeInput() {
    Byte chunk[256];
    std::size_t discarded = input_.size();
    input_.clear();
    for (;;) {
        const ssize_t got = ::read(fd_, chunk, sizeof chunk);
        if (got <= 0) {
            break;
        }
        SerialTrace::bytes(SerialTrace::Direction::RECEIVED,
                           std::span<const Byte>(chunk, static_cast<std::size_t>(got)));
        discarded += static_cast<std::size_t>(got);
    }
    if (::tcflush(fd_, TCIFLUSH) != 0) {
        fail("tcflush", errno);
    }
    if (discarded > 0) {
        SerialTrace::note("purged " + std::to_string(discarded) + " waiting bytes");
    }
    resetLineErrorBaseline();
}

void Win32CommunicationPort::resetLineErrorBaseline() {
    serial_icounter_struct counters{};
    if (!lineCountersAvailable_ || ::ioctl(fd_, TIOCGICOUNT, &counters) != 0) {
        lineCountersAvailable_ = false;
        return;
    }
    lineCounters_ = {counters.brk, counters.frame, counters.overrun, counters.parity, counters.buf_overrun};
}

void Win32CommunicationPort::checkLineErrors() {
    if (!lineCountersAvailable_) {
        return;
    }
    serial_icounter_struct counters{};
    if (::ioctl(fd_, TIOCGICOUNT, &counters) != 0) {
        // Drivers without counters (ENOTTY, EINVAL) simply report no line errors.
        lineCountersAvailable_ = false;
        return;
    }
    std::uint32_t flags = 0;
    const auto mark = [&flags](int now, int before, LineErrorFlag flag) {
        if (now != before) {
            flags |= flag;
        }
    };
    mark(counters.brk, lineCounters_.brk, LINE_BREAK);
    mark(counters.frame, lineCounters_.frame, LINE_FRAME);
    mark(counters.overrun, lineCounters_.overrun, LINE_OVERRUN);
    mark(counters.parity, lineCounters_.parity, LINE_RXPARITY);
    mark(counters.buf_overrun, lineCounters_.bufOverrun, LINE_RXOVER);
    lineCounters_ = {counters.brk, counters.frame, counters.overrun, counters.parity, counters.buf_overrun};
    if (flags != 0) {
        SerialTrace::note("line error flags " + std::to_string(flags));
        raiseLineError(static_cast<int>(flags), device_);
    }
}
