#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "MoveList.h"
#include "SearchBoard.h"
#include "SearchControl.h"
#include "ThreatSearch.h"
#include "TranspositionTable.h"

namespace wuziqi::search {

// Scores from the side to move's view. A win in n plies scores Win - n; evaluations stay
// well inside +-EvalLimit.
inline constexpr int Win = 30000;
inline constexpr int WinBound = Win - 500;
inline constexpr int EvalLimit = 20000;

// Principal-variation alpha-beta over the search board: threat-limited move generation (only
// the block against a four; against an open three the blocks and the side's own fours; against
// a win by fours the opponent would have if the side passed, the moves that could stop it), the
// transposition table, killer and history ordering, reductions for late quiet moves, a short
// search by fours and the answers to an open three at the leaves, and the incremental
// evaluation.
class PvSearch {
  public:
    PvSearch(SearchBoard& board, TranspositionTable& table, SearchControl& control);

    // One iteration at the root over the given moves, best first on return (the list is
    // reordered); the best score, meaningful only when the control did not stop the search
    // before the first move was searched.
    int SearchRoot(int side, int depth, std::vector<int>& moves);
    // Whether the last SearchRoot finished at least its first move.
    bool RootHasResult() const { return rootHasResult_; }

    // The side to move's static view of the position.
    int Evaluate(int side) const;

    // The candidate moves of a quiet position, best first: every empty point near a stone.
    void QuietMoves(int side, MoveList& moves) const;
    // The side's moves against the opponent's open three: every block and the side's own fours.
    void DefenceMoves(int side, MoveList& moves) const;
    // When the opponent would have a win by fours if the side passed (a short search finds it),
    // the side's moves that could stop it: the points of that win's line and the side's own
    // fours; false, and no moves, when none is found.
    bool VcfDefenceMoves(int side, MoveList& moves);

  private:
    static constexpr int MaxPly = 100;

    int Search(int side, int depth, int alpha, int beta, int ply);
    int Leaf(int side, int alpha, int beta, int ply);
    void Order(int side, MoveList& moves, int ttMove, int ply) const;

    SearchBoard& board_;
    TranspositionTable& table_;
    SearchControl& control_;
    ThreatSearch threats_;
    bool rootHasResult_ = false;
    std::vector<int> vcfLine_;  // reused: the line is read before the next search by fours
    int leafBlocks_ = 0;  // open threes answered past the depth on the current line
    std::array<std::array<std::uint32_t, SearchBoard::Cells>, 2> history_{};
    // The last two moves that cut off at each ply: likely to cut off at its siblings too.
    std::array<std::array<int, 2>, MaxPly + 1> killers_{};
};

// Mate scores are stored relative to the node, not the root.
int ToTable(int score, int ply);
int FromTable(int score, int ply);

}  // namespace wuziqi::search
