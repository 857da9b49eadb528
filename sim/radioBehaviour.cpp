#include "sim/radioBehaviour.h"

#include <algorithm>
#include <cstdlib>

namespace sim {

namespace {

using sbep::Byte;
using sbep::Bytes;

// BBO items in the order of their slots within a group.
constexpr int BBO_ITEMS[] = {5, 0, 2, 10, 8};
constexpr int BBO_WRITE_GROUP_BASE = 128; // writes address groups 129..131

std::span<const Byte> payloadOf(std::span<const Byte> frame) {
    const std::size_t header = sbep::frameHeaderSize(frame);
    const std::size_t length = sbep::framePayloadLength(frame);
    if (header + length > frame.size()) {
        return {};
    }
    return frame.subspan(header, length);
}

void appendBE(Bytes& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) {
        out.push_back(static_cast<Byte>(value >> (8 * i)));
    }
}

// The present point whose code is nearest to `code` (the same code when
// there is one): a radio set between its tuning points works with the
// nearest one. 0 when the side has no present point.
int nearestPoint(const std::array<std::uint16_t, POINT_COUNT>& codes, int code) {
    int best = 0;
    int bestDistance = 0;
    for (int i = 0; i < POINT_COUNT; ++i) {
        if (codes[static_cast<std::size_t>(i)] == 0) {
            continue;
        }
        const int distance = std::abs(codes[static_cast<std::size_t>(i)] - code);
        if (best == 0 || distance < bestDistance) {
            best = i + 1;
            bestDistance = distance;
        }
    }
    return best;
}

int firstPresent(const std::array<std::uint16_t, POINT_COUNT>& codes) {
    for (int i = 0; i < POINT_COUNT; ++i) {
        if (codes[static_cast<std::size_t>(i)] != 0) {
            return i + 1;
        }
    }
    return 1;
}

} // namespace

Bytes ackWithReply(int opcode, std::span<const Byte> payload) {
    Bytes burst{sbep::ACK_BYTE};
    const Bytes frame = sbep::buildFrame(opcode, payload);
    burst.insert(burst.end(), frame.begin(), frame.end());
    return burst;
}

radioBehaviour::radioBehaviour(radioProfile profile) {
    state_.radio = std::move(profile);
}

Bytes radioBehaviour::unsupportedAnswer(std::span<const Byte> frame) {
    const auto payload = payloadOf(frame);
    const Byte echoed = payload.empty() ? static_cast<Byte>(sbep::frameOpcode(frame)) : payload[0];
    const Byte reply[] = {echoed};
    return ackWithReply(sbep::OP_UNSUPPORTED, reply);
}

Bytes radioBehaviour::answer(std::span<const Byte> frame) {
    const int opcode = sbep::frameOpcode(frame);
    const auto payload = payloadOf(frame);
    if (state_.radio.unsupportedRequests.count(opcode)) {
        return unsupportedAnswer(frame);
    }
    auto done = [&] {
        const Byte reply[] = {static_cast<Byte>(opcode), payload.empty() ? Byte{0} : payload[0]};
        return ackWithReply(REPLY_DONE, reply);
    };
    switch (opcode) {
    case REQ_RESET:
        if (!payload.empty()) {
            break;
        }
        reset();
        return Bytes{sbep::ACK_BYTE};
    case REQ_RADIO_INFO:
        return radioInfo(payload);
    case REQ_TUNE_DATA:
        if (payload.size() != 1) {
            break;
        }
        return tuneData();
    case REQ_KEY:
        if (payload.size() != 1 || payload[0] > 1) {
            break;
        }
        state_.keyed = payload[0] == 1;
        state_.keyUps += state_.keyed ? 1 : 0;
        return done();
    case REQ_TEST_MODE:
        if (payload.size() != 3) {
            break;
        }
        state_.testModeSet = true;
        state_.testMode = {payload[0], payload[1], payload[2]};
        return done();
    case REQ_CHANNEL:
        return channel(payload);
    case REQ_SOFTPOT:
        return softpot(payload);
    case REQ_AUTO_TUNE:
        return autoTune(payload);
    case REQ_READ_MEMORY:
        return memoryRead(payload);
    case REQ_WRITE_MEMORY:
        return memoryWrite(payload);
    case REQ_WRITE_SERIAL:
        return serialWrite(payload);
    case REQ_BBO:
        return bbo(payload);
    default:
        break;
    }
    return unsupportedAnswer(frame);
}

