#include "model/radioMemory.h"

#include "link/EnhancedSBEP.h"
#include "link/LinkErrors.h"
#include "link/SBEPFrame.h"

#include <algorithm>
#include <string>

namespace {
constexpr std::size_t ADDRESS_BYTES = 3;
}

void sbepRadioMemory::read(std::uint32_t address, std::span<std::uint8_t> dest) {
    sbep::ReplyBuffer reply{};
    link.readMemory(reply, address, static_cast<int>(dest.size()));
    if (sbep::frameOpcode(reply) != sbep::OP_MEMORY_DATA)
        throw BadReply("no memory data in the reply to a read at " + std::to_string(address));
    const auto payload = sbep::framePayload(reply);
    if (payload.size() < ADDRESS_BYTES + dest.size())
        throw BadReply("memory reply shorter than the " + std::to_string(dest.size()) + " bytes asked for");
    std::copy_n(payload.begin() + ADDRESS_BYTES, dest.size(), dest.begin());
}

void sbepRadioMemory::write(std::uint32_t address, std::span<const std::uint8_t> source) {
    link.writeMemory(source, address);
}
