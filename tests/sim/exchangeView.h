// How the PC's exchange reader sees one exchange: the echo of the request,
// the first answer byte at ackIndex and the data reply behind it, all in the
// 50-byte exchange buffer. Tests read the simulated radio's answers through
// this view, so they check the positions the PC's callers use.
#pragma once

#include "link/SBEPFrame.h"

#include <algorithm>
#include <array>
#include <cstdint>

struct exchangeView {
    static constexpr std::size_t BUFFER = 50;

    std::array<std::uint8_t, BUFFER> buffer{};
    std::size_t ackIndex = 0;
    std::size_t waiting = 0; // bytes behind the first answer byte

    exchangeView(const sbep::Bytes& request, const sbep::Bytes& answer) {
        sbep::Bytes all = request;
        all.insert(all.end(), answer.begin(), answer.end());
        std::copy_n(all.begin(), std::min(all.size(), BUFFER), buffer.begin());
        ackIndex = request.size();
        waiting = answer.empty() ? 0 : answer.size() - 1;
    }

    std::uint8_t first() const { return buffer[ackIndex]; }
    bool replyPresent() const { return buffer[ackIndex + 1] != 0; }
    bool replyUnsupported() const { return buffer[ackIndex + 2] == 0x86; }
    bool longForm() const { return (buffer[ackIndex + 1] & 0x0F) == 0x0F; }

    std::uint32_t replyValue(int bytes) const {
        std::uint32_t v = 0;
        for (int i = 0; i < bytes; ++i) {
            v = (v << 8) | buffer[ackIndex + 4 + static_cast<std::size_t>(i)];
        }
        return v;
    }
    std::uint8_t pointValue(int i) const {
        return buffer[ackIndex + static_cast<std::size_t>(i) + (longForm() ? 5 : 3)];
    }
    // The caller's 50-byte buffer as the data exchanges fill it.
    std::array<std::uint8_t, BUFFER> reply() const {
        std::array<std::uint8_t, BUFFER> dest{};
        std::copy(buffer.begin() + static_cast<std::ptrdiff_t>(ackIndex) + 1, buffer.end(), dest.begin());
        return dest;
    }
    // The announced length against what arrived, as the reader checks it.
    bool lengthConsistent() const {
        if (longForm()) {
            const std::size_t announced = (buffer[ackIndex + 3] << 8) | buffer[ackIndex + 4];
            return waiting >= 4 && announced == waiting - 4;
        }
        return waiting >= 2 && std::size_t{buffer[ackIndex + 1] & 0x0Fu} == waiting - 2;
    }
    // The whole burst fits into the buffer.
    bool fits() const { return ackIndex + 1 + waiting <= BUFFER; }
};
