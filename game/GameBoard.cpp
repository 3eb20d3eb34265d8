#include "GameBoard.h"

namespace wuziqi {

namespace {
constexpr double WinMessageThreshold = 900000.0;
}

std::uint8_t Opponent(std::uint8_t colour, GameReporter* reporter) {
    if (colour == Black) return White;
    if ((colour == Border || colour == Empty) && reporter) reporter->ShowMessage(" Type Error! ");
    return Black;
}

void DirectionStep(int direction, int& dx, int& dy) {
    static constexpr int Steps[DirectionCount][2] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}};
    if (!InRange(direction, 0, DirectionCount - 1)) return;
    dx = Steps[direction][0];
    dy = Steps[direction][1];
}

TGameBoard::TGameBoard(GameReporter* reporter) : Reporter(reporter) {
    Reset();
}

void TGameBoard::Reset() {
    for (auto& column : Grid)
        for (auto& cell : column)
            cell = Border;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            Grid[x][y] = Empty;
    Levels.Clear();
}

std::string TGameBoard::ColourName(std::uint8_t colour) {
    return colour == Black ? "Black" : "White";
}

CellState TGameBoard::GetCell(int x, int y) const {
    if (!InRange(x, 1, BoardSize) || !InRange(y, 1, BoardSize)) return Empty;
    return Grid[x][y];
}

bool TGameBoard::Place(int x, int y, CellState code) {
    const bool onBoard = InRange(x, 1, BoardSize) && InRange(y, 1, BoardSize);
    if (!onBoard || (code != Empty && Grid[x][y] != Empty)) {
        if (Reporter) Reporter->ShowMessage(" Set Wrong!");
        return false;
    }
    if (code != Empty) {
        // The win is read from the map before the stone is set, and announced first.
        double score = 0.0;
        if (WinTest(x, y, score, code) && score > WinMessageThreshold && Reporter)
            Reporter->ShowMessage(ColourName(code) + " Win!");
    }
    Grid[x][y] = code;
    UpdateLines(x, y);
    return true;
}

}  // namespace wuziqi
