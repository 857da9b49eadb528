#include "link/ExchangeBuffer.h"

#include <algorithm>

namespace sbep {

std::span<const std::uint8_t> ExchangeBuffer::reply() const {
    const std::size_t from = std::min(ackIndex_ + 1, bytes_.size());
    return std::span<const std::uint8_t>(bytes_).subspan(from);
}

void ExchangeBuffer::setReply(std::span<const std::uint8_t> frame) {
    const std::size_t from = std::min(ackIndex_ + 1, bytes_.size());
    const std::size_t count = std::min(frame.size(), bytes_.size() - from);
    std::fill(bytes_.begin() + static_cast<std::ptrdiff_t>(from), bytes_.end(), 0);
    std::copy_n(frame.begin(), count, bytes_.begin() + static_cast<std::ptrdiff_t>(from));
}

std::uint32_t ExchangeBuffer::value(std::size_t from, int size) const {
    std::uint32_t result = 0;
    for (int i = 0; i < size; ++i) {
        result = (result << 8) | at(from + static_cast<std::size_t>(i));
    }
    return result;
}

std::uint8_t ExchangeBuffer::replyPointValue(int i) const {
    if (i < 0) {
        return 0;
    }
    const bool longLength = (at(ackIndex_ + 1) & 0x0F) == 0x0F;
    return at(ackIndex_ + static_cast<std::size_t>(i) + (longLength ? 5 : 3));
}

void ExchangeBuffer::copyReply(ReplyBuffer& dest) const {
    dest.fill(0);
    const auto source = reply();
    std::copy(source.begin(), source.end(), dest.begin());
}

} // namespace sbep
