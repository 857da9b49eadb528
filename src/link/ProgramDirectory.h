// The directory the files beside the program are found through (com.ini,
// serialports.ini, bbo.cfg, the pictures). Defaults to the directory of the
// running executable; the application and tests may set it.
#pragma once

#include <string>

// Without a trailing separator, so that callers append "/com.ini" etc.
std::string programDirectory();
void setProgramDirectory(const std::string& directory);
