#include "ComputerReply.h"

#include <utility>

#include "GameBoard.h"

namespace wuziqi {

std::optional<BoardPoint> NearestEmptyToCentre(const TGameBoard& board) {
    constexpr int centre = 8;
    std::optional<BoardPoint> nearest;
    int nearestDistance = 0;
    for (int x = 1; x <= BoardSize; ++x) {
        for (int y = 1; y <= BoardSize; ++y) {
            if (board.GetCell(x, y) != Empty) continue;
            const int distance = (x - centre) * (x - centre) + (y - centre) * (y - centre);
            // Strictly nearer only, so the first point in scan order keeps a tie.
            if (!nearest || distance < nearestDistance) {
                nearest = BoardPoint{x, y};
                nearestDistance = distance;
            }
        }
    }
    return nearest;
}

ComputerAnswer ComputerReply(TGameBoard& board, std::uint8_t colour, BoardPoint last, int depth,
                             std::stop_token stop) {
    int x = last.x;
    int y = last.y;
    ComputerAnswer answer;
    answer.verdict = board.ChooseMove(colour, x, y, depth, std::move(stop));
    // Anything but an empty point of the board (the search's (0, 0) above all) is no move.
    if (InRange(x, 1, BoardSize) && InRange(y, 1, BoardSize) && board.Grid[x][y] == Empty)
        answer.point = BoardPoint{x, y};
    else
        answer.point = NearestEmptyToCentre(board);
    return answer;
}

}  // namespace wuziqi