void radioBehaviour::reset() {
    ++state_.resets;
    state_.keyed = false;
    state_.testModeSet = false;
    state_.testMode = {};
    state_.txCode = state_.rxCode = -1;
    state_.txPoint = state_.rxPoint = 0;
    state_.live.clear();
}

Bytes radioBehaviour::radioInfo(std::span<const Byte> payload) {
    auto none = [&] { return unsupportedAnswer(sbep::buildFrame(REQ_RADIO_INFO, payload)); };
    if (payload.size() != 1) {
        return none();
    }
    const radioProfile& r = state_.radio;
    Bytes reply{payload[0]};
    switch (payload[0]) {
    case INFO_MODEL:
        reply.insert(reply.end(), r.model.begin(), r.model.end());
        break;
    case INFO_SERIAL:
        reply.insert(reply.end(), r.serial.begin(), r.serial.end());
        break;
    case INFO_POWER_UP:
        reply.push_back(r.powerUpStatus);
        break;
    case INFO_IC_VERSION:
        reply.insert(reply.end(), r.icVersion.begin(), r.icVersion.end());
        break;
    case INFO_UUID:
        reply.insert(reply.end(), r.uuid.begin(), r.uuid.end());
        break;
    case INFO_REGIONAL_ID:
        reply.push_back(r.regionalId);
        break;
    default:
        return none();
    }
    return ackWithReply(REPLY_RADIO_INFO, reply);
}

// Payload laid out so that, counted from the reply's header byte (16-bit
// length form), the base is at 4, the spacing mask at 6, the transmit points
// at 8..21, the receive points at 24..37, the DAC defaults at 40 and 41, the
// radio type at 42 and the battery default at 43.
Bytes radioBehaviour::tuneData() const {
    const radioProfile& r = state_.radio;
    Bytes p;
    appendBE(p, r.frequencyBase, 2);
    p.push_back(r.spacingMask);
    p.push_back(0);
    for (auto code : r.txPoints) {
        appendBE(p, code, 2);
    }
    p.insert(p.end(), 2, 0);
    for (auto code : r.rxPoints) {
        appendBE(p, code, 2);
    }
    p.insert(p.end(), 2, 0);
    p.push_back(r.dacDefaults[0]);
    p.push_back(r.dacDefaults[1]);
    p.push_back(r.radioType);
    p.push_back(r.batteryDefault);
    return ackWithReply(REPLY_TUNE_DATA, p);
}

Bytes radioBehaviour::channel(std::span<const Byte> payload) {
    const bool single = payload.size() == 3;
    const bool pair = payload.size() == 5;
    if ((!single && !pair) || payload[0] != 0) {
        return unsupportedAnswer(sbep::buildFrame(REQ_CHANNEL, payload));
    }
    const int first = (payload[1] << 8) | payload[2];
    const int second = pair ? (payload[3] << 8) | payload[4] : first;
    state_.txCode = first;
    state_.rxCode = second;
    state_.txPoint = nearestPoint(state_.radio.txPoints, first);
    state_.rxPoint = nearestPoint(state_.radio.rxPoints, second);
    const Byte reply[] = {static_cast<Byte>(REQ_CHANNEL), 0};
    return ackWithReply(REPLY_DONE, reply);
}

