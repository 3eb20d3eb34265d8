#pragma once

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
};
