// The status bar text after a read or an archive load.
#pragma once

#include "model/radioStorage.h"

#include <string>
#include <string_view>

// "Radio Serial No :<serial>", 95 blanks, "Radio Model No: <model>".
std::string radioStatusText(std::string_view serialNumber, std::string_view modelNumber);
std::string radioStatusText(const radioStorage& storage);
