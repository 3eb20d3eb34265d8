#include "GameBoard.h"

namespace wuziqi {

namespace {
constexpr double WinMessageThreshold = 900000.0;
}

std::uint8_t Opponent(std::uint8_t colour, GameReporter* reporter) {
    if (colour == Black) return White;
    if ((colour == Border || colour == Empty) && reporter) reporter->WrongColour();
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
    auto refuse = [this](PlaceRefusal reason) {
        if (Reporter) Reporter->PlacementRefused(reason);
        return false;
    };
    if (!InRange(x, 1, BoardSize) || !InRange(y, 1, BoardSize))
        return refuse(PlaceRefusal::OffBoard);
    // Any other code would be read as a colour by the win test and the threat map.
    if (code != Empty && code != Black && code != White) return refuse(PlaceRefusal::NotACell);
    if (code != Empty && Grid[x][y] != Empty) return refuse(PlaceRefusal::PointTaken);
    if (code != Empty) {
        // The win is read from the map before the stone is set, and announced first.
        double score = 0.0;
        if (WinTest(x, y, score, code) && score > WinMessageThreshold && Reporter)
            Reporter->StoneWins(code, x, y);
    }
    Grid[x][y] = code;
    UpdateLines(x, y);
    return true;
}

}  // namespace wuziqi
