// Errors of the radio link. Every class carries the 32-bit code the screens
// and the support staff know; what() adds a readable text for logs and the CLI.
//
//   Exception
//   ├── CommunicationError            (line errors 6000..6014)
//   │   └── RadioProtocolError        (protocol errors 6200..6206)
//   └── CommError                     ("comm error": reply length mismatch)
//
// CommError is deliberately not a CommunicationError: the retrying exchanges
// never repeat it. Every handler that reports a communication failure must
// therefore catch CommError (or Exception) as well as CommunicationError.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

class Exception : public std::exception {
public:
    Exception(std::uint32_t code, std::string text) : code_(code), text_(std::move(text)) {}
    std::uint32_t code() const noexcept { return code_; }
    const char* what() const noexcept override { return text_.c_str(); }

private:
    std::uint32_t code_;
    std::string text_;
};

class CommunicationError : public Exception {
protected:
    using Exception::Exception;
};

// Line errors. `detail` only enriches what(); the code identifies the error.
#define VELTRA_LINK_ERROR(Name, Base, Code)                                                                  \
    class Name : public Base {                                                                               \
    public:                                                                                                  \
        static constexpr std::uint32_t CODE = Code;                                                          \
        explicit Name(const std::string& detail = {}) : Base(CODE, linkErrorText(#Name, CODE, detail)) {}    \
    }

std::string linkErrorText(const char* name, std::uint32_t code, const std::string& detail);

VELTRA_LINK_ERROR(GeneralCommunicationError, CommunicationError, 6000);
VELTRA_LINK_ERROR(BaudRateSettingError, CommunicationError, 6001);
VELTRA_LINK_ERROR(CharacterSizeSettingError, CommunicationError, 6003);
VELTRA_LINK_ERROR(BreakDetected, CommunicationError, 6006);
VELTRA_LINK_ERROR(FramingError, CommunicationError, 6007);
VELTRA_LINK_ERROR(OverrunError, CommunicationError, 6008);
VELTRA_LINK_ERROR(ParityError, CommunicationError, 6009);
VELTRA_LINK_ERROR(InputBufferFull, CommunicationError, 6010);
VELTRA_LINK_ERROR(OutputBufferFull, CommunicationError, 6011);
VELTRA_LINK_ERROR(DataCollision, CommunicationError, 6013);
VELTRA_LINK_ERROR(TimeoutOnReceive, CommunicationError, 6014);

// The port cannot be opened: held by another program, missing, or not
// accessible. Keeps the operating system's reason so that it can be shown.
class PortInUseError : public CommunicationError {
public:
    static constexpr std::uint32_t CODE = 6005;
    PortInUseError(int portNumber, std::string device, int systemError, std::string reason);
    int portNumber() const noexcept { return portNumber_; }
    const std::string& device() const noexcept { return device_; }
    int systemError() const noexcept { return systemError_; } // errno, 0 when none applies
    const std::string& reason() const noexcept { return reason_; }

private:
    int portNumber_;
    std::string device_;
    int systemError_;
    std::string reason_;
};

class RadioProtocolError : public CommunicationError {
protected:
    using CommunicationError::CommunicationError;
};

VELTRA_LINK_ERROR(UnsupportedMessage, RadioProtocolError, 6202);
VELTRA_LINK_ERROR(MessageNotAcknowledged, RadioProtocolError, 6203);
VELTRA_LINK_ERROR(BadReply, RadioProtocolError, 6205);

#undef VELTRA_LINK_ERROR

// A memory write the radio reported as failed, with the address it named.
class BadWrite : public RadioProtocolError {
public:
    static constexpr std::uint32_t CODE = 6206;
    explicit BadWrite(std::uint32_t address);
    std::uint32_t address() const noexcept { return address_; }

private:
    std::uint32_t address_;
};

// A data reply whose length differs from the length it announces.
class CommError : public Exception {
public:
    static constexpr std::uint32_t CODE = 0;
    CommError() : Exception(CODE, "comm error") {}
};

// Line error word as the driver reports it: 0 for none, -12 or -11 for a
// rejected baud rate or character size, otherwise LINE_* flags.
enum LineErrorFlag : std::uint32_t {
    LINE_RXOVER = 0x01,
    LINE_OVERRUN = 0x02,
    LINE_RXPARITY = 0x04,
    LINE_FRAME = 0x08,
    LINE_BREAK = 0x10,
    LINE_TXFULL = 0x100,
};

// Raises the error for `errorWord` (the first flag set in the order break,
// frame, overrun, parity, input overflow, output full); 0 raises nothing.
void raiseLineError(int errorWord, const std::string& detail = {});