Bytes radioBehaviour::memoryRead(std::span<const Byte> payload) const {
    if (payload.size() != 4) {
        return unsupportedAnswer(sbep::buildFrame(REQ_READ_MEMORY, payload));
    }
    const std::size_t count = payload[0];
    const std::size_t address = (std::size_t{payload[1]} << 16) | (std::size_t{payload[2]} << 8) | payload[3];
    if (address + count > MEMORY_SIZE) {
        return unsupportedAnswer(sbep::buildFrame(REQ_READ_MEMORY, payload));
    }
    Bytes reply(payload.begin() + 1, payload.end());
    const auto& memory = state_.radio.memory;
    reply.insert(reply.end(), memory.begin() + static_cast<std::ptrdiff_t>(address),
                 memory.begin() + static_cast<std::ptrdiff_t>(address + count));
    return ackWithReply(sbep::OP_MEMORY_DATA, reply);
}

Bytes radioBehaviour::memoryWrite(std::span<const Byte> payload) {
    if (payload.size() < 3) {
        return unsupportedAnswer(sbep::buildFrame(REQ_WRITE_MEMORY, payload));
    }
    const std::size_t address = (std::size_t{payload[0]} << 16) | (std::size_t{payload[1]} << 8) | payload[2];
    const auto data = payload.subspan(3);
    const auto addressBytes = payload.first(3);
    if (address + data.size() > MEMORY_SIZE) {
        return ackWithReply(sbep::OP_WRITE_FAILED, addressBytes);
    }
    std::copy(data.begin(), data.end(), state_.radio.memory.begin() + static_cast<std::ptrdiff_t>(address));
    return ackWithReply(sbep::OP_WRITE_DONE, addressBytes);
}

// A radio takes a new serial number only while it has none (ten blanks).
Bytes radioBehaviour::serialWrite(std::span<const Byte> payload) {
    if (payload.size() != 11 || payload[0] != 0 || state_.radio.serial != std::string(10, ' ')) {
        return unsupportedAnswer(sbep::buildFrame(REQ_WRITE_SERIAL, payload));
    }
    state_.radio.serial.assign(payload.begin() + 1, payload.end());
    const Byte reply[] = {static_cast<Byte>(REQ_WRITE_SERIAL), 0};
    return ackWithReply(REPLY_DONE, reply);
}

// Read: item, group 1..3. Write: item, group 129..131, value.
Bytes radioBehaviour::bbo(std::span<const Byte> payload) {
    auto none = [&] { return unsupportedAnswer(sbep::buildFrame(REQ_BBO, payload)); };
    if (payload.size() != 2 && payload.size() != 3) {
        return none();
    }
    const bool write = payload.size() == 3;
    const int group = payload[1] - (write ? BBO_WRITE_GROUP_BASE : 0);
    const auto* item = std::find(std::begin(BBO_ITEMS), std::end(BBO_ITEMS), payload[0]);
    if (group < 1 || group > 3 || item == std::end(BBO_ITEMS)) {
        return none();
    }
    const auto slot = static_cast<std::size_t>((group - 1) * 5 + (item - std::begin(BBO_ITEMS)));
    if (write) {
        state_.radio.bbo[slot] = payload[2];
    }
    const Byte reply[] = {payload[0], state_.radio.bbo[slot]};
    return ackWithReply(REPLY_BBO, reply);
}

int radioBehaviour::currentPoint(softpotSide side) const {
    const bool tx = side == softpotSide::TX;
    const int selected = tx ? state_.txPoint : state_.rxPoint;
    if (selected != 0) {
        return selected;
    }
    return firstPresent(tx ? state_.radio.txPoints : state_.radio.rxPoints);
}

std::uint32_t radioBehaviour::storedValue(int type, int point, int bank) const {
    const auto it = state_.radio.softpots.find(type);
    if (it == state_.radio.softpots.end() || bank < 0 || bank >= MAX_BANKS) {
        return 0;
    }
    const int column = point > 0 ? point - 1 : 0;
    if (column >= POINT_COUNT) {
        return 0;
    }
    return it->second[static_cast<std::size_t>(bank)][static_cast<std::size_t>(column)];
}

} // namespace sim
