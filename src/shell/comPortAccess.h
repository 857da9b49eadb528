// What the shell does with the serial link outside an operation: the test
// open of the configured port at start-up and the radio reset at shut-down.
#pragma once

// Opens the port at 9600 8N1 and closes it again; a port that cannot be
// opened is skipped without a message (false).
bool testOpenComPort(int port);

// One connection on the configured port sends the reset request; every
// failure is ignored.
void resetRadioIgnoringFailures();
