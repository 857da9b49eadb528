#include "sim/stateDump.h"

#include "sim/textParsing.h"

#include <sstream>

namespace sim {

namespace {

std::string jsonText(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            static const char* digits = "0123456789abcdef";
            out += "\\u00";
            out += digits[c >> 4];
            out += digits[c & 0xF];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

template <typename Container> std::string jsonList(const Container& values) {
    std::string out = "[";
    for (const auto& v : values) {
        out += (out.size() > 1 ? ", " : "") + std::to_string(v);
    }
    return out + "]";
}

std::string jsonHex(const sbep::Bytes& bytes) {
    return "\"" + hexString(bytes.data(), bytes.size()) + "\"";
}

std::string pointName(int point) {
    return point == 0 ? "-" : "F" + std::to_string(point);
}

std::string testModeText(const radioState& s) {
    if (!s.testModeSet) {
        return "none";
    }
    return std::to_string(s.testMode[0]) + " " + std::to_string(s.testMode[1]) + " " +
           std::to_string(s.testMode[2]);
}

} // namespace

std::string stateText(const radioState& s, const std::vector<faultPlan::entry>& faults) {
    std::ostringstream out;
    out << "# Simulated radio state; load this file as a profile to start a radio with these values.\n";
    out << "# keyed: " << (s.keyed ? "yes" : "no") << "\n";
    out << "# test mode: " << testModeText(s) << "\n";
    if (s.txCode < 0) {
        out << "# channel: none\n";
    } else {
        out << "# channel: transmit code " << s.txCode << " (" << pointName(s.txPoint) << "), receive code "
            << s.rxCode << " (" << pointName(s.rxPoint) << ")\n";
    }
    out << "# resets: " << s.resets << ", key-ups: " << s.keyUps << "\n";
    for (const auto& [key, value] : s.live) {
        const auto& [type, bank, point] = key;
        out << "# live value: type " << type << " bank " << bank << " " << pointName(point) << " = " << value
            << "\n";
    }
    out << "# requests received: " << s.requests.size() << ", discarded bytes: " << s.discardedBytes << "\n";
    if (s.pulled) {
        out << "# the cable was pulled\n";
    }
    if (s.unplugged) {
        out << "# the radio was unplugged\n";
    }
    for (const auto& f : faults) {
        out << "# fault " << f.spec.toText() << ": fired " << f.fired << "\n";
    }
    out << "\n";
    radioProfile data = s.radio;
    data.faults.clear();
    out << data.toText();
    return out.str();
}

std::string stateJson(const radioState& s, const std::vector<faultPlan::entry>& faults) {
    const radioProfile& r = s.radio;
    std::ostringstream out;
    out << "{\n";
    out << "  \"profile\": " << jsonText(r.name) << ",\n";
    out << "  \"identity\": {\"serial\": " << jsonText(r.serial) << ", \"model\": " << jsonText(r.model)
        << ", \"uuid\": \"" << hexString(r.uuid.data(), r.uuid.size()) << "\", \"icVersion\": \""
        << hexString(r.icVersion.data(), r.icVersion.size()) << "\", \"regionalId\": " << int{r.regionalId}
        << ", \"powerUpStatus\": " << int{r.powerUpStatus} << "},\n";
    out << "  \"tuning\": {\"radioType\": " << int{r.radioType} << ", \"frequencyBase\": " << r.frequencyBase
        << ", \"spacingMask\": " << int{r.spacingMask} << ", \"txPoints\": " << jsonList(r.txPoints)
        << ", \"rxPoints\": " << jsonList(r.rxPoints) << ", \"dacDefaults\": " << jsonList(r.dacDefaults)
        << ", \"batteryDefault\": " << int{r.batteryDefault} << "},\n";
    out << "  \"keyed\": " << (s.keyed ? "true" : "false") << ",\n";
    out << "  \"testMode\": " << (s.testModeSet ? jsonList(s.testMode) : "null") << ",\n";
    out << "  \"channel\": {\"txCode\": " << s.txCode << ", \"rxCode\": " << s.rxCode
        << ", \"txPoint\": " << s.txPoint << ", \"rxPoint\": " << s.rxPoint << "},\n";
    out << "  \"resets\": " << s.resets << ",\n  \"keyUps\": " << s.keyUps << ",\n";
    out << "  \"softpots\": {";
    bool first = true;
    for (const auto& [type, banks] : r.softpots) {
        const softpotTypeInfo* info = findSoftpotType(type);
        if (!info) {
            continue;
        }
        out << (first ? "\n" : ",\n") << "    \"" << type << "\": [";
        for (int bank = 0; bank < info->bankCount; ++bank) {
            const auto& values = banks[static_cast<std::size_t>(bank)];
            out << (bank ? ", " : "");
            if (info->side != softpotSide::NONE) {
                out << jsonList(values);
            } else if (type == TYPE_RSSI) {
                out << "[" << values[0] << ", " << values[1] << ", " << values[2] << "]";
            } else {
                out << values[0];
            }
        }
        out << "]";
        first = false;
    }
    out << "\n  },\n";
    out << "  \"liveWrites\": [";
    for (std::size_t i = 0; i < s.liveWrites.size(); ++i) {
        const auto& w = s.liveWrites[i];
        out << (i ? ", " : "") << "{\"type\": " << w.type << ", \"bank\": " << w.bank
            << ", \"point\": " << w.point << ", \"value\": " << w.value << "}";
    }
    out << "],\n";
    out << "  \"bbo\": " << jsonList(r.bbo) << ",\n";
    out << "  \"requests\": [";
    for (std::size_t i = 0; i < s.requests.size(); ++i) {
        const auto& q = s.requests[i];
        out << (i ? "," : "") << "\n    {\"frame\": " << jsonHex(q.frame)
            << ", \"answer\": " << jsonHex(q.answer) << ", \"summary\": " << jsonText(q.summary);
        if (!q.faults.empty()) {
            out << ", \"faults\": [";
            for (std::size_t k = 0; k < q.faults.size(); ++k) {
                out << (k ? ", " : "") << jsonText(q.faults[k]);
            }
            out << "]";
        }
        out << "}";
    }
    out << "\n  ],\n";
    out << "  \"discardedBytes\": " << s.discardedBytes << ",\n";
    out << "  \"faults\": [";
    for (std::size_t i = 0; i < faults.size(); ++i) {
        out << (i ? ", " : "") << "{\"fault\": " << jsonText(faults[i].spec.toText())
            << ", \"fired\": " << faults[i].fired << "}";
    }
    out << "],\n";
    out << "  \"pulled\": " << (s.pulled ? "true" : "false") << ",\n";
    out << "  \"unplugged\": " << (s.unplugged ? "true" : "false") << "\n";
    out << "}\n";
    return out.str();
}

} // namespace sim
