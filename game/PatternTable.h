#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "CellState.h"

namespace wuziqi {

// Threat levels, 0..11: how far a colour has come towards five along one line through a
// point, told by what a stone of the colour there would make in that line.
using Level = std::int8_t;
inline constexpr Level FiveLevel = 11;      // five
inline constexpr Level OpenFourLevel = 10;  // four adjacent stones in a live window
inline constexpr Level FourLevel = 9;       // a four one point short of five, gapped or dead
inline constexpr Level LiveThreeLevel = 7;  // the weakest live three
inline constexpr Level QuietMoveLevel = 3;  // the weakest own candidate tried as a quiet move

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
// clang-format off
inline constexpr std::array<PatternTable, 4> PatternTables = {{
    {5, {{
        {0x10, {4, 4, 3, 2, 2}},   // X----
        {0x08, {4, 4, 4, 3, 2}},   // -X---
        {0x04, {3, 4, 4, 4, 3}},   // --X--
        {0x02, {2, 3, 4, 4, 4}},   // ---X-
        {0x01, {2, 2, 3, 4, 4}},   // ----X
    }}},
    {10, {{
        {0x0C, {8, 8, 8, 8, 7}},   // -XX--
        {0x0A, {7, 8, 8, 8, 7}},   // -X-X-
        {0x18, {8, 8, 8, 7, 6}},   // XX---
        {0x14, {8, 8, 8, 7, 6}},   // X-X--
        {0x12, {7, 7, 7, 7, 6}},   // X--X-
        {0x11, {6, 6, 6, 6, 6}},   // X---X
        {0x06, {7, 8, 8, 8, 8}},   // --XX-
        {0x03, {6, 7, 8, 8, 8}},   // ---XX
        {0x05, {6, 7, 8, 8, 8}},   // --X-X
        {0x09, {6, 7, 7, 7, 7}},   // -X--X
    }}},
    {10, {{
        {0x0E, {10, 10, 10, 10, 10}},  // -XXX-
        {0x16, {10, 10, 10, 10, 9}},   // X-XX-
        {0x15, {9, 9, 9, 9, 9}},       // X-X-X
        {0x1A, {10, 10, 10, 10, 9}},   // XX-X-
        {0x19, {9, 9, 9, 9, 9}},       // XX--X
        {0x1C, {10, 10, 10, 10, 9}},   // XXX--
        {0x0D, {9, 10, 10, 10, 10}},   // -XX-X
        {0x0B, {9, 10, 10, 10, 10}},   // -X-XX
        {0x13, {9, 9, 9, 9, 9}},       // X--XX
        {0x07, {9, 10, 10, 10, 10}},   // --XXX
    }}},
    {5, {{
        {0x0F, {11, 11, 11, 11, 11}},  // -XXXX
        {0x17, {11, 11, 11, 11, 11}},  // X-XXX
        {0x1B, {11, 11, 11, 11, 11}},  // XX-XX
        {0x1D, {11, 11, 11, 11, 11}},  // XXX-X
        {0x1E, {11, 11, 11, 11, 11}},  // XXXX-
    }}},
}};
// clang-format on

// The level of every point of a dead window, by stone count (0 for counts outside 1..4).
constexpr Level DeadLevel(int stoneCount) {
    constexpr Level ByCount[] = {0, 1, 5, 9, FiveLevel};
    return stoneCount >= 1 && stoneCount <= 4 ? ByCount[stoneCount] : 0;
}

using WindowLevels = std::array<Level, 5>;

// The rows of all four tables by mask: each mask of one to four stones stands in exactly one
// table, and a window of four stones gives 11 everywhere whatever its shape.
inline constexpr std::array<WindowLevels, 32> LiveLevelsByMask = [] {
    std::array<WindowLevels, 32> byMask{};
    for (const PatternTable& table : PatternTables)
        for (int r = 0; r < table.count; ++r)
            byMask[table.rows[r].mask] = table.rows[r].levels;
    return byMask;
}();

// The levels of a dead window by stone count.
inline constexpr std::array<WindowLevels, 5> DeadLevelsByCount = [] {
    std::array<WindowLevels, 5> rows{};
    for (int count = 0; count < 5; ++count)
        rows[count].fill(DeadLevel(count));
    return rows;
}();

// The five levels of a window whose mask has `count` stones, 1..4.
constexpr const WindowLevels& LevelsOfWindow(std::uint8_t mask, int count, bool dead) {
    return dead ? DeadLevelsByCount[count] : LiveLevelsByMask[mask];
}

// Whether the mask stands in the table of that stone count.
constexpr bool MaskFitsCount(std::uint8_t mask, int count) {
    return count >= 1 && count <= 4 && mask < 32 && std::popcount(mask) == count;
}

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

// The rule for one or two stones: dead when the cell just before or just after the window is
// the frame or a stone of the other colour.
constexpr bool FewIsDead(std::uint8_t left, std::uint8_t right, std::uint8_t other) {
    return left == Border || left == other || right == Border || right == other;
}

}  // namespace wuziqi
