// One radio connection: reads com.ini, opens the configured COM port
// exclusively and binds it to an EnhancedSBEP. Created for one operation or
// exchange and destroyed at its end, which closes the port; a port chosen in
// the COM port dialog therefore applies from the next connection on.
#pragma once

#include "link/EnhancedSBEP.h"
#include "link/Win32CommunicationPort.h"

#include <memory>

// The line settings of one connection: 9600 baud, no parity, 8 data bits,
// one stop bit, and the port from com.ini. When com.ini cannot be read the
// port used last in this process applies.
struct RF_CommunicationSetup {
    int baudRate = 9600;
    int portNumber = 2;
    int parity = 0;
    int dataBits = 8;
    int stopBits = 0;

    RF_CommunicationSetup();

    // The last port com.ini named in this process (0 before any).
    static int lastGoodPort();
    static void setLastGoodPort(int portNumber); // for tests
};

class cominit {
public:
    // Raises PortInUseError when the port cannot be opened.
    cominit();
    ~cominit();
    cominit(const cominit&) = delete;
    cominit& operator=(const cominit&) = delete;

    EnhancedSBEP& protocol() { return sbep_; }
    operator EnhancedSBEP&() { return sbep_; }
    Win32CommunicationPort& port() { return *port_; }
    const RF_CommunicationSetup& setup() const { return setup_; }

    static constexpr std::uint8_t CHUNK_SIZE = 64;

private:
    RF_CommunicationSetup setup_;
    EnhancedSBEP sbep_;
    std::unique_ptr<Win32CommunicationPort> port_;
};
