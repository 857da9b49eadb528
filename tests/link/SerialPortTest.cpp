#include "ScriptedRadio.h"

#include "link/LinkErrors.h"
#include "link/LinkTiming.h"
#include "link/SerialPortMap.h"
#include "link/SerialTrace.h"
#include "link/Win32CommunicationPort.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace linktest;

namespace {

constexpr int COM = 9;

class SerialPort : public testing::Test {
protected:
    ScopedLinkTiming timing{LinkTiming{5ms, 5ms}};
    ScriptedRadio radio{COM};
    Win32CommunicationPort port{COM, 9600, 0, 8, 0, 0};

    termios lineSettings() const {
        const int fd = ::open(radio.device().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
        termios line{};
        ::tcgetattr(fd, &line);
        ::close(fd);
        return line;
    }

    // Injects `bytes` and waits until the port has them all.
    void deliver(const Bytes& bytes) {
        radio.inject(bytes);
        port.waitForBytes(static_cast<int>(bytes.size()), 2000);
    }
};

void expectFixedLine(const termios& line) {
    EXPECT_EQ(cfgetospeed(&line), B9600);
    EXPECT_EQ(cfgetispeed(&line), B9600);
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_NE(line.c_cflag & CLOCAL, 0u);
    EXPECT_EQ(line.c_iflag & (IXON | IXOFF), 0u);
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO), 0u);
}

struct ConfigureCase {
    const char* name;
    int baud, parity, byteSize, stopBits;
    bool rejected;
};

TEST_F(SerialPort, ConfigureAlwaysLeavesTheLineAt9600EightNoneOne) {
    const ConfigureCase cases[] = {
        {"fixed settings", 9600, 0, 8, 0, false},
        {"other baud, odd, 7 bits, two stops", 19200, 1, 7, 2, false},
        {"even parity, 1.5 stops", 4800, 2, 4, 1, false},
        {"unknown codes ignored", 9600, 7, 8, 9, false},
        {"byte size 9 rejected", 9600, 0, 9, 0, true},
        {"byte size 3 rejected", 9600, 1, 3, 2, true},
    };
    for (const ConfigureCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.rejected) {
            EXPECT_THROW(port.configure(c.baud, c.parity, c.byteSize, c.stopBits), CharacterSizeSettingError);
        } else {
            port.configure(c.baud, c.parity, c.byteSize, c.stopBits);
        }
        EXPECT_EQ(port.baudRate(), 9600);
        EXPECT_EQ(port.parity(), 0);
        EXPECT_EQ(port.byteSize(), 8);
        EXPECT_EQ(port.stopBits(), 0);
        expectFixedLine(lineSettings());
    }
}

TEST_F(SerialPort, SingleSettersKeepTheFixedLine) {
    port.setBaudRate(115200);
    port.setParity(2);
    port.setStopBits(2);
    EXPECT_THROW(port.setByteSize(9), CharacterSizeSettingError);
    port.setByteSize(5);
    EXPECT_EQ(port.baudRate(), 9600);
    EXPECT_EQ(port.parity(), 0);
    EXPECT_EQ(port.byteSize(), 8);
    EXPECT_EQ(port.stopBits(), 0);
    expectFixedLine(lineSettings());
}

TEST_F(SerialPort, CharacterTimeIsTenBitsAt9600) {
    EXPECT_DOUBLE_EQ(port.bitsPerCharacter(), 10.0);
    EXPECT_DOUBLE_EQ(port.characterTime(), 10.0 / 9600.0);
    EXPECT_EQ(port.portNumber(), COM);
    EXPECT_EQ(port.devicePath(), radio.device());
}

