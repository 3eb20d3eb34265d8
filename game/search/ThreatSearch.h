#pragma once

#include <cstdint>
#include <vector>

#include "SearchBoard.h"
#include "SearchControl.h"

namespace wuziqi::search {

// Forced wins by threats. A win found is proven: at every step the defender's answers are all
// the moves that could stop the threat (the five-point after a four; after an open three every
// point of the attacker's fours-to-be and every four of the defender's own) and each of them
// was refuted. Not finding one proves nothing: the attacker's moves are only its fours and
// threes, and the search gives up at its depth or node budget.
class ThreatSearch {
  public:
    ThreatSearch(SearchBoard& board, SearchControl& control) : board_(board), control_(control) {}

    // Caps the nodes of each following call (on top of the shared control's limits).
    void SetBudget(std::uint64_t nodes) { budget_ = nodes; }

    // A win for the attacker, to move, by fours alone (VCF); the line is its moves and the
    // defender's answers, up to and including the five.
    bool FindVcf(int attacker, int maxAttackerMoves, std::vector<int>* line = nullptr);
    // A win by threes and fours (VCT); the line follows the longest defence.
    bool FindVct(int attacker, int maxAttackerMoves, std::vector<int>* line = nullptr);

    // True when the last call gave up before finishing.
    bool GaveUp() const { return gaveUp_; }

  private:
    bool Tick();
    bool Vcf(int attacker, int depth, std::vector<int>& line);
    bool VctAttack(int attacker, int depth, std::vector<int>& line);
    bool VctDefend(int attacker, int depth, std::vector<int>& line);
    // The line of an open four (or a double four) on `point`: it, one block, the five.
    void FinishFlex4(int attacker, int point, std::vector<int>& line);
    void Begin();

    SearchBoard& board_;
    SearchControl& control_;
    std::uint64_t budget_ = 0;
    std::uint64_t limit_ = 0;
    bool gaveUp_ = false;
};

}  // namespace wuziqi::search
