#include "link/EnhancedSBEP.h"

#include "link/LinkErrors.h"
#include "link/SBEPMemoryRequests.h"
#include "link/SBEPRequests.h"
#include "link/SBEPSoftpotRequests.h"

#include <stdexcept>
#include <string>

using namespace sbep;

CommunicationPort& RadioProtocol::boundPort() const {
    if (port_ == nullptr) {
        throw GeneralCommunicationError("no communication port is bound");
    }
    return *port_;
}

template <class Request, class... Args> void EnhancedSBEP::readData(ReplyBuffer& buf, Args&&... args) {
    CommunicationPort& port = boundPort();
    Request request(std::forward<Args>(args)...);
    request.exchangeDataRetry(port, buffer_, buf);
}

template <class Request, class... Args> void EnhancedSBEP::run(Args&&... args) {
    CommunicationPort& port = boundPort();
    Request request(std::forward<Args>(args)...);
    request.exchangeRetry(port, buffer_);
}

void EnhancedSBEP::readPowerUpStatus(ReplyBuffer& buf) {
    readData<SBEPRadioPowerUpRequest>(buf);
}
void EnhancedSBEP::readTempComp(ReplyBuffer& buf) {
    readData<SBEPTempCompRequest>(buf);
}
void EnhancedSBEP::readRSSICalDac(ReplyBuffer& buf) {
    readData<SBEPReadRSSICalDacRequest>(buf, RSSI_CAL_DAC_ONE_VALUE);
}
void EnhancedSBEP::readRSSICalDac2(ReplyBuffer& buf) {
    readData<SBEPReadRSSICalDacRequest>(buf, RSSI_CAL_DAC_THREE_VALUES);
}
void EnhancedSBEP::readRSSI(ReplyBuffer& buf) {
    readData<SBEPReadRSSIRequest>(buf);
}
void EnhancedSBEP::readBBO(ReplyBuffer& buf, int k, int g) {
    readData<SBEPReadBBORequest>(buf, k, g);
}
void EnhancedSBEP::writeBBO(int a, int b, int c) {
    run<SBEPWriteBBORequest>(a, b, c);
}
void EnhancedSBEP::readTuneData(ReplyBuffer& buf) {
    readData<SBEPReadTuneRequest>(buf);
}
void EnhancedSBEP::readSerialNumber(ReplyBuffer& buf) {
    readData<SBEPRadioSerialNoRequest>(buf);
}
void EnhancedSBEP::readModelNumber(ReplyBuffer& buf) {
    readData<SBEPRadioModelNoRequest>(buf);
}
void EnhancedSBEP::readUUID(ReplyBuffer& buf) {
    readData<SBEPRadioUUIDRequest>(buf);
}
void EnhancedSBEP::readRegionalID(ReplyBuffer& buf) {
    readData<SBEPRadioRegionalIDRequest>(buf);
}
void EnhancedSBEP::readICVersion(ReplyBuffer& buf) {
    readData<SBEPRadioICVersionRequest>(buf);
}
void EnhancedSBEP::writeSerialNumber(std::string_view serialNumber) {
    run<SBEPWriteSerialNoRequest>(serialNumber);
}

void EnhancedSBEP::keyUp() {
    run<SBEPKeyUpRequest>();
}
void EnhancedSBEP::dekey() {
    run<SBEPDekeyRequest>();
}
void EnhancedSBEP::resetRadio() {
    run<SBEPResetRequest>();
}

void EnhancedSBEP::checkTransferLength(int length) const {
    if (length < 1 || length > MAX_MEMORY_TRANSFER || length >= chunkSize_) {
        throw std::invalid_argument("memory transfer of " + std::to_string(length) + " bytes (1.." +
                                    std::to_string(MAX_MEMORY_TRANSFER) + " in one request)");
    }
}

void EnhancedSBEP::readMemory(ReplyBuffer& dest, std::uint32_t address, int length) {
    CommunicationPort& port = boundPort();
    checkTransferLength(length);
    SBEPReadRequest request(std::span<Byte>(dest), address, length);
    request.exchangeDataRetry(port, buffer_, dest);
}

void EnhancedSBEP::writeMemory(std::span<const Byte> source, std::uint32_t address) {
    CommunicationPort& port = boundPort();
    checkTransferLength(static_cast<int>(source.size()));
    SBEPWriteRequest write(source, address);
    write.exchangeRetry(port, buffer_);
    if (!write.isPending()) {
        return;
    }
    // The radio is still busy with an earlier write: ask with empty writes
    // until its reply no longer refers to this one.
    for (int polls = 0; polls < MAX_PENDING_POLLS; ++polls) {
        SBEPWriteRequest poll(std::span<const Byte>{}, 0, &write);
        poll.exchangeRetry(port, buffer_);
        if (!poll.isPending()) {
            return;
        }
    }
    throw BadWrite(address);
}

void EnhancedSBEP::writeSoftpot(int type, int mode, std::uint32_t value, int size) {
    run<SBEPSoftpotWriteRequest>(type, mode, value, size);
}

void EnhancedSBEP::writeSoftpotBytes(int type, int mode, std::span<const Byte> bytes) {
    run<SBEPSoftpotWriteRequest>(type, mode, bytes);
}

void EnhancedSBEP::writeSoftpotChecked(SupportRecorder& storage, int type, int mode, std::uint32_t value,
                                       int size) {
    CommunicationPort& port = boundPort();
    SBEPSoftpotWriteRequest request(type, mode, value, size);
    request.exchangeCheckedRetry(port, buffer_, storage, FLAG_RECORD_LAST_WRITE);
}

void EnhancedSBEP::writeSoftpotBytesChecked(SupportRecorder& storage, int type, int mode,
                                            std::span<const Byte> bytes) {
    CommunicationPort& port = boundPort();
    SBEPSoftpotWriteRequest request(type, mode, bytes);
    request.exchangeCheckedRetry(port, buffer_, storage, FLAG_RECORD_BULK_WRITE);
}

void EnhancedSBEP::readSoftpotChecked(int type, std::uint32_t& value, SupportRecorder& storage, int flag) {
    CommunicationPort& port = boundPort();
    SBEPSoftpotReadRequest request(type);
    request.exchangeCheckedRetry(port, buffer_, storage, flag);
    if (request.valueSize() > 0) {
        value = request.value();
    }
}

void EnhancedSBEP::readSoftpotAllPoints(int type, std::uint32_t& value, SupportRecorder& storage, int flag) {
    CommunicationPort& port = boundPort();
    SBEPSoftpotReadRequest request(type, SOFTPOT_READ_ALL);
    request.exchangeAllPointsRetry(port, buffer_, storage, flag);
    if (request.valueSize() > 0) {
        value = request.value();
    }
}

void EnhancedSBEP::autoTune(int type, std::uint32_t& value, SupportRecorder& storage, int flag) {
    CommunicationPort& port = boundPort();
    SBEPAutoTuneRequest request(type);
    request.exchangeCheckedRetry(port, buffer_, storage, flag);
    if (request.valueSize() > 0) {
        value = request.value();
    }
}

void EnhancedSBEP::setChannel(int frequency, int mode) {
    run<SBEPChannelRequest>(frequency, mode);
}

void EnhancedSBEP::setChannelPair(int frequency1, int mode1, int frequency2, int mode2) {
    run<SBEPChannelRequest>(frequency1, mode1, frequency2, mode2);
}

void EnhancedSBEP::setTestMode(int a, int b, int c) {
    run<SBEPTestModeRequest>(a, b, c);
}
