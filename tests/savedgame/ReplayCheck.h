#pragma once

#include <span>

#include "GameBoard.h"
#include "MoveRecord.h"

namespace wuziqi::testing {

// Whether the moves replay on an empty board, colours alternating from Black, with every
// placement accepted. Independent of the decoder's own checks.
inline bool Replays(std::span<const MoveRecord> moves) {
    TGameBoard board;
    CellState colour = Black;
    for (const MoveRecord& move : moves) {
        if (!board.Place(move.x, move.y, colour)) return false;
        colour = colour == Black ? White : Black;
    }
    return true;
}

}  // namespace wuziqi::testing
