#include "FiveLines.h"

#include "GameBoard.h"

namespace wuziqi {

namespace {

constexpr int FiveInARow = 5;

bool SameStone(const TGameBoard& board, int x, int y, std::uint8_t colour) {
    return InRange(x, 1, BoardSize) && InRange(y, 1, BoardSize) && board.Grid[x][y] == colour;
}

}  // namespace

bool FiveLine::Contains(BoardPoint point) const {
    int dx = 0;
    int dy = 0;
    DirectionStep(direction, dx, dy);
    for (BoardPoint p = first;; p = BoardPoint{p.x + dx, p.y + dy}) {
        if (p == point) return true;
        if (p == last) return false;
    }
}

std::vector<FiveLine> FindFiveLines(const TGameBoard& board) {
    std::vector<FiveLine> lines;
    for (int x = 1; x <= BoardSize; ++x) {
        for (int y = 1; y <= BoardSize; ++y) {
            const std::uint8_t colour = board.Grid[x][y];
            if (colour != Black && colour != White) continue;
            for (Direction d = 0; d < DirectionCount; ++d) {
                int dx = 0;
                int dy = 0;
                DirectionStep(d, dx, dy);
                // Only a line's first stone starts it, so each line is found once.
                if (SameStone(board, x - dx, y - dy, colour)) continue;
                int length = 1;
                while (SameStone(board, x + length * dx, y + length * dy, colour))
                    ++length;
                if (length < FiveInARow) continue;
                const BoardPoint last{x + (length - 1) * dx, y + (length - 1) * dy};
                lines.push_back(FiveLine{BoardPoint{x, y}, last, colour, d});
            }
        }
    }
    return lines;
}

}  // namespace wuziqi
