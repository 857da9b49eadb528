// The "&Baseband Offset Update" command: the preparation (bbo.cfg matched to
// the radio, or the nine fixed labels for radios with the baseband-offset
// requests), then the window. The check byte of a bbo.cfg entry is read on a
// connection opened only when an entry's model code and letter match.
#pragma once

#include "screens/ScreenContext.h"

#include <string>

class bboConfigFileModule;
class TVeltraMDIClient;
struct commandRow;

// Shows the preparation's message and returns false when the window must not open.
bool prepareBasebandUpdate(bboConfigFileModule& module, const std::string& programDirectory,
                           const ScreenContext& context);

// The registry's opener for CM_BBO_UPDATE (the shell has checked that no other
// screen is open).
void openBasebandUpdate(TVeltraMDIClient& client, const commandRow& row);
