// SBEP frame layout: header nibbles (opcode, length), optional opcode byte,
// optional 16-bit length, payload, checksum. All multi-byte numbers big-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace sbep {

using Byte = std::uint8_t;
using Bytes = std::vector<Byte>;

// Reply opcodes the exchange layer knows.
enum ReplyOpcode : Byte {
    OP_ACK = 0x05,
    OP_NAK = 0x06,
    OP_MEMORY_DATA = 0x80,
    OP_WRITE_DONE = 0x84,
    OP_WRITE_FAILED = 0x85,
    OP_UNSUPPORTED = 0x86,
    OP_SOFTPOT_VALUE = 0x8A,
};

constexpr Byte ACK_BYTE = 0x50;

// Writes the header fields for `opcode` with `payloadLength` payload bytes into
// `out` (at least 4 bytes); returns the header size.
std::size_t writeHeader(std::span<Byte> out, int opcode, std::size_t payloadLength);

// Builds the complete frame (header, payload, checksum) and returns it.
Bytes buildFrame(int opcode, std::span<const Byte> payload);

// Bitwise NOT of the 8-bit sum of `bytes`.
Byte frameChecksum(std::span<const Byte> bytes);

// The parsers below look only at the bytes they are given: a frame too short
// for the fields its header announces yields 0 / false instead of a read past
// the end.
int frameOpcode(std::span<const Byte> frame);
std::size_t framePayloadLength(std::span<const Byte> frame);
std::size_t frameHeaderSize(std::span<const Byte> frame);
std::size_t frameLength(std::span<const Byte> frame);
bool frameValid(std::span<const Byte> frame);
// The payload bytes the header announces, cut to the bytes present.
std::span<const Byte> framePayload(std::span<const Byte> frame);

} // namespace sbep
