// Collects the bytes the radio receives into request frames. Bytes that
// cannot start a valid request (a frame with a wrong checksum, an absurd
// length, a stray single byte) are dropped one at a time, so the assembler
// finds the next good frame behind any garbage; a partial frame that stays
// incomplete is dropped when the line falls idle (drain).
//
// Each byte may carry a held echo: the echo is given back with the frame the
// byte belongs to, or with the dropped bytes, so that the caller decides
// whether it goes out.
#pragma once

#include "link/SBEPFrame.h"

#include <cstddef>
#include <deque>
#include <optional>

namespace sim {

class frameAssembler {
public:
    // Requests the PC sends are short; a header announcing more is garbage.
    static constexpr std::size_t MAX_REQUEST = 512;

    struct assembled {
        sbep::Bytes frame;
        sbep::Bytes heldEcho; // echo of the frame's bytes that was held back
    };

    void push(sbep::Byte value, bool echoHeld);

    // The next complete valid frame. With `drain`, incomplete data in front
    // of it is dropped instead of waited for.
    std::optional<assembled> next(bool drain = false);

    // Held echo of bytes dropped since the last call.
    sbep::Bytes takeDroppedEcho();

    bool empty() const { return bytes_.empty(); }
    std::size_t pending() const { return bytes_.size(); }
    std::size_t discarded() const { return discarded_; }

private:
    struct rxByte {
        sbep::Byte value;
        bool echoHeld;
    };

    // Total length of the frame starting at the front: 0 while its header
    // is incomplete, INVALID when no request starts there.
    std::size_t frontLength() const;
    void dropFront();

    static constexpr std::size_t INVALID = static_cast<std::size_t>(-1);

    std::deque<rxByte> bytes_;
    sbep::Bytes droppedEcho_;
    std::size_t discarded_ = 0;
};

} // namespace sim
