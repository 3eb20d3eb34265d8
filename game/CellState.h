#pragma once

#include <cstdint>

namespace wuziqi {

// One byte per point of the board array. Black and White double as the two colours.
enum CellState : std::uint8_t {
    Border = 0,  // the one-point frame around the 15 x 15 board
    Empty = 1,
    Black = 2,
    White = 3,
};

inline constexpr int BoardSize = 15;

// Line directions 0..3 with steps (1, 0), (1, 1), (0, 1), (-1, 1).
using Direction = std::uint8_t;
inline constexpr int DirectionCount = 4;

class GameReporter;

// True when lo <= v <= hi.
constexpr bool InRange(int v, int lo, int hi) {
    return lo <= v && v <= hi;
}

// The other colour: 3 for 2 and 2 for everything else. A Border or Empty argument is a
// wrong call; it is reported as " Type Error! " (when a reporter is given) and still gives 2.
std::uint8_t Opponent(std::uint8_t colour, GameReporter* reporter = nullptr);

// The step (dx, dy) of a direction; for a value outside 0..3 the outputs are left alone.
void DirectionStep(int direction, int& dx, int& dy);

}  // namespace wuziqi
