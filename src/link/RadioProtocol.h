// The radio protocol as the rest of the program sees it. The port is bound by
// the owner of the connection (cominit) and not owned here.
#pragma once

#include "link/CommunicationInterface.h"
#include "link/ExchangeBuffer.h"

#include <cstdint>
#include <span>

class RadioProtocol {
public:
    virtual ~RadioProtocol() = default;

    virtual void keyUp() = 0;
    virtual void dekey() = 0;
    virtual void resetRadio() = 0;
    virtual void readMemory(sbep::ReplyBuffer& dest, std::uint32_t address, int length) = 0;
    virtual void writeMemory(std::span<const std::uint8_t> source, std::uint32_t address) = 0;
    virtual void setPort(CommunicationPort* port) { port_ = port; }

    CommunicationPort* port() const { return port_; }

protected:
    // The bound port; GeneralCommunicationError (6000) when none is bound.
    CommunicationPort& boundPort() const;

private:
    CommunicationPort* port_ = nullptr;
};
