#include "link/ComIni.h"

#include "link/ProgramDirectory.h"

#include <cstdio>

namespace {
constexpr std::size_t READ_LIMIT = 2000;
}

std::string comIniPath() {
    return programDirectory() + "/com.ini";
}

int readComIni(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return -1;
    }
    char text[READ_LIMIT];
    const std::size_t size = std::fread(text, 1, sizeof text, file);
    std::fclose(file);
    std::size_t at = 0;
    while (at < size && text[at] != ':') {
        ++at;
    }
    ++at;
    while (at < size && (text[at] == ' ' || text[at] == '\t')) {
        ++at;
    }
    if (at >= size || text[at] < '0' || text[at] > '9') {
        return 0;
    }
    return text[at] - '0';
}

int readComIni() {
    return readComIni(comIniPath());
}

bool writeComIni(const std::string& path, int portNumber) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fprintf(file, "COM Port Id :%d\n ", portNumber) > 0;
    return std::fclose(file) == 0 && written;
}

bool writeComIni(int portNumber) {
    return writeComIni(comIniPath(), portNumber);
}
