// The computer's move.
#include "MoveChoice.h"

#include "GameBoard.h"

namespace wuziqi {

void ChooseMoveCounted(TGameBoard& board, std::uint8_t colour, int& x, int& y, int depth,
                       SearchCounts* counts) {
    LiteralChooseMove(board, colour, x, y, depth, counts);
}

void TGameBoard::ChooseMove(std::uint8_t colour, int& x, int& y, int depth) {
    ChooseMoveCounted(*this, colour, x, y, depth, nullptr);
}

}  // namespace wuziqi
