// Feeds arbitrary bytes to the field reader and the com.ini and
// serialports.ini readers.
#include "link/ComIni.h"
#include "link/SerialPortMap.h"
#include "link/profileFields.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include <sys/mman.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const int n = data[0] % 8;
    const std::size_t m = data[1] % 32;
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    const auto field = readProfileField(text, n, m);
    if (field) {
        // The field lies inside the text, within m characters, without a line end.
        if (field->size() > m || field->data() < text.data() ||
            field->data() + field->size() > text.data() + text.size())
            std::abort();
        if (field->find('\n') != std::string_view::npos || field->find('\r') != std::string_view::npos)
            std::abort();
    }

    // com.ini through its own reader, from a file in memory.
    static const int fd = ::memfd_create("com.ini", 0);
    if (fd >= 0 && ::ftruncate(fd, 0) == 0 && ::pwrite(fd, text.data(), text.size(), 0) == ssize_t(text.size())) {
        const int port = readComIni("/proc/self/fd/" + std::to_string(fd));
        if (port < 0 || port > 9)
            std::abort();
    }

    parseSerialPortMap(std::string(text));
    return 0;
}
