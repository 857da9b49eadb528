// The simulated radio's end of the programming line: a pseudo-terminal
// master. The slave side is the device the PC opens. The radio keeps one
// slave descriptor of its own open in raw mode so that the line survives the
// PC opening and closing the port for every exchange (the master would
// otherwise report a hang-up each time the last slave closes).
#pragma once

#include <string>

namespace sim {

class ptyLine {
public:
    // Throws std::system_error when no pseudo-terminal can be had.
    ptyLine();
    ~ptyLine();
    ptyLine(const ptyLine&) = delete;
    ptyLine& operator=(const ptyLine&) = delete;

    int master() const { return master_; }
    const std::string& slavePath() const { return slavePath_; }
    bool isOpen() const { return master_ >= 0; }

    // The cable is pulled: both ends close and the device disappears.
    void close();

private:
    int master_ = -1;
    int slaveHold_ = -1;
    std::string slavePath_;
};

} // namespace sim
