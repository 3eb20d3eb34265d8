#include "LineReplay.h"

#include <vector>

#include "GameBoard.h"

namespace wuziqi {

namespace {

// Only the five matters here.
class FiveWatcher : public GameReporter {
  public:
    void PlacementRefused(PlaceRefusal) override {}
    void StoneWins(std::uint8_t colour, int, int) override { winner = colour; }
    void WrongColour() override {}
    void PatternMismatch(int) override {}

    std::uint8_t winner = 0;
};

}  // namespace

std::vector<BoardPoint> FivePoints(const TGameBoard& board, std::uint8_t colour) {
    std::vector<BoardPoint> points;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            for (int d = 0; d < DirectionCount; ++d)
                if (board.Grid[x][y] == Empty && board.Levels.At(colour, x, y, d) == FiveLevel) {
                    points.push_back({x, y});
                    break;
                }
    return points;
}

LineReplay ReplayLine(const TGameBoard& board, std::uint8_t firstColour, const ForcedLine& line) {
    FiveWatcher watcher;
    TGameBoard copy = board;
    copy.SetReporter(&watcher);
    LineReplay replay;
    std::uint8_t colour = firstColour;
    for (const BoardPoint& p : line) {
        // A side without a five of its own must take the other side's single five point.
        const std::vector<BoardPoint> threatened = FivePoints(copy, Opponent(colour));
        if (threatened.size() == 1 && !(threatened.front() == p) &&
            FivePoints(copy, colour).empty())
            replay.answersForced = false;
        if (!copy.Place(p.x, p.y, static_cast<CellState>(colour))) break;
        if (watcher.winner && replay.fiveAt < 0) {
            replay.fiveAt = replay.placed;
            replay.winner = watcher.winner;
        }
        ++replay.placed;
        colour = Opponent(colour);
    }
    return replay;
}

bool LinePlaysOut(const TGameBoard& board, std::uint8_t toMove, Verdict verdict, BoardPoint chosen,
                  const ForcedLine& line, bool* endsInFive) {
    if (endsInFive) *endsInFive = false;
    if (!ProvesForcedWin(verdict)) return line.empty();
    if (line.empty() || !(line.front() == chosen)) return false;
    const LineReplay replay = ReplayLine(board, toMove, line);
    const std::uint8_t winner = verdict == Verdict::IWin ? toMove : Opponent(toMove);
    const bool five = replay.EndsInFive(line) && replay.winner == winner;
    if (endsInFive) *endsInFive = five;
    return replay.Legal(line) && replay.answersForced && (five || replay.fiveAt < 0);
}

}  // namespace wuziqi
