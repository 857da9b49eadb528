#include "shell/comPortAccess.h"

#include "link/LinkErrors.h"
#include "link/Win32CommunicationPort.h"
#include "link/cominit.h"

bool testOpenComPort(int port) {
    try {
        Win32CommunicationPort test(port, 9600, 0, 8, 0, 0);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void resetRadioIgnoringFailures() {
    try {
        cominit connection;
        connection.protocol().resetRadio();
    } catch (const std::exception&) {
        // Nothing can be done about a radio that is gone at shut-down.
    }
}