TEST(BitsPerCharacter, CountsStartParityAndStopBits) {
    struct Case {
        const char* name;
        int byteSize, parity, stopBits;
        double bits;
    };
    const Case cases[] = {
        {"8N1", 8, 0, 0, 10.0}, {"8N1.5", 8, 0, 1, 10.5}, {"8N2", 8, 0, 2, 11.0},
        {"7E1", 7, 2, 0, 10.0}, {"8O2", 8, 1, 2, 12.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(bitsPerCharacter(c.byteSize, c.parity, c.stopBits), c.bits) << c.name;
    }
}

TEST_F(SerialPort, WaitCountsBytesAlreadyWaitingAndCountZeroReturnsAtOnce) {
    EXPECT_EQ(port.waitForBytes(0, 0), 0);
    deliver({1, 2, 3});
    EXPECT_EQ(port.waitForBytes(3, 0), 0); // no idle allowance needed
    EXPECT_EQ(port.bytesAvailable(), 3);
}

TEST_F(SerialPort, SilenceAfterPartOfTheBytesRaisesTimeoutOnReceive) {
    deliver({1, 2});
    try {
        port.waitForBytes(3, 10);
        FAIL() << "no time-out";
    } catch (const TimeoutOnReceive& error) {
        EXPECT_EQ(error.code(), 6014u);
    }
    // The bytes that did arrive stay waiting.
    EXPECT_EQ(port.bytesAvailable(), 2);
}

TEST_F(SerialPort, EachNewByteRestartsTheIdleAllowance) {
    // Eight bytes 40 ms apart take far longer than the 200 character times
    // (about 208 ms) allowed between two of them.
    std::thread trickle([this] {
        for (Byte b = 1; b <= 8; ++b) {
            std::this_thread::sleep_for(40ms);
            radio.inject({b});
        }
    });
    EXPECT_NO_THROW(port.waitForBytes(8, 200));
    trickle.join();
    Bytes got(8);
    EXPECT_EQ(port.read(got), 8);
    EXPECT_EQ(got, (Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST_F(SerialPort, ReadHelpersTakeBytesInOrder) {
    deliver({0x12, 0x34, 0xAB, 0x01, 0x02});
    EXPECT_EQ(port.readWord(10), 0x1234);
    EXPECT_EQ(port.readByte(10), 0xAB);
    Bytes two(2);
    port.readBytes(two, 10);
    EXPECT_EQ(two, (Bytes{0x01, 0x02}));
    EXPECT_THROW(port.readByte(5), TimeoutOnReceive);
}

TEST_F(SerialPort, PurgeDiscardsWaitingBytes) {
    deliver({9, 9, 9, 9});
    port.purgeInput();
    EXPECT_EQ(port.bytesAvailable(), 0);
    Byte byte = 0x77;
    EXPECT_EQ(port.read(std::span<Byte>(&byte, 1)), 0);
    EXPECT_EQ(byte, 0x77);
}

TEST_F(SerialPort, SendHandsTheBytesToTheLineInOrder) {
    const Bytes request = frame(0x23, {0x01});
    radio.respondAlways(silence());
    port.send(request);
    port.sendVerified(request);
    for (int i = 0; i < 200 && radio.requestCount() < 2; ++i) {
        std::this_thread::sleep_for(5ms);
    }
    EXPECT_EQ(radio.requests(), (std::vector<Bytes>{request, request}));
}

TEST_F(SerialPort, PulledCableRaisesGeneralCommunicationError) {
    radio.hangUp();
    try {
        port.waitForBytes(1, 1000);
        FAIL() << "no error";
    } catch (const GeneralCommunicationError& error) {
        EXPECT_EQ(error.code(), 6000u);
    }
}

TEST(SerialPortEcho, VerifiedSendComparesTheEcho) {
    ScopedLinkTiming timing{LinkTiming{5ms, 5ms}};
    ScriptedRadio radio{COM};
    Win32CommunicationPort port{COM, 9600, 0, 8, 0, 1};
    const Bytes request = frame(0x19, {0x01});

    radio.respond(Response{});
    EXPECT_NO_THROW(port.sendVerified(request));

    Response garbled;
    garbled.echo = false;
    garbled.answer = request;
    garbled.answer[2] ^= 0x40;
    radio.respond(garbled);
    try {
        port.sendVerified(request);
        FAIL() << "no collision";
    } catch (const DataCollision& error) {
        EXPECT_EQ(error.code(), 6013u);
    }
}

// --- opening -------------------------------------------------------------

TEST(SerialPortOpen, ASecondOpenOfAHeldPortIsRefused) {
    ScriptedRadio radio{COM};
    Win32CommunicationPort first{COM, 9600, 0, 8, 0, 0};
    try {
        Win32CommunicationPort second{COM, 9600, 0, 8, 0, 0};
        FAIL() << "opened twice";
    } catch (const PortInUseError& error) {
        EXPECT_EQ(error.code(), 6005u);
        EXPECT_EQ(error.portNumber(), COM);
        EXPECT_EQ(error.device(), radio.device());
        EXPECT_NE(error.reason().find("in use"), std::string::npos) << error.reason();
        EXPECT_NE(std::string(error.what()).find(radio.device()), std::string::npos) << error.what();
    }
}

TEST(SerialPortOpen, APortIsFreeAgainOnceClosed) {
    ScriptedRadio radio{COM};
    { Win32CommunicationPort first{COM, 9600, 0, 8, 0, 0}; }
    EXPECT_NO_THROW((Win32CommunicationPort{COM, 9600, 0, 8, 0, 0}));
    // Another program can use the device too: the exclusive mode was released.
    const int fd = ::open(radio.device().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    EXPECT_GE(fd, 0);
    ::close(fd);
}

TEST(SerialPortOpen, PortsThatCannotBeOpenedKeepTheSystemsReason) {
    const std::string file = testing::TempDir() + "veltra-not-a-tty";
    std::ofstream(file) << "x";
    struct Case {
        const char* name;
        int port;
        std::string device;
        const char* reasonPart;
    };
    const Case cases[] = {
        {"missing device", 7, "/dev/veltra-no-such-port", "No such file"},
        {"not a serial device", 7, file, "not a serial device"},
        {"port number 0", 0, "", "no serial device"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.device.empty()) {
            setComDeviceOverride(c.port, c.device);
        }
        try {
            Win32CommunicationPort port{c.port, 9600, 0, 8, 0, 0};
            ADD_FAILURE() << "opened";
        } catch (const PortInUseError& error) {
            EXPECT_EQ(error.code(), 6005u);
            EXPECT_EQ(error.device(), c.device);
            EXPECT_NE(error.reason().find(c.reasonPart), std::string::npos) << error.reason();
        }
        clearComDeviceOverride(c.port);
    }
    std::filesystem::remove(file);
}

// --- errors and trace ----------------------------------------------------

TEST(LineErrors, TheFirstFlagInOrderDecidesTheError) {
    struct Case {
        const char* name;
        int word;
        std::uint32_t code; // 0: nothing raised
    };
    const Case cases[] = {
        {"none", 0, 0},
        {"baud rate", -12, 6001},
        {"character size", -11, 6003},
        {"break before frame", LINE_BREAK | LINE_FRAME, 6006},
        {"frame before overrun", LINE_FRAME | LINE_OVERRUN, 6007},
        {"overrun before parity", LINE_OVERRUN | LINE_RXPARITY, 6008},
        {"parity before input overflow", LINE_RXPARITY | LINE_RXOVER, 6009},
        {"input overflow", LINE_RXOVER | LINE_TXFULL, 6010},
        {"output full", LINE_TXFULL, 6011},
        {"unknown flag", 0x4000, 6000},
    };
    for (const Case& c : cases) {
        try {
            raiseLineError(c.word);
            EXPECT_EQ(c.code, 0u) << c.name;
        } catch (const CommunicationError& error) {
            EXPECT_EQ(error.code(), c.code) << c.name;
        }
    }
}

TEST(LinkErrorTree, CommErrorIsNotACommunicationError) {
    const auto caughtAsCommunicationError = [](auto raise) {
        try {
            raise();
        } catch (const CommunicationError&) {
            return true;
        } catch (const Exception&) {
            return false;
        }
        return false;
    };
    EXPECT_FALSE(caughtAsCommunicationError([] { throw CommError(); }));
    EXPECT_TRUE(caughtAsCommunicationError([] { throw BadReply(); }));
    EXPECT_TRUE(caughtAsCommunicationError([] { throw BadWrite(0x123456); }));
    EXPECT_STREQ(CommError().what(), "comm error");
    EXPECT_EQ(BadWrite(0x123456).address(), 0x123456u);
    EXPECT_EQ(BadWrite(0).code(), 6206u);
    EXPECT_EQ(UnsupportedMessage().code(), 6202u);
    EXPECT_EQ(MessageNotAcknowledged().code(), 6203u);
    EXPECT_EQ(BadReply().code(), 6205u);
}

TEST(SerialTraceFile, LogsBytesBothWaysAndTimeOuts) {
    const std::string path = testing::TempDir() + "veltra-trace.txt";
    std::filesystem::remove(path);
    ASSERT_TRUE(SerialTrace::enable(path));
    {
        ScopedLinkTiming timing{LinkTiming{5ms, 5ms}};
        ScriptedRadio radio{COM};
        Win32CommunicationPort port{COM, 9600, 0, 8, 0, 0};
        radio.respondAlways(ackOnly());
        port.send(frame(0x23, {0x01}));
        port.waitForBytes(5, 2000);
        EXPECT_THROW(port.waitForBytes(6, 5), TimeoutOnReceive);
    }
    SerialTrace::disable();
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    const std::string trace = text.str();
    EXPECT_NE(trace.find(" TX F2 23 01 E9\n"), std::string::npos) << trace;
    EXPECT_NE(trace.find(" RX F2 23 01 E9 50"), std::string::npos) << trace;
    EXPECT_NE(trace.find("time-out"), std::string::npos) << trace;
    EXPECT_NE(trace.find("open COM9"), std::string::npos) << trace;
    EXPECT_FALSE(SerialTrace::enabled());
}

} // namespace
