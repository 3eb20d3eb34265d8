#include "ComputerReply.h"

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

std::optional<BoardPoint> ComputerReply(TGameBoard& board, std::uint8_t colour, BoardPoint last,
                                        int depth) {
    int x = last.x;
    int y = last.y;
    board.ChooseMove(colour, x, y, depth);
    if (x == 0 && y == 0) return NearestEmptyToCentre(board);
    return BoardPoint{x, y};
}

}  // namespace wuziqi
