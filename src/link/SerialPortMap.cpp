#include "link/SerialPortMap.h"

#include "link/ProgramDirectory.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>

namespace fs = std::filesystem;

namespace {
std::mutex overrideMutex;
SerialPortMap overrides;

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// "COM3" -> 3; anything else -> 0.
int comNumber(const std::string& key) {
    if (key.size() < 4 || std::toupper(static_cast<unsigned char>(key[0])) != 'C' ||
        std::toupper(static_cast<unsigned char>(key[1])) != 'O' ||
        std::toupper(static_cast<unsigned char>(key[2])) != 'M') {
        return 0;
    }
    int number = 0;
    for (std::size_t i = 3; i < key.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(key[i])) || number > 9999) {
            return 0;
        }
        number = number * 10 + (key[i] - '0');
    }
    return number;
}

std::string readText(const fs::path& path) {
    std::ifstream in(path);
    if (!in) {
        return {};
    }
    std::ostringstream text;
    text << in.rdbuf();
    return trim(text.str());
}

// Product name of the USB device a tty hangs off, from sysfs.
std::string usbDescription(const std::string& ttyName) {
    std::error_code error;
    fs::path device = fs::canonical("/sys/class/tty/" + ttyName + "/device", error);
    if (error) {
        return {};
    }
    for (int level = 0; level < 4 && device.has_parent_path(); ++level, device = device.parent_path()) {
        const std::string product = readText(device / "product");
        if (!product.empty()) {
            const std::string maker = readText(device / "manufacturer");
            return maker.empty() ? product : maker + " " + product;
        }
    }
    return {};
}

// Legacy ttyS nodes exist whether or not a UART answers; type 0 means none.
bool uartPresent(const std::string& ttyName) {
    const std::string type = readText("/sys/class/tty/" + ttyName + "/type");
    return !type.empty() && type != "0";
}

bool hasPrefix(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

// ttyS2 before ttyS10.
bool naturalLess(const std::string& a, const std::string& b) {
    const auto split = [](const std::string& s) {
        std::size_t digits = s.size();
        while (digits > 0 && std::isdigit(static_cast<unsigned char>(s[digits - 1]))) {
            --digits;
        }
        const std::string number = s.substr(digits);
        return std::make_pair(s.substr(0, digits),
                              number.empty() || number.size() > 9 ? -1 : std::stoi(number));
    };
    return split(a) < split(b);
}
} // namespace

std::string serialPortMapPath() {
    return programDirectory() + "/serialports.ini";
}

SerialPortMap parseSerialPortMap(const std::string& text) {
    SerialPortMap map;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const auto hash = line.find('#');
        if (hash != std::string::npos) {
            line.erase(hash);
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        const int number = comNumber(trim(line.substr(0, equals)));
        const std::string device = trim(line.substr(equals + 1));
        if (number > 0 && !device.empty()) {
            map[number] = device;
        }
    }
    return map;
}

SerialPortMap readSerialPortMap(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        return {};
    }
    std::ostringstream text;
    text << in.rdbuf();
    return parseSerialPortMap(text.str());
}

bool writeSerialPortMap(const std::string& path, const SerialPortMap& map) {
    std::ofstream out(path, std::ios::trunc);
    if (!out) {
        return false;
    }
    out << "# Serial device for each COM port number (COM<n>=<device>).\n"
           "# Ports not listed open /dev/ttyS<n-1>.\n";
    for (const auto& [number, device] : map) {
        out << "COM" << number << '=' << device << '\n';
    }
    out.flush();
    return static_cast<bool>(out);
}

void setComDeviceOverride(int portNumber, const std::string& device) {
    std::lock_guard lock(overrideMutex);
    overrides[portNumber] = device;
}

void clearComDeviceOverride(int portNumber) {
    std::lock_guard lock(overrideMutex);
    overrides.erase(portNumber);
}

std::string defaultComDevicePath(int portNumber) {
    return portNumber >= 1 ? "/dev/ttyS" + std::to_string(portNumber - 1) : std::string();
}

std::string comDevicePath(int portNumber) {
    {
        std::lock_guard lock(overrideMutex);
        const auto it = overrides.find(portNumber);
        if (it != overrides.end()) {
            return it->second;
        }
    }
    if (portNumber < 1) {
        return {};
    }
    const std::string variable = "VELTRA_COM" + std::to_string(portNumber);
    if (const char* device = std::getenv(variable.c_str()); device != nullptr && *device != '\0') {
        return device;
    }
    const SerialPortMap file = readSerialPortMap(serialPortMapPath());
    if (const auto it = file.find(portNumber); it != file.end()) {
        return it->second;
    }
    return defaultComDevicePath(portNumber);
}

std::vector<SerialDeviceInfo> listSerialDevices() {
    std::vector<SerialDeviceInfo> devices;
    std::error_code error;
    try {
        for (const auto& entry : fs::directory_iterator("/dev", error)) {
            const std::string name = entry.path().filename().string();
            if (hasPrefix(name, "ttyUSB") || hasPrefix(name, "ttyACM")) {
                devices.push_back({entry.path().string(), usbDescription(name)});
            } else if (hasPrefix(name, "ttyS") && name.size() > 4 && uartPresent(name)) {
                devices.push_back({entry.path().string(), "built-in serial port"});
            }
        }
        for (const auto& entry : fs::directory_iterator("/dev/serial/by-id", error)) {
            std::error_code linkError;
            const fs::path target = fs::canonical(entry.path(), linkError);
            std::string description = entry.path().filename().string();
            if (!linkError) {
                description += " -> " + target.string();
            }
            devices.push_back({entry.path().string(), description});
        }
    } catch (const fs::filesystem_error&) {
        // A directory vanishing under the listing (device unplugged): list what was found.
    }
    std::sort(devices.begin(), devices.end(), [](const SerialDeviceInfo& a, const SerialDeviceInfo& b) {
        return naturalLess(a.path, b.path);
    });
    return devices;
}
