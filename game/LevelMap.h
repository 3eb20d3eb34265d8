#pragma once

#include <cstdint>
#include <cstring>

#include "CellState.h"
#include "PatternTable.h"

namespace wuziqi {

// The threat map: a Level per colour (2, 3), inner point (1..15, 1..15) and direction.
// The four direction values of one point and colour lie together, so they can be tested
// for all-zero as one 32-bit group. A plain array: copying it is one memcpy of 1800 bytes.
struct LevelMap {
    Level values[2][BoardSize][BoardSize][DirectionCount];

    Level& At(int colour, int x, int y, int direction) {
        return values[colour - Black][x - 1][y - 1][direction];
    }
    Level At(int colour, int x, int y, int direction) const {
        return values[colour - Black][x - 1][y - 1][direction];
    }

    // The four direction levels of one point and colour.
    Level* Four(int colour, int x, int y) { return values[colour - Black][x - 1][y - 1]; }

    // The four direction levels of one point and colour, read as one group.
    std::uint32_t Group(int colour, int x, int y) const {
        std::uint32_t group;
        std::memcpy(&group, values[colour - Black][x - 1][y - 1], sizeof group);
        return group;
    }

    void Clear() { std::memset(values, 0, sizeof values); }

    friend bool operator==(const LevelMap& a, const LevelMap& b) {
        return std::memcmp(a.values, b.values, sizeof a.values) == 0;
    }
};

static_assert(sizeof(LevelMap) == 1800);

}  // namespace wuziqi
