// How the radio sequences reach the radio: one connection per operation or
// step, opened when it is needed and closed (the port freed) when it goes.
// The window application and veltra-cli use comPortConnector, which opens the
// COM port com.ini names; tests may open a connection of their own.
#pragma once

#include "link/EnhancedSBEP.h"

#include <memory>

class radioConnection {
public:
    virtual ~radioConnection() = default;
    virtual EnhancedSBEP& protocol() = 0;
};

class radioConnector {
public:
    virtual ~radioConnector() = default;
    // Raises the link's errors (PortInUseError when the port cannot be opened).
    virtual std::unique_ptr<radioConnection> connect() = 0;
};

// A cominit per connection: com.ini in the program directory, the port it
// names, 9600 baud.
class comPortConnector final : public radioConnector {
public:
    std::unique_ptr<radioConnection> connect() override;
};
