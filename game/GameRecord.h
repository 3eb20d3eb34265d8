#pragma once

#include <cstdint>
#include <vector>

#include "CellState.h"
#include "MoveRecord.h"

namespace wuziqi {

class TGameBoard;

// How the game is played: against the computer, two people sharing the mouse, or the review
// of a loaded game (left at the next click on the board).
inline constexpr std::uint8_t ModeAgainstComputer = 0;
inline constexpr std::uint8_t ModeTwoPlayers = 1;
inline constexpr std::uint8_t ModeReview = 2;

// A board point, column then row, 1..15 on the board.
struct BoardPoint {
    int x;
    int y;

    friend bool operator==(const BoardPoint&, const BoardPoint&) = default;
};

// (1, 1) stands for "no stone on the board" where the last-move marker is concerned.
inline constexpr BoardPoint NoLastMove{1, 1};

// The state of the game beside the board: whose turn it is, the mode, the recorded moves with
// the cursor that tells how many of them stand on the board, the last-move point and the two
// clocks. AddMove, StepBack and StepForward change the history and the board together and keep
// the enabled states of the previous-move and next-move commands (Action4, Action5), which the
// window mirrors onto its actions.
class GameRecord {
  public:
    explicit GameRecord(TGameBoard& board) : Board(board) {}

    std::uint8_t CurrentColour = 0;  // 0 until the first new game sets Black
    std::uint8_t GameMode = ModeAgainstComputer;
    BoardPoint LastMove = NoLastMove;
    std::vector<MoveRecord> MoveHistory;
    int HistoryCursor = 0;        // entries [0, HistoryCursor) stand on the board
    std::int32_t BlackClock = 0;  // tenths of a second while Black was to move
    std::int32_t WhiteClock = 0;
    bool Action4Enabled = false;  // previous move
    bool Action5Enabled = false;  // next move

    // Against the computer one step command moves two stones, so stepping back is only offered
    // once more than one stone has been recorded.
    int StepThreshold() const { return GameMode == ModeAgainstComputer ? 1 : 0; }

    // Records a move at the cursor, dropping any moves that were stepped back over.
    void AddMove(int x, int y);

    // Takes the newest n stones off the board; does nothing if fewer than n stand there.
    void StepBack(int n);

    // Puts the next n recorded stones back in the colour to move; does nothing past the end.
    void StepForward(int n);

    // Empties the history (a new game, or the window going away).
    void ClearHistory();

    TGameBoard& GetBoard() const { return Board; }

  private:
    void SwitchColour();

    TGameBoard& Board;
};

}  // namespace wuziqi
