#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "CellState.h"
#include "MoveRecord.h"

namespace wuziqi {

// What the readers of other programs' game files (.psq, .sgf) report. Like the .wzq reader
// they take a file only when its every move replays on an empty board, Black first.

// No game record of 225 moves comes near this, comments and all. Readers stop one byte past
// it, so that a huge file picked by mistake is refused without being loaded into memory.
constexpr std::size_t LargestTextGameFile = 1024 * 1024;

enum class GameFileProblem {
    None,
    TooLarge,      // over LargestTextGameFile
    NotPsq,        // the first line is not "Piskvorky WxH, ..."
    NotSgf,        // the file does not start with an SGF game tree
    BrokenSgf,     // the SGF structure is broken at `offset`
    WrongSize,     // a board other than 15 x 15; `value` as the file spells it
    NotGomoku,     // an SGF game type other than 4; `value` the file's GM, empty when missing
    SetupStones,   // SGF stones set up with AB, AW or AE instead of played
    MoveOffBoard,  // `move` is no point of the board; `value` as the file spells it
    PointTaken,    // `move` goes on a point an earlier move holds
    WrongColour,   // `move` is not the colour whose turn it is (moves alternate, Black first)
    Pass,          // `move` passes
};

struct TextGameFile {
    std::vector<MoveRecord> moves;
    GameFileProblem problem = GameFileProblem::None;
    int move = -1;           // the move (from 0) the problem is with
    std::size_t offset = 0;  // the byte where a broken SGF goes wrong
    std::string value;       // the file's own spelling of what was refused

    bool ok() const { return problem == GameFileProblem::None; }
};

// Gathers the moves of a file in order and refuses the file at the first one that cannot be
// played: off the board or on a taken point. Once refused it takes nothing more.
class MoveCollector {
  public:
    // Adds the move at (x, y), 1..15 on the board; `spelling` is the point as the file writes
    // it. False when the file is refused.
    bool Add(int x, int y, std::string_view spelling);
    // Refuses the file for a problem of the move about to be added, or of none (move -1).
    void Refuse(GameFileProblem problem, std::string value = {}, bool namesMove = true);
    bool Refused() const { return !result.ok(); }
    int Count() const { return static_cast<int>(result.moves.size()); }
    // The moves, or the problem without moves.
    TextGameFile Finish();

  private:
    bool taken[BoardSize + 1][BoardSize + 1] = {};
    TextGameFile result;
};

}  // namespace wuziqi
