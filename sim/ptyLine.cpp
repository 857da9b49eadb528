#include "sim/ptyLine.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace sim {

namespace {

[[noreturn]] void fail(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

} // namespace

ptyLine::ptyLine() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) {
        fail("posix_openpt");
    }
    try {
        if (::grantpt(master_) != 0) {
            fail("grantpt");
        }
        if (::unlockpt(master_) != 0) {
            fail("unlockpt");
        }
        char name[128] = {};
        if (::ptsname_r(master_, name, sizeof name) != 0) {
            fail("ptsname_r");
        }
        slavePath_ = name;
        slaveHold_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (slaveHold_ < 0) {
            fail("open pseudo-terminal slave");
        }
        // Raw from the start: a terminal's own echo or line editing would
        // corrupt the protocol before the PC has set the line up.
        termios tio{};
        if (::tcgetattr(slaveHold_, &tio) != 0) {
            fail("tcgetattr");
        }
        ::cfmakeraw(&tio);
        ::cfsetispeed(&tio, B9600);
        ::cfsetospeed(&tio, B9600);
        if (::tcsetattr(slaveHold_, TCSANOW, &tio) != 0) {
            fail("tcsetattr");
        }
        const int flags = ::fcntl(master_, F_GETFL);
        if (flags < 0 || ::fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0 ||
            ::fcntl(master_, F_SETFD, FD_CLOEXEC) != 0) {
            fail("fcntl");
        }
    } catch (...) {
        close();
        throw;
    }
}

ptyLine::~ptyLine() {
    close();
}

void ptyLine::close() {
    if (slaveHold_ >= 0) {
        ::close(slaveHold_);
        slaveHold_ = -1;
    }
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
}

} // namespace sim
