#include "link/CommunicationInterface.h"

#include "link/LinkErrors.h"
#include "link/SerialTrace.h"
#include "link/TickTimer.h"

#include <cmath>
#include <string>

double bitsPerCharacter(int byteSize, int parity, int stopBits) {
    const int halfStopBits = stopBits == 2 ? 4 : stopBits == 1 ? 3 : 2;
    const int parityBits = parity != 0 ? 1 : 0;
    return ((byteSize + parityBits + 1) * 2 + halfStopBits) / 2.0;
}

int CommunicationInterface::waitForBytes(int count, int maxIdle) {
    TickTimer timer;
    timer.start(characterTime());
    const auto interval = timer.interval();
    int seen = 0;
    int idle = 0;
    bool waited = false;
    while (seen < count) {
        idle = 0;
        int available = bytesAvailable();
        const auto silenceStart = Clock::now();
        const auto deadline = silenceStart + interval * maxIdle;
        while (available == seen) {
            if (idle >= maxIdle) {
                SerialTrace::note("time-out: " + std::to_string(available) + " of " + std::to_string(count) +
                                  " bytes after " + std::to_string(maxIdle) + " idle character times");
                throw TimeoutOnReceive("no byte within " + std::to_string(maxIdle) + " character times (" +
                                       std::to_string(available) + " of " + std::to_string(count) +
                                       " arrived)");
            }
            awaitInput(seen, deadline);
            waited = true;
            available = bytesAvailable();
            const auto now = Clock::now();
            // Counted the way a poll per interval would count: the interval in
            // which the byte arrived is a whole idle interval.
            idle = now >= deadline
                       ? maxIdle
                       : static_cast<int>(std::ceil(std::chrono::duration<double>(now - silenceStart) /
                                                    std::chrono::duration<double>(interval)));
        }
        seen = available;
    }
    // One interval more lets a character that is arriving right now land.
    // When every byte was already waiting at the first look nothing is on
    // its way, and an exchange, which looks four times, saves four intervals.
    if (waited || count <= 0) {
        timer.start(characterTime());
        timer.wait(1);
    }
    return idle;
}

CommunicationInterface::Byte CommunicationInterface::readByte(int maxIdle) {
    waitForByte(maxIdle);
    Byte byte = 0;
    if (read(std::span<Byte>(&byte, 1)) != 1) {
        throw GeneralCommunicationError("a waiting byte could not be read");
    }
    return byte;
}

void CommunicationInterface::readBytes(std::span<Byte> dest, int maxIdle) {
    if (dest.empty()) {
        return;
    }
    waitForBytes(static_cast<int>(dest.size()), maxIdle);
    if (read(dest) != static_cast<int>(dest.size())) {
        throw GeneralCommunicationError("waiting bytes could not be read");
    }
}

int CommunicationInterface::readWord(int maxIdle) {
    Byte word[2] = {};
    readBytes(word, maxIdle);
    return (word[0] << 8) | word[1];
}
