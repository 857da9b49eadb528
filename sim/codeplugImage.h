// Codeplug blocks for the simulated radio's memory: built from their entries
// with every check byte set, and checked the way a radio checks them. A check
// byte makes the byte sum of the range it covers 0 (mod 256):
//   entry check   the entry's W bytes;
//   record check  the record's bytes (with its count byte when records have
//                 variable length) and the entry check bytes inside it;
//   block check   every byte of the block before it.
#pragma once

#include "link/SBEPFrame.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

struct radioProfile;

struct codeplugBlockSpec {
    using entry = std::vector<std::uint8_t>; // W bytes
    using record = std::vector<entry>;

    bool extended = false;
    bool entryCheck = false;
    bool recordCheck = false; // extended header only
    bool blockCheck = false;
    bool headerBit1 = false;
    int entrySize = 0; // W; every entry must have W bytes
    // Extended header: 0 = records of variable length (each with its own
    // entry count byte), otherwise the record size R, which must be at least
    // what the record's entries take (the rest is filled with 0).
    int recordSize = 0;
    // A simple block has exactly one record: its entries.
    std::vector<record> records;
};

// std::invalid_argument when the description does not fit the header fields
// (more than 255 entries, an entry of another size, ...).
sbep::Bytes buildCodeplugBlock(const codeplugBlockSpec& layout);

// Empty when every check byte of the block at `bytes` holds; otherwise the
// first broken one, in words. The header is read from the bytes themselves.
std::string codeplugCheckFault(const std::vector<std::uint8_t>& memory, std::size_t address);

// Places a built block in the profile's memory.
void placeCodeplugBlock(radioProfile& profile, std::size_t address, const sbep::Bytes& block);

} // namespace sim
