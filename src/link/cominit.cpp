#include "link/cominit.h"

#include "link/ComIni.h"

#include <atomic>

namespace {
std::atomic<int> lastGood{0};
}

RF_CommunicationSetup::RF_CommunicationSetup() {
    const int configured = readComIni();
    if (configured != -1) {
        lastGood.store(configured);
        portNumber = configured;
    } else {
        // com.ini deleted while running: keep talking on the port in use.
        portNumber = lastGood.load();
    }
}

int RF_CommunicationSetup::lastGoodPort() {
    return lastGood.load();
}

void RF_CommunicationSetup::setLastGoodPort(int portNumber) {
    lastGood.store(portNumber);
}

cominit::cominit()
    : port_(std::make_unique<Win32CommunicationPort>(setup_.portNumber, setup_.baudRate, setup_.parity,
                                                     setup_.dataBits, setup_.stopBits, 0)) {
    sbep_.setChunkSize(CHUNK_SIZE);
    sbep_.setPort(port_.get());
}

cominit::~cominit() {
    sbep_.setPort(nullptr);
}
