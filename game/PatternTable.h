#pragma once

#include <array>
#include <cstdint>

#include "CellState.h"

namespace wuziqi {

// Threat levels, 0..11: how far a colour has come towards five along one line through a
// point. 11 means a stone there completes five.
using Level = std::int8_t;
inline constexpr Level FiveLevel = 11;

// One row of a pattern table: the window mask (bit 4 - i set for a stone at position i)
// and the level that a live window of that shape gives each of its five points.
struct PatternRow {
    std::uint8_t mask;
    std::array<Level, 5> levels;
};

// The rows for one stone count, in their stored order.
struct PatternTable {
    std::int32_t count;
    std::array<PatternRow, 10> rows;
};

// Tables for one, two, three and four stones (index 0 is one stone).
extern const std::array<PatternTable, 4> PatternTables;

// The level of every point of a dead window, by stone count (0 for counts outside 1..4).
Level DeadLevel(int stoneCount);

// The three-stone rule: whether a window of three stones is dead, from the cell just
// before the window (left), the cells just after it (right, right2) and its first cell.
constexpr bool ThreeIsDead(std::uint8_t left, std::uint8_t right, std::uint8_t right2,
                           std::uint8_t first) {
    if (left == Empty && right == Empty) return false;
    if (left == Empty) return true;
    if (right2 == Empty) return true;
    if (first == Empty && right == Empty) return false;
    return true;
}

}  // namespace wuziqi
