// com.ini beside the program: the selected COM port as "COM Port Id :%d\n ".
#pragma once

#include <string>

std::string comIniPath(); // programDirectory() + "/com.ini"

// The port number: the first character after the first ':' and the blanks
// behind it, as a decimal digit (a non-digit, or no ':' in the first 2000
// bytes, gives 0). -1 when the file cannot be opened.
int readComIni(const std::string& path);
int readComIni();

// Replaces the file's content. Failure is not reported to the user; the
// result only tells tests and callers that care.
bool writeComIni(const std::string& path, int portNumber);
bool writeComIni(int portNumber);
