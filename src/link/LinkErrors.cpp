#include "link/LinkErrors.h"

#include <cstdio>

std::string linkErrorText(const char* name, std::uint32_t code, const std::string& detail) {
    std::string text = std::string(name) + " (" + std::to_string(code) + ")";
    if (!detail.empty()) {
        text += ": " + detail;
    }
    return text;
}

namespace {
std::string portInUseText(int portNumber, const std::string& device, const std::string& reason) {
    std::string text = "COM" + std::to_string(portNumber);
    if (!device.empty()) {
        text += " (" + device + ")";
    }
    return linkErrorText("PortInUseError", PortInUseError::CODE, text + ": " + reason);
}

std::string hex24(std::uint32_t address) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(address & 0xFFFFFF));
    return text;
}
} // namespace

PortInUseError::PortInUseError(int portNumber, std::string device, int systemError, std::string reason)
    : CommunicationError(CODE, portInUseText(portNumber, device, reason)), portNumber_(portNumber),
      device_(std::move(device)), systemError_(systemError), reason_(std::move(reason)) {}

BadWrite::BadWrite(std::uint32_t address)
    : RadioProtocolError(
          CODE, linkErrorText("BadWrite", CODE, "the radio reported a failed write at " + hex24(address))),
      address_(address) {}

void raiseLineError(int errorWord, const std::string& detail) {
    if (errorWord == 0) {
        return;
    }
    if (errorWord == -12) {
        throw BaudRateSettingError(detail);
    }
    if (errorWord == -11) {
        throw CharacterSizeSettingError(detail);
    }
    const auto flags = static_cast<std::uint32_t>(errorWord);
    if (flags & LINE_BREAK) {
        throw BreakDetected(detail);
    }
    if (flags & LINE_FRAME) {
        throw FramingError(detail);
    }
    if (flags & LINE_OVERRUN) {
        throw OverrunError(detail);
    }
    if (flags & LINE_RXPARITY) {
        throw ParityError(detail);
    }
    if (flags & LINE_RXOVER) {
        throw InputBufferFull(detail);
    }
    if (flags & LINE_TXFULL) {
        throw OutputBufferFull(detail);
    }
    throw GeneralCommunicationError(detail);
}
