// radioProfile::toText: the profile in its own file format, so that a dump of
// a radio's state can be loaded again as a profile.
#include "sim/radioProfile.h"

#include "sim/textParsing.h"

#include <sstream>

namespace sim {

namespace {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

template <typename Container> std::string list(const Container& values) {
    std::string out;
    for (const auto& v : values) {
        out += (out.empty() ? "" : " ") + std::to_string(v);
    }
    return out;
}

std::string uuidText(const std::array<std::uint8_t, 16>& uuid) {
    return hexString(uuid.data(), uuid.size());
}

std::string singleValue(const softpotTypeInfo& info, std::uint32_t value) {
    if (info.valueBytes < 3) {
        return std::to_string(value);
    }
    std::ostringstream out;
    out << "0x";
    for (int i = info.valueBytes - 1; i >= 0; --i) {
        const auto byte = static_cast<std::uint8_t>(value >> (8 * i));
        out << hexString(&byte, 1);
    }
    return out.str();
}

void writeMemory(std::ostringstream& out, const std::vector<std::uint8_t>& memory) {
    constexpr std::size_t PER_LINE = 16;
    std::size_t i = 0;
    while (i < memory.size()) {
        if (memory[i] == 0) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < memory.size() && end - i < PER_LINE && memory[end] != 0) {
            ++end;
        }
        const std::uint8_t address[2] = {static_cast<std::uint8_t>(i >> 8), static_cast<std::uint8_t>(i)};
        out << "memory 0x" << hexString(address, 2) << " =";
        for (std::size_t k = i; k < end; ++k) {
            out << " " << hexByte(memory[k]);
        }
        out << "\n";
        i = end;
    }
}

} // namespace

std::string radioProfile::toText() const {
    std::ostringstream out;
    out << "name = " << quoted(name) << "\n";
    if (!description.empty()) {
        out << "description = " << quoted(description) << "\n";
    }
    out << "\n# identity\n";
    out << "serial = " << quoted(serial) << "\n";
    out << "model = " << quoted(model) << "\n";
    out << "uuid = " << uuidText(uuid) << "\n";
    out << "ic_version = " << list(icVersion) << "\n";
    out << "regional_id = " << int{regionalId} << "\n";
    out << "power_up_status = " << int{powerUpStatus} << "\n";
    out << "\n# tuning data\n";
    out << "radio_type = " << int{radioType} << "\n";
    out << "frequency_base = " << frequencyBase << "\n";
    out << "spacing_mask = " << int{spacingMask} << "\n";
    out << "tx_points = " << list(txPoints) << "\n";
    out << "rx_points = " << list(rxPoints) << "\n";
    out << "dac_defaults = " << list(dacDefaults) << "\n";
    out << "battery_default = " << int{batteryDefault} << "\n";
    out << "\n# what the radio answers\n";
    out << "all_points_read = " << (allPointsRead ? "yes" : "no") << "\n";
    out << "all_points_write = " << (allPointsWrite ? "yes" : "no") << "\n";
    out << "unsupported_types = " << list(unsupportedTypes) << "\n";
    out << "unsupported_requests =";
    for (int op : unsupportedRequests) {
        out << " " << hexByte(op);
    }
    out << "\n";
    out << "battery_reading = " << int{batteryReading} << "\n";
    out << "rssi_calibration = " << int{rssiCalibration} << "\n";
    out << "rssi_reading = " << list(rssiReading) << "\n";
    out << "bbo = " << list(bbo) << "\n";
    for (const auto& [type, value] : limits) {
        out << "limit " << type << " = " << value << "\n";
    }
    for (const auto& [type, value] : autoTune) {
        out << "autotune " << type << " = " << value << "\n";
    }
    out << "\n# softpots\n";
    for (const auto& [type, banks] : softpots) {
        const softpotTypeInfo* info = findSoftpotType(type);
        if (!info) {
            continue;
        }
        for (int bank = 0; bank < info->bankCount; ++bank) {
            const auto& values = banks[static_cast<std::size_t>(bank)];
            out << "softpot " << type;
            if (bank > 0) {
                out << "." << bank;
            }
            out << " = ";
            if (info->side != softpotSide::NONE) {
                out << list(values);
            } else if (type == TYPE_RSSI) {
                out << values[0] << " " << values[1] << " " << values[2];
            } else {
                out << singleValue(*info, values[0]);
            }
            out << "\n";
        }
    }
    out << "\n# memory\n";
    writeMemory(out, memory);
    if (!faults.empty()) {
        out << "\n# faults\n";
        for (const auto& f : faults) {
            out << "fault = " << f.toText() << "\n";
        }
    }
    return out.str();
}

} // namespace sim
