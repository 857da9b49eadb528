// The seven-point softpots: one value per frequency point F1..F7, kept in
// consecutive cells of one row of the radio image. Every multi-point data
// class describes its softpots as pointGroup rows, and the one reader and
// the one writer below run them.
#pragma once

#include "link/EnhancedSBEP.h"
#include "model/radioStorage.h"

enum class pointSide { TRANSMIT, RECEIVE };

// Point-by-point reads of some procedures end early: a radio that refuses
// the first point has none of the others either, and asking for each of
// them costs an exchange of its own.
enum class pointGating {
    NONE,        // every used point is asked for
    FIRST_POINT, // stop after the first point asked for when the radio refused it
};

struct pointGroup {
    int type;        // softpot type
    int flag;        // support flag the procedure records
    int row;         // SoftpotRow
    int firstColumn; // cell of F1
    pointSide side;  // whose frequency points the values belong to
    pointGating gating;
    // 2: each point is a 16-bit value kept as its high and low byte in two
    // neighbouring cells (the mobile K and M pairs), 1 otherwise.
    int valueSize = 1;

    int column(int point) const { return firstColumn + (point - 1) * valueSize; }
    int cellCount() const { return 7 * valueSize; }
};

constexpr int POINT_COUNT = 7;

// Code of point n (1..7) on one side, 0 when the radio does not use it.
int pointCode(const radioStorage& storage, pointSide side, int point);

// The codes the channel request for point n carries: the point's own code on
// `side`, and on the other side the code of the same point, or of that
// side's first used point when the radio does not use it there.
struct pointChannel {
    int txCode;
    int rxCode;
};
pointChannel channelForPoint(const radioStorage& storage, pointSide side, int point);
void selectPointChannel(EnhancedSBEP& protocol, const radioStorage& storage, pointSide side, int point);

// The value of point n as the image holds it (K * 256 + M for pairs).
std::uint32_t pointValue(const radioStorage& storage, const pointGroup& group, int point);
void storePointValue(radioStorage& storage, const pointGroup& group, int point, std::uint32_t value);

// Reads the group into the image: one all-points request when the radio
// answers it (every cell is filled, also those of unused points, and the
// procedure's flag is set), otherwise one channel selection and one read per
// used point. A point the radio refuses keeps its cell and clears the flag.
void readPointGroup(const pointGroup& group, radioStorage& storage, EnhancedSBEP& protocol);

// Stores the group's cells in the radio: all points at once when
// `allPointsAllowed` and the radio accepts it (recorded in FLAG_BULK_WRITE),
// otherwise one channel selection and one store per used point. The caller
// has put the radio into the procedure's test mode.
void programPointGroup(const pointGroup& group, radioStorage& storage, EnhancedSBEP& protocol,
                       bool allPointsAllowed = true);
