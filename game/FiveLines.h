#pragma once

#include <cstdint>
#include <vector>

#include "GameRecord.h"

namespace wuziqi {

class TGameBoard;

// An unbroken row of five or more stones of one colour along one direction: from its first
// stone (the end a walk in the direction starts at) to its last.
struct FiveLine {
    BoardPoint first;
    BoardPoint last;
    std::uint8_t colour;
    Direction direction;

    bool Contains(BoardPoint point) const;

    friend bool operator==(const FiveLine&, const FiveLine&) = default;
};

// Every line of five or more on the board, each once and whole (a row of six is one line), in
// scan order of their first stones, directions 0..3 for each. Read from the stones alone, so a
// line is there exactly while all its stones stand on the board.
std::vector<FiveLine> FindFiveLines(const TGameBoard& board);

}  // namespace wuziqi
