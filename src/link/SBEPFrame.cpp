#include "link/SBEPFrame.h"

#include <numeric>

namespace sbep {

namespace {
constexpr Byte NIBBLE_ESCAPE = 0x0F;

bool isSingleByte(Byte header) {
    return (header >> 4) != NIBBLE_ESCAPE && (header & 0x0F) == 0;
}
} // namespace

std::size_t writeHeader(std::span<Byte> out, int opcode, std::size_t payloadLength) {
    std::size_t size = 1;
    Byte header = 0;
    if (opcode <= 14) {
        header = static_cast<Byte>(opcode << 4);
    } else {
        header = 0xF0;
        out[size++] = static_cast<Byte>(opcode);
    }
    const std::size_t length = payloadLength + 1;
    if (length > 14) {
        header |= NIBBLE_ESCAPE;
        out[size++] = static_cast<Byte>(length >> 8);
        out[size++] = static_cast<Byte>(length & 0xFF);
    } else if (payloadLength > 0 || opcode > 14) {
        header |= static_cast<Byte>(length);
    }
    out[0] = header;
    return size;
}

Bytes buildFrame(int opcode, std::span<const Byte> payload) {
    Byte header[4] = {};
    const std::size_t headerSize = writeHeader(header, opcode, payload.size());
    Bytes frame(header, header + headerSize);
    if (isSingleByte(header[0])) {
        return frame;
    }
    frame.insert(frame.end(), payload.begin(), payload.end());
    frame.push_back(frameChecksum(frame));
    return frame;
}

Byte frameChecksum(std::span<const Byte> bytes) {
    const unsigned sum = std::accumulate(bytes.begin(), bytes.end(), 0u);
    return static_cast<Byte>(~sum & 0xFF);
}

int frameOpcode(std::span<const Byte> frame) {
    if (frame.empty()) {
        return -1;
    }
    const int high = frame[0] >> 4;
    if (high != NIBBLE_ESCAPE) {
        return high;
    }
    return frame.size() > 1 ? frame[1] : -1;
}

std::size_t frameHeaderSize(std::span<const Byte> frame) {
    if (frame.empty() || isSingleByte(frame[0])) {
        return 0;
    }
    std::size_t size = 1;
    if ((frame[0] >> 4) == NIBBLE_ESCAPE) {
        ++size;
    }
    if ((frame[0] & 0x0F) == NIBBLE_ESCAPE) {
        size += 2;
    }
    return size;
}

std::size_t framePayloadLength(std::span<const Byte> frame) {
    if (frame.empty()) {
        return 0;
    }
    std::size_t length = frame[0] & 0x0F;
    if (length == NIBBLE_ESCAPE) {
        const std::size_t at = (frame[0] >> 4) == NIBBLE_ESCAPE ? 2 : 1;
        if (frame.size() < at + 2) {
            return 0;
        }
        length = (static_cast<std::size_t>(frame[at]) << 8) | frame[at + 1];
    }
    return length > 0 ? length - 1 : 0;
}

std::size_t frameLength(std::span<const Byte> frame) {
    if (frame.empty()) {
        return 0;
    }
    if (isSingleByte(frame[0])) {
        return 1;
    }
    return framePayloadLength(frame) + frameHeaderSize(frame) + 1;
}

bool frameValid(std::span<const Byte> frame) {
    if (frame.empty()) {
        return false;
    }
    if (isSingleByte(frame[0])) {
        return true;
    }
    const std::size_t length = frameLength(frame);
    if (length < 2 || frame.size() < length) {
        return false;
    }
    return frame[length - 1] == frameChecksum(frame.first(length - 1));
}

std::span<const Byte> framePayload(std::span<const Byte> frame) {
    const std::size_t header = frameHeaderSize(frame);
    if (header == 0 || header >= frame.size()) {
        return {};
    }
    const std::size_t available = frame.size() - header;
    const std::size_t length = framePayloadLength(frame);
    return frame.subspan(header, length < available ? length : available);
}

} // namespace sbep
