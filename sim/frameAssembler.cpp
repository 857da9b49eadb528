#include "sim/frameAssembler.h"

namespace sim {

namespace {
constexpr sbep::Byte ESCAPE = 0x0F;
}

void frameAssembler::push(sbep::Byte value, bool echoHeld) {
    bytes_.push_back({value, echoHeld});
}

std::size_t frameAssembler::frontLength() const {
    const sbep::Byte header = bytes_[0].value;
    const bool opcodeByte = (header >> 4) == ESCAPE;
    const bool lengthField = (header & ESCAPE) == ESCAPE;
    if (!opcodeByte && (header & ESCAPE) == 0) {
        // A single-byte frame (an acknowledgement) is never a request.
        return INVALID;
    }
    const std::size_t headerSize = 1 + (opcodeByte ? 1 : 0) + (lengthField ? 2 : 0);
    if (bytes_.size() < headerSize) {
        return 0;
    }
    std::size_t length = header & ESCAPE;
    if (lengthField) {
        const std::size_t at = opcodeByte ? 2 : 1;
        length = (std::size_t{bytes_[at].value} << 8) | bytes_[at + 1].value;
    }
    if (length == 0 || headerSize + length > MAX_REQUEST) {
        return INVALID;
    }
    return headerSize + length;
}

void frameAssembler::dropFront() {
    if (bytes_.front().echoHeld) {
        droppedEcho_.push_back(bytes_.front().value);
    }
    bytes_.pop_front();
    ++discarded_;
}

std::optional<frameAssembler::assembled> frameAssembler::next(bool drain) {
    while (!bytes_.empty()) {
        const std::size_t length = frontLength();
        if (length == INVALID) {
            dropFront();
            continue;
        }
        if (length == 0 || bytes_.size() < length) {
            if (!drain) {
                return std::nullopt;
            }
            dropFront();
            continue;
        }
        assembled out;
        out.frame.reserve(length);
        for (std::size_t i = 0; i < length; ++i) {
            out.frame.push_back(bytes_[i].value);
        }
        if (!sbep::frameValid(out.frame)) {
            dropFront();
            continue;
        }
        for (std::size_t i = 0; i < length; ++i) {
            if (bytes_.front().echoHeld) {
                out.heldEcho.push_back(bytes_.front().value);
            }
            bytes_.pop_front();
        }
        return out;
    }
    return std::nullopt;
}

sbep::Bytes frameAssembler::takeDroppedEcho() {
    sbep::Bytes out;
    out.swap(droppedEcho_);
    return out;
}

} // namespace sim
