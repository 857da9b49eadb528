// Which device a COM port number opens. The port number is what com.ini and
// the COM port dialog speak of; the device is chosen, first match wins, by
//   1. a programmatic override (the in-process simulated radio, tests),
//   2. the environment variable VELTRA_COM<n>, e.g. VELTRA_COM3=/dev/pts/7,
//   3. the line COM<n>=<device> of serialports.ini in the program directory
//      (e.g. COM3=/dev/ttyUSB0 or a /dev/serial/by-id/... name; # comments),
//   4. the built-in default COM n -> /dev/ttyS(n-1).
// Port numbers below 1 have no device.
#pragma once

#include <map>
#include <string>
#include <vector>

using SerialPortMap = std::map<int, std::string>;

std::string serialPortMapPath(); // programDirectory() + "/serialports.ini"

// Missing or unreadable file: empty map. Lines that are not COM<n>=<device>
// are ignored.
SerialPortMap readSerialPortMap(const std::string& path);
SerialPortMap parseSerialPortMap(const std::string& text);
// Replaces the file with a comment header and one line per entry.
bool writeSerialPortMap(const std::string& path, const SerialPortMap& map);

void setComDeviceOverride(int portNumber, const std::string& device);
void clearComDeviceOverride(int portNumber);

// Empty when the port number has no device.
std::string comDevicePath(int portNumber);
std::string defaultComDevicePath(int portNumber);

struct SerialDeviceInfo {
    std::string path;
    std::string description; // e.g. "FTDI USB Serial Converter", empty when unknown
};

// The serial devices present: /dev/ttyS* with a UART behind them,
// /dev/ttyUSB*, /dev/ttyACM* and the stable names in /dev/serial/by-id.
std::vector<SerialDeviceInfo> listSerialDevices();
