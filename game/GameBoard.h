#pragma once

#include <array>
#include <cstdint>
#include <stop_token>
#include <string>

#include "CellState.h"
#include "GameReporter.h"
#include "LevelMap.h"
#include "Verdict.h"

namespace wuziqi {

// The model of one game of five-in-a-row: the stones on the 15 x 15 board inside a
// one-point Border frame, the placement rule with its win announcement, and the threat
// map kept current after every placement. The board knows nothing of turns or move order.
class TGameBoard {
  public:
    // What happens is told to the reporter; without one it is not told.
    explicit TGameBoard(GameReporter* reporter = nullptr);
    virtual ~TGameBoard() = default;

    void SetReporter(GameReporter* reporter) { Reporter = reporter; }
    GameReporter* GetReporter() const { return Reporter; }

    // Frame to Border, inner points to Empty, every level to 0.
    void Reset();

    // "Black" for 2, "White" for anything else.
    static std::string ColourName(std::uint8_t colour);

    // The point's state; Empty (not Border) for a point outside the board.
    CellState GetCell(int x, int y) const;

    // Sets one point to Empty, Black or White. A point off the board, a stone on an occupied
    // point and any other code are refused and reported; a winning stone is reported before
    // it is set. Returns true when the point was set.
    bool Place(int x, int y, CellState code);

    // Fills five levels for a window of the given mask and stone count, or reports the
    // mismatch with the count and leaves them alone.
    void MatchPattern(std::uint8_t mask, int count, bool dead, Level levels[5]);

    // Re-marks direction d of the threat map along the line through (x, y).
    void ScanLine(std::uint8_t direction, int x, int y);

    // ScanLine for the four directions through (x, y).
    void UpdateLines(int x, int y);

    // True when a stone of the colour at (x, y) completes five; score becomes 1 900 000.
    bool WinTest(int x, int y, double& score, std::uint8_t colour) const;

    // The computer's move for the colour to play: the chosen point goes into x and y
    // (which hold the opponent's last point on entry) and the comment on the game is
    // returned. Helper threads may search copies of the board meanwhile; they end before it
    // returns. Once `stop` is requested the search gives up within one step: the point and
    // the verdict are then meaningless and are to be dropped.
    Verdict ChooseMove(std::uint8_t colour, int& x, int& y, int depth, std::stop_token stop = {});

    CellState Grid[BoardSize + 2][BoardSize + 2];  // [x][y], frame at 0 and 16
    LevelMap Levels;

  private:
    GameReporter* Reporter;
};

}  // namespace wuziqi
