#include "model/softpotPoints.h"

#include "model/RF_Frequency.h"
#include "model/softpotBase.h"

#include <vector>

int pointCode(const radioStorage& storage, pointSide side, int point) {
    return side == pointSide::TRANSMIT ? RF_Frequency::txCode(storage, point)
                                       : RF_Frequency::rxCode(storage, point);
}

pointChannel channelForPoint(const radioStorage& storage, pointSide side, int point) {
    RF_Frequency frequency;
    if (side == pointSide::TRANSMIT)
        return {RF_Frequency::txCode(storage, point), frequency.pointCode(storage, true, false, point)};
    return {frequency.pointCode(storage, false, true, point), RF_Frequency::rxCode(storage, point)};
}

void selectPointChannel(EnhancedSBEP& protocol, const radioStorage& storage, pointSide side, int point) {
    const pointChannel channel = channelForPoint(storage, side, point);
    softpotBase::setChannelPair(protocol, channel.txCode, channel.rxCode);
}

std::uint32_t pointValue(const radioStorage& storage, const pointGroup& group, int point) {
    const int column = group.column(point);
    if (group.valueSize == 2) {
        const auto high = static_cast<std::uint32_t>(storage.getSoftpot(group.row, column)) & 0xFF;
        const auto low = static_cast<std::uint32_t>(storage.getSoftpot(group.row, column + 1)) & 0xFF;
        return high * 256 + low;
    }
    return static_cast<std::uint32_t>(storage.getSoftpot(group.row, column)) & 0xFF;
}

void storePointValue(radioStorage& storage, const pointGroup& group, int point, std::uint32_t value) {
    const int column = group.column(point);
    if (group.valueSize == 2) {
        storage.setSoftpot(group.row, static_cast<int>((value >> 8) & 0xFF), column);
        storage.setSoftpot(group.row, static_cast<int>(value & 0xFF), column + 1);
    } else {
        storage.setSoftpot(group.row, static_cast<int>(value), column);
    }
}

namespace {

bool readAllPoints(const pointGroup& group, radioStorage& storage, EnhancedSBEP& protocol) {
    std::uint32_t unused = 0;
    protocol.readSoftpotAllPoints(group.type, unused, storage, FLAG_BULK_READ);
    if (!storage.isSupported(FLAG_BULK_READ))
        return false;
    for (int cell = 0; cell < group.cellCount(); ++cell)
        storage.setSoftpot(group.row, protocol.bulkPointValue(cell + 1), group.firstColumn + cell);
    storage.setSupported(group.flag);
    return true;
}

} // namespace

void readPointGroup(const pointGroup& group, radioStorage& storage, EnhancedSBEP& protocol) {
    if (readAllPoints(group, storage, protocol))
        return;
    bool firstAsked = true;
    for (int point = 1; point <= POINT_COUNT; ++point) {
        if (pointCode(storage, group.side, point) == 0)
            continue;
        selectPointChannel(protocol, storage, group.side, point);
        std::uint32_t value = 0;
        protocol.readSoftpotChecked(group.type, value, storage, group.flag);
        // A refused point leaves its cell as it was rather than storing a
        // value the radio never sent.
        const bool answered = storage.isSupported(group.flag);
        if (answered)
            storePointValue(storage, group, point, value);
        if (group.gating == pointGating::FIRST_POINT && firstAsked && !answered)
            return;
        firstAsked = false;
    }
}

void programPointGroup(const pointGroup& group, radioStorage& storage, EnhancedSBEP& protocol,
                       bool allPointsAllowed) {
    if (allPointsAllowed) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(group.cellCount()));
        for (int cell = 0; cell < group.cellCount(); ++cell)
            bytes[static_cast<std::size_t>(cell)] =
                static_cast<std::uint8_t>(storage.getSoftpot(group.row, group.firstColumn + cell));
        protocol.writeSoftpotBytesChecked(storage, group.type, WRITE_STORE_ALL, bytes);
    } else {
        storage.clearSupported(FLAG_BULK_WRITE);
    }
    if (storage.isSupported(FLAG_BULK_WRITE))
        return;
    for (int point = 1; point <= POINT_COUNT; ++point) {
        if (pointCode(storage, group.side, point) == 0)
            continue;
        selectPointChannel(protocol, storage, group.side, point);
        softpotBase::programWrite(pointValue(storage, group, point), group.type, protocol, group.valueSize);
    }
}
