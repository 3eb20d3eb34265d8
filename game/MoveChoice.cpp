// Placeholder until the threat search lands: plays the empty point nearest the centre.
#include "GameBoard.h"

namespace wuziqi {

void TGameBoard::ChooseMove(std::uint8_t /*colour*/, int& x, int& y, int depth) {
    if (depth < 1) return;
    if (Reporter) Reporter->SetStatusText(0, " ");
    x = 0;
    y = 0;
    int bestDistance = 1 << 30;
    for (int cx = 1; cx <= BoardSize; ++cx)
        for (int cy = 1; cy <= BoardSize; ++cy) {
            const int distance = (cx - 8) * (cx - 8) + (cy - 8) * (cy - 8);
            if (Grid[cx][cy] == Empty && distance < bestDistance) {
                bestDistance = distance;
                x = cx;
                y = cy;
            }
        }
}

}  // namespace wuziqi
