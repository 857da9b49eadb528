// Radio memory read and write requests.
#pragma once

#include "link/SBEPRequests.h"

namespace sbep {

class SBEPReadRequest : public SBEPMessage {
public:
    // n, BE24 address. `destination` receives the data when it comes as a
    // reply of its own or behind the ACK of exchange(); exchangeData hands the
    // whole reply frame to its caller instead.
    SBEPReadRequest(std::span<Byte> destination, std::uint32_t address, int count);
    int requestedCount() const { return frame()[2]; }

protected:
    void receiveReply(CommunicationInterface& port, ExchangeBuffer& buffer) override;
    void acceptAttachedReply(const ExchangeBuffer& buffer) override;

private:
    void takeData(std::span<const Byte> reply);

    std::span<Byte> destination_;
};

// A write is confirmed when the radio's reply names its address. A reply
// naming 0, 0xFFFFFF or the address of the request on the pending link says
// the radio is still busy with an earlier write: this write is then pending
// and its pending link points to itself.
class SBEPWriteRequest : public SBEPMessage {
public:
    // BE24 address, then the data bytes.
    SBEPWriteRequest(std::span<const Byte> source, std::uint32_t address,
                     const SBEPWriteRequest* pending = nullptr);
    std::uint32_t requestedAddress() const { return address_; }
    const SBEPWriteRequest* pendingLink() const { return pending_; }
    bool isPending() const { return pending_ != nullptr; }

protected:
    void receiveReply(CommunicationInterface& port, ExchangeBuffer& buffer) override;
    void acceptAttachedReply(const ExchangeBuffer& buffer) override;

private:
    void takeConfirmation(std::span<const Byte> reply);

    std::uint32_t address_;
    const SBEPWriteRequest* pending_;
};

} // namespace sbep
