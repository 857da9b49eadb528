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
    // The link may take fewer bytes in one write request than a caller
    // hands over (the codeplug writes 38); the rest follows in further
    // requests at the following addresses.
    const std::size_t most = EnhancedSBEP::MAX_MEMORY_TRANSFER;
    for (std::size_t at = 0; at < source.size(); at += most)
        link.writeMemory(source.subspan(at, std::min(most, source.size() - at)),
                         address + static_cast<std::uint32_t>(at));
}
