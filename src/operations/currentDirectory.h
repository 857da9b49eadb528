// Read Radio and Program All make the program directory the current directory
// before they start, so that the files named without a directory (the report
// file, Veltra.ini, the help file) are found there afterwards.
#pragma once

#include <string>

// Returns false (and leaves the current directory as it was) when the
// directory cannot be entered; the commands go on in that case.
bool makeProgramDirectoryCurrent(const std::string& programDirectory);
