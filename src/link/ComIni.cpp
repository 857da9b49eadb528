#include "link/ComIni.h"

#include "link/ProgramDirectory.h"
#include "link/profileFields.h"

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
    const auto field = readProfileField(std::string_view(text, size), 1, 1);
    if (!field || field->empty() || (*field)[0] < '0' || (*field)[0] > '9') {
        return 0;
    }
    return (*field)[0] - '0';
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
