// Requests in words, for the request log and the state dumps.
#include "sim/radioBehaviour.h"

#include "sim/textParsing.h"

namespace sim {

namespace {

std::string softpotText(std::span<const sbep::Byte> p) {
    if (p.size() < 2) {
        return "softpot request (short)";
    }
    static const char* modes[] = {"read", "store", "live write", "read all points", "store all points"};
    const std::string mode = p[1] < 5 ? modes[p[1]] : "sub-command " + std::to_string(p[1]);
    const softpotTypeInfo* info = findSoftpotType(p[0]);
    std::string text = "softpot " + mode + ", type " + std::to_string(p[0]);
    if (info) {
        text += std::string(" (") + info->name + ")";
    }
    if ((p[1] == 1 || p[1] == 2 || p[1] == 4) && p.size() > 2) {
        text += ", value " + hexString(p.data() + 2, p.size() - 2);
    }
    return text;
}

} // namespace

std::string describeRequest(std::span<const sbep::Byte> frame) {
    const int opcode = sbep::frameOpcode(frame);
    const std::size_t header = sbep::frameHeaderSize(frame);
    const std::size_t length = sbep::framePayloadLength(frame);
    const auto p =
        header + length <= frame.size() ? frame.subspan(header, length) : std::span<const sbep::Byte>{};
    auto word = [&](std::size_t at) { return p.size() >= at + 2 ? (p[at] << 8) | p[at + 1] : 0; };
    switch (opcode) {
    case REQ_RESET:
        return "reset";
    case REQ_RADIO_INFO: {
        static const std::pair<int, const char*> names[] = {{INFO_MODEL, "model number"},
                                                            {INFO_SERIAL, "serial number"},
                                                            {INFO_POWER_UP, "power-up status"},
                                                            {INFO_IC_VERSION, "IC version"},
                                                            {INFO_UUID, "UUID"},
                                                            {INFO_REGIONAL_ID, "regional ID"}};
        for (const auto& [selector, name] : names) {
            if (p.size() == 1 && p[0] == selector) {
                return std::string("read ") + name;
            }
        }
        return "radio information request";
    }
    case REQ_TUNE_DATA:
        return "read tuning data";
    case REQ_KEY:
        return p.size() == 1 && p[0] == 1 ? "key up" : "dekey";
    case REQ_TEST_MODE:
        if (p.size() == 3) {
            return "test mode " + std::to_string(p[0]) + " " + std::to_string(p[1]) + " " +
                   std::to_string(p[2]);
        }
        return "test mode (bad length)";
    case REQ_CHANNEL:
        if (p.size() == 5) {
            return "channel pair " + std::to_string(word(1)) + " " + std::to_string(word(3));
        }
        return "channel " + std::to_string(word(1));
    case REQ_SOFTPOT:
        return softpotText(p);
    case REQ_AUTO_TUNE:
        return "auto-tune, type " + std::to_string(p.empty() ? 0 : p[0]);
    case REQ_READ_MEMORY:
        return p.size() == 4
                   ? "read memory, " + std::to_string(p[0]) + " bytes at " + hexString(p.data() + 1, 3)
                   : "read memory (bad length)";
    case REQ_WRITE_MEMORY:
        return p.size() >= 3
                   ? "write memory, " + std::to_string(p.size() - 3) + " bytes at " + hexString(p.data(), 3)
                   : "write memory (bad length)";
    case REQ_WRITE_SERIAL:
        return "write serial number";
    case REQ_BBO:
        return p.size() == 3 ? "write baseband offset" : "read baseband offset";
    default:
        return "opcode " + hexByte(opcode);
    }
}

} // namespace sim
