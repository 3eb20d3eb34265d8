#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "FiveLines.h"
#include "GameRecord.h"

namespace wuziqi {
class TGameBoard;
}

// Everything the board view draws, read afresh at every paint: the stones from the board, the
// move numbers and the last-move point from the game record, and the view's own state.
struct BoardScene {
    const wuziqi::TGameBoard* board = nullptr;
    const wuziqi::GameRecord* record = nullptr;
    wuziqi::BoardPoint hover{3, 3};  // the pointer marker (HoverPoint)
    bool showMoveNumbers = false;
    // Drawn over the stones, and only when present: the lines of five or more on the board,
    // the point a hint suggests, and the moves of a forced line still to come, the sides in
    // turn from `lineColour`.
    std::vector<wuziqi::FiveLine> fives;
    std::optional<wuziqi::BoardPoint> hint;
    std::vector<wuziqi::BoardPoint> line;
    std::uint8_t lineColour = 0;
};
