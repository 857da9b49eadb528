#include "ScriptedRadio.h"

#include "link/ComIni.h"
#include "link/LinkErrors.h"
#include "link/LinkTiming.h"
#include "link/ProgramDirectory.h"
#include "link/SerialPortMap.h"
#include "link/cominit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace linktest;
namespace fs = std::filesystem;

namespace {

std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A program directory of its own for each test.
class ProgramDirectoryFixture : public testing::Test {
protected:
    ProgramDirectoryFixture() {
        directory = fs::path(testing::TempDir()) / ("veltra-link-" + std::to_string(::getpid()));
        fs::create_directories(directory);
        setProgramDirectory(directory.string());
    }
    ~ProgramDirectoryFixture() override { fs::remove_all(directory); }

    void writeFile(const std::string& name, const std::string& text) {
        std::ofstream(directory / name, std::ios::binary) << text;
    }

    fs::path directory;
};

class ComIniFile : public ProgramDirectoryFixture {};

TEST_F(ComIniFile, ReaderTakesTheDigitAfterTheFirstColon) {
    struct Case {
        const char* name;
        std::string text;
        int port;
    };
    const Case cases[] = {
        {"as written", "COM Port Id :3\n ", 3},
        {"blanks after the colon", "COM Port Id :    7\n", 7},
        {"a tab after the colon", "COM Port Id :\t4", 4},
        {"label does not matter", "port:2", 2},
        {"only the first colon", "a:5 b:6", 5},
        {"one character only", "COM Port Id :12", 1},
        {"non-digit", "COM Port Id :x", 0},
        {"written with -1", "COM Port Id :-1\n ", 0},
        {"no colon", "COM Port Id 3", 0},
        {"colon at the end", "COM Port Id :", 0},
        {"empty file", "", 0},
        {"colon beyond 2000 bytes", std::string(2000, ' ') + ":3", 0},
        {"colon just inside 2000 bytes", std::string(1998, ' ') + ":3", 3},
    };
    for (const Case& c : cases) {
        writeFile("com.ini", c.text);
        EXPECT_EQ(readComIni(), c.port) << c.name;
    }
    fs::remove(directory / "com.ini");
    EXPECT_EQ(readComIni(), -1) << "missing file";
}

TEST_F(ComIniFile, WriterReplacesTheContentWithTheFormat) {
    writeFile("com.ini", "an older and much longer content\n");
    EXPECT_TRUE(writeComIni(3));
    EXPECT_EQ(readWhole(comIniPath()), "COM Port Id :3\n ");
    EXPECT_EQ(readComIni(), 3);
    EXPECT_TRUE(writeComIni(-1));
    EXPECT_EQ(readWhole(comIniPath()), "COM Port Id :-1\n ");
    EXPECT_FALSE(writeComIni((directory / "missing-dir" / "com.ini").string(), 2));
}

TEST_F(ComIniFile, SetupTakesThePortFromComIniOrTheLastGoodPort) {
    RF_CommunicationSetup::setLastGoodPort(0);
    writeComIni(4);
    const RF_CommunicationSetup fromFile;
    EXPECT_EQ(fromFile.portNumber, 4);
    EXPECT_EQ(fromFile.baudRate, 9600);
    EXPECT_EQ(fromFile.parity, 0);
    EXPECT_EQ(fromFile.dataBits, 8);
    EXPECT_EQ(fromFile.stopBits, 0);
    EXPECT_EQ(RF_CommunicationSetup::lastGoodPort(), 4);

    // Deleted while running: connections stay on the port in use.
    fs::remove(comIniPath());
    EXPECT_EQ(RF_CommunicationSetup().portNumber, 4);

    RF_CommunicationSetup::setLastGoodPort(0);
    EXPECT_EQ(RF_CommunicationSetup().portNumber, 0);
}

// --- the connection object -------------------------------------------------

TEST_F(ComIniFile, ConnectionOpensTheConfiguredPortForItsLifetime) {
    ScopedLinkTiming timing{LinkTiming{30ms, 40ms}};
    ScriptedRadio radio{3};
    radio.respondAlways(ackWith(frame(0x8A, {0x01})));
    writeComIni(3);
    {
        cominit connection;
        EXPECT_EQ(connection.port().portNumber(), 3);
        EXPECT_EQ(connection.protocol().chunkSize(), 64);
        EnhancedSBEP& sbep = connection;
        sbep.keyUp();
        EXPECT_THROW(cominit(), PortInUseError);
    }
    EXPECT_EQ(radio.requests(), (std::vector<Bytes>{{0xF2, 0x19, 0x01, 0xF3}}));
    // Closed with the connection: the next one opens the port again.
    EXPECT_NO_THROW(cominit());
}

TEST_F(ComIniFile, ConnectionToAPortThatCannotBeOpenedRaisesPortInUseError) {
    writeComIni(5);
    setComDeviceOverride(5, "/dev/veltra-no-such-port");
    try {
        cominit connection;
        FAIL() << "opened";
    } catch (const PortInUseError& error) {
        EXPECT_EQ(error.portNumber(), 5);
        EXPECT_EQ(error.device(), "/dev/veltra-no-such-port");
    }
    clearComDeviceOverride(5);
}

// --- COM port to device ----------------------------------------------------

class SerialPortMapping : public ProgramDirectoryFixture {};

TEST_F(SerialPortMapping, FileLinesMapPortsCommentsAndNoiseAreIgnored) {
    const SerialPortMap map =
        parseSerialPortMap("# USB cable on the bench\n"
                           "COM3=/dev/ttyUSB0\n"
                           "  com4 = /dev/serial/by-id/usb-cable-if00-port0   # the left one\n"
                           "COM=/dev/ttyS9\n"
                           "COMX=/dev/ttyS9\n"
                           "COM5=\n"
                           "LPT1=/dev/lp0\n"
                           "garbage\n");
    EXPECT_EQ(map, (SerialPortMap{{3, "/dev/ttyUSB0"}, {4, "/dev/serial/by-id/usb-cable-if00-port0"}}));
}

TEST_F(SerialPortMapping, WrittenMapReadsBack) {
    const SerialPortMap map{{1, "/dev/ttyUSB1"}, {3, "/dev/ttyACM0"}};
    ASSERT_TRUE(writeSerialPortMap(serialPortMapPath(), map));
    EXPECT_EQ(readSerialPortMap(serialPortMapPath()), map);
    EXPECT_TRUE(readSerialPortMap((directory / "none.ini").string()).empty());
}

TEST_F(SerialPortMapping, OverrideBeatsEnvironmentBeatsFileBeatsDefault) {
    EXPECT_EQ(comDevicePath(1), "/dev/ttyS0");
    EXPECT_EQ(comDevicePath(4), "/dev/ttyS3");
    EXPECT_EQ(comDevicePath(0), "");
    writeFile("serialports.ini", "COM3=/dev/ttyUSB0\nCOM4=/dev/ttyUSB1\n");
    EXPECT_EQ(comDevicePath(3), "/dev/ttyUSB0");
    ::setenv("VELTRA_COM3", "/dev/pts/77", 1);
    EXPECT_EQ(comDevicePath(3), "/dev/pts/77");
    setComDeviceOverride(3, "/dev/pts/78");
    EXPECT_EQ(comDevicePath(3), "/dev/pts/78");
    clearComDeviceOverride(3);
    ::unsetenv("VELTRA_COM3");
    EXPECT_EQ(comDevicePath(3), "/dev/ttyUSB0");
    EXPECT_EQ(comDevicePath(4), "/dev/ttyUSB1");
}

TEST(SerialDevices, ListedDevicesExist) {
    for (const SerialDeviceInfo& device : listSerialDevices()) {
        EXPECT_TRUE(fs::exists(device.path)) << device.path;
    }
}

} // namespace
