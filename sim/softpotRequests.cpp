// Softpot reads and writes (request 0x20: type, sub-command, value) and the
// auto-tune request (0x1F) of the simulated radio.
#include "sim/radioBehaviour.h"

namespace sim {

namespace {

using sbep::Byte;
using sbep::Bytes;

enum subCommand : int {
    SUB_READ = 0,
    SUB_STORE = 1,
    SUB_LIVE = 2,
    SUB_READ_ALL = 3,
    SUB_STORE_ALL = 4,
};

void appendBE(Bytes& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) {
        out.push_back(static_cast<Byte>(value >> (8 * i)));
    }
}

std::uint32_t readBE(std::span<const Byte> bytes) {
    std::uint32_t value = 0;
    for (Byte b : bytes) {
        value = (value << 8) | b;
    }
    return value;
}

Bytes notSupported(int type) {
    const Byte reply[] = {static_cast<Byte>(type)};
    return ackWithReply(sbep::OP_UNSUPPORTED, reply);
}

Bytes value(int type, const Bytes& bytes) {
    Bytes payload{static_cast<Byte>(type)};
    payload.insert(payload.end(), bytes.begin(), bytes.end());
    return ackWithReply(sbep::OP_SOFTPOT_VALUE, payload);
}

Bytes writeDone(int type, int mode) {
    const Byte reply[] = {static_cast<Byte>(type), static_cast<Byte>(mode)};
    return ackWithReply(sbep::OP_SOFTPOT_VALUE, reply);
}

} // namespace

Bytes radioBehaviour::softpot(std::span<const Byte> payload) {
    if (payload.size() < 2) {
        return notSupported(payload.empty() ? 0 : payload[0]);
    }
    const int type = payload[0];
    const int mode = payload[1];
    const softpotTypeInfo* info = findSoftpotType(type);
    if (!info || !state_.radio.supports(type)) {
        return notSupported(type);
    }
    const int bank = bankFor(*info, state_.testModeSet ? &state_.testMode : nullptr);
    // A read carries one padding byte after the sub-command; some reads leave it out.
    switch (mode) {
    case SUB_READ:
        return softpotRead(*info, bank);
    case SUB_READ_ALL:
        return softpotReadAll(*info, bank);
    case SUB_STORE:
    case SUB_LIVE:
        return softpotWrite(*info, bank, mode, payload.subspan(2));
    case SUB_STORE_ALL:
        return softpotWriteAll(*info, bank, payload.subspan(2));
    default:
        return notSupported(type);
    }
}

Bytes radioBehaviour::softpotRead(const softpotTypeInfo& info, int bank) const {
    Bytes bytes;
    if (info.type == TYPE_BATTERY) {
        // A single read of the battery threshold is what the radio measures now.
        bytes.push_back(state_.radio.batteryReading);
    } else if (info.type == TYPE_RSSI) {
        bytes.push_back(state_.radio.rssiCalibration);
    } else {
        const int point = info.side == softpotSide::NONE ? 0 : currentPoint(info.side);
        appendBE(bytes, storedValue(info.type, point, bank), info.valueBytes);
    }
    return value(info.type, bytes);
}

Bytes radioBehaviour::softpotReadAll(const softpotTypeInfo& info, int bank) const {
    Bytes bytes;
    if (info.side != softpotSide::NONE) {
        if (!state_.radio.allPointsRead) {
            return notSupported(info.type);
        }
        for (int point = 1; point <= POINT_COUNT; ++point) {
            appendBE(bytes, storedValue(info.type, point, bank), info.valueBytes);
        }
    } else if (info.type == TYPE_RSSI) {
        for (int i = 1; i <= 3; ++i) {
            bytes.push_back(static_cast<Byte>(storedValue(info.type, i, 0)));
        }
    } else {
        // The whole record of a single-value softpot is its value.
        appendBE(bytes, storedValue(info.type, 0, bank), info.valueBytes);
    }
    return value(info.type, bytes);
}

bool radioBehaviour::accepts(const softpotTypeInfo& info, int point, std::uint32_t v) const {
    if (v > state_.radio.limitFor(info)) {
        return false;
    }
    // Transmit power is refused above the radio's highest power at that point.
    if (info.type == TYPE_TX_POWER && state_.radio.supports(TYPE_TX_POWER_MAX) && point > 0) {
        return v <= storedValue(TYPE_TX_POWER_MAX, point, 0);
    }
    return true;
}

Bytes radioBehaviour::softpotWrite(const softpotTypeInfo& info, int bank, int mode,
                                   std::span<const Byte> bytes) {
    if (bytes.empty() || bytes.size() > 4) {
        return notSupported(info.type);
    }
    const std::uint32_t v = readBE(bytes);
    auto& banks = state_.radio.softpots[info.type];
    if (info.type == TYPE_RSSI) {
        // Storing point p (0..2) makes the radio calibrate that point at the
        // signal it receives now.
        if (v > 2) {
            return notSupported(info.type);
        }
        if (mode == SUB_STORE) {
            banks[0][v] = state_.radio.rssiReading[v];
        }
        return writeDone(info.type, mode);
    }
    const int point = info.side == softpotSide::NONE ? 0 : currentPoint(info.side);
    if (!accepts(info, point, v)) {
        return notSupported(info.type);
    }
    const auto column = static_cast<std::size_t>(point > 0 ? point - 1 : 0);
    if (mode == SUB_STORE) {
        banks[static_cast<std::size_t>(bank)][column] = v;
    } else {
        state_.live[{info.type, bank, point}] = v;
        state_.liveWrites.push_back({info.type, bank, point, v});
    }
    return writeDone(info.type, mode);
}

Bytes radioBehaviour::softpotWriteAll(const softpotTypeInfo& info, int bank, std::span<const Byte> bytes) {
    auto& values = state_.radio.softpots[info.type][static_cast<std::size_t>(bank)];
    if (info.type == TYPE_RSSI) {
        if (bytes.empty() || bytes.size() > 3) {
            return notSupported(info.type);
        }
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            values[i] = bytes[i];
        }
        return writeDone(info.type, SUB_STORE_ALL);
    }
    if (info.side == softpotSide::NONE) {
        if (bytes.empty() || bytes.size() > 4 || !accepts(info, 0, readBE(bytes))) {
            return notSupported(info.type);
        }
        values[0] = readBE(bytes);
        return writeDone(info.type, SUB_STORE_ALL);
    }
    const auto size = static_cast<std::size_t>(info.valueBytes);
    const std::size_t count = bytes.size() / size;
    if (!state_.radio.allPointsWrite || bytes.empty() || bytes.size() % size != 0 || count > POINT_COUNT) {
        return notSupported(info.type);
    }
    // All or nothing: one refused value refuses the whole write.
    for (std::size_t i = 0; i < count; ++i) {
        if (!accepts(info, static_cast<int>(i) + 1, readBE(bytes.subspan(i * size, size)))) {
            return notSupported(info.type);
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        values[i] = readBE(bytes.subspan(i * size, size));
    }
    return writeDone(info.type, SUB_STORE_ALL);
}

Bytes radioBehaviour::autoTune(std::span<const Byte> payload) const {
    if (payload.size() != 1) {
        return notSupported(payload.empty() ? 0 : payload[0]);
    }
    const int type = payload[0];
    const auto tuned = state_.radio.autoTune.find(type);
    if (!state_.radio.supports(type) || tuned == state_.radio.autoTune.end()) {
        return notSupported(type);
    }
    return value(type, Bytes{static_cast<Byte>(tuned->second)});
}

} // namespace sim
