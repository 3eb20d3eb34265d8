#include "ProvedWin.h"

#include <algorithm>

bool ProvedWin::StillOn(const wuziqi::TGameBoard& board) const {
    wuziqi::TGameBoard expected = asked.position;
    if (played) expected.Grid[played->x][played->y] = static_cast<wuziqi::CellState>(asked.colour);
    constexpr int Cells = (wuziqi::BoardSize + 2) * (wuziqi::BoardSize + 2);
    return std::equal(&expected.Grid[0][0], &expected.Grid[0][0] + Cells, &board.Grid[0][0]);
}

ProvedWin::Ahead ProvedWin::LineAhead() const {
    Ahead ahead{{}, asked.colour};
    if (!line) return ahead;
    // The point played is the line's first move: it stands on the board already.
    const bool skipFirst = played && !line->empty() && line->front() == *played;
    ahead.moves.assign(line->begin() + (skipFirst ? 1 : 0), line->end());
    if (skipFirst) ahead.colour = wuziqi::Opponent(asked.colour);
    return ahead;
}
