#include "GameRecord.h"

#include <cstddef>

#include "GameBoard.h"

namespace wuziqi {

void GameRecord::AddMove(int x, int y) {
    MoveHistory.resize(static_cast<std::size_t>(HistoryCursor) + 1);
    MoveHistory[static_cast<std::size_t>(HistoryCursor)] =
        MoveRecord{static_cast<std::int8_t>(x), static_cast<std::int8_t>(y)};
    ++HistoryCursor;
    if (HistoryCursor > StepThreshold()) Action4Enabled = true;
    Action5Enabled = false;
}

void GameRecord::StepBack(int n) {
    if (n <= 0 || HistoryCursor - n < 0) return;
    for (int i = 0; i < n; ++i) {
        const MoveRecord& move = MoveHistory[static_cast<std::size_t>(HistoryCursor - 1 - i)];
        Board.Place(move.x, move.y, Empty);
    }
    if (n % 2 == 1) SwitchColour();
    HistoryCursor -= n;
    if (HistoryCursor <= StepThreshold()) Action4Enabled = false;
    Action5Enabled = true;
    if (HistoryCursor > 0) {
        const MoveRecord& last = MoveHistory[static_cast<std::size_t>(HistoryCursor - 1)];
        LastMove = BoardPoint{last.x, last.y};
    } else {
        LastMove = NoLastMove;
    }
}

void GameRecord::StepForward(int n) {
    const int length = static_cast<int>(MoveHistory.size());
    if (n <= 0 || length < HistoryCursor + n) return;
    for (int i = 0; i < n; ++i) {
        const MoveRecord& move = MoveHistory[static_cast<std::size_t>(HistoryCursor + i)];
        // A refused point has shown " Set Wrong!"; the step goes on as if it stood there.
        Board.Place(move.x, move.y, static_cast<CellState>(CurrentColour));
        SwitchColour();
    }
    HistoryCursor += n;
    if (HistoryCursor >= length - StepThreshold()) Action5Enabled = false;
    Action4Enabled = true;
    const MoveRecord& last = MoveHistory[static_cast<std::size_t>(HistoryCursor - 1)];
    LastMove = BoardPoint{last.x, last.y};
}

void GameRecord::ClearHistory() {
    MoveHistory.clear();
    HistoryCursor = 0;
}

// As Opponent: White after Black, Black after anything else.
void GameRecord::SwitchColour() {
    CurrentColour = CurrentColour == Black ? White : Black;
}

}  // namespace wuziqi
