#pragma once

#include <cstdint>
#include <vector>

#include "SearchBoard.h"
#include "SearchControl.h"

namespace wuziqi::search {

// Forced wins by threats. A win found is proven: at every step the defender's answers are all
// the moves that could stop the threat (the five-point after a four; after an open three every
// block of it and every four of the defender's own: AddDefences) and each of them
// was refuted. Not finding one proves nothing: the attacker's moves are only its fours and
// threes, and the search gives up at its depth or node budget.
class ThreatSearch {
  public:
    ThreatSearch(SearchBoard& board, SearchControl& control);

    // Caps the nodes of each following call (on top of the shared control's limits).
    void SetBudget(std::uint64_t nodes) { budget_ = nodes; }

    // A win for the attacker, to move, by fours alone (VCF); the line is its moves and the
    // defender's answers, up to and including the five.
    bool FindVcf(int attacker, int maxAttackerMoves, std::vector<int>* line = nullptr);
    // A win by threes and fours (VCT), searched deeper step by step; the line follows the
    // longest defence.
    bool FindVct(int attacker, int maxAttackerMoves, std::vector<int>* line = nullptr);

    // True when the last call gave up before finishing.
    bool GaveUp() const { return gaveUp_; }

  private:
    bool Tick();
    bool Vcf(int attacker, int depth, std::vector<int>& line);
    bool Attack(int attacker, int depth, bool byThrees, std::vector<int>& line);
    bool VcfMoves(int attacker, int defender, int depth, std::vector<int>& line);
    bool VctAttack(int attacker, int depth, std::vector<int>& line);
    bool VctMoves(int attacker, int defender, int depth, std::vector<int>& line);
    bool VctDefend(int attacker, int depth, std::vector<int>& line);
    // The line of an open four (or a double four) on `point`: it, one block, the five.
    void FinishFlex4(int attacker, int point, std::vector<int>& line);
    void Begin();

    // Positions already decided, by the attacker's moves left: a win holds with more moves, a
    // failure with fewer. Only searches that finished are kept.
    struct Known {
        std::uint32_t check = 0;
        std::int8_t depth = -1;
        bool win = false;
    };
    std::uint64_t KnownKey(int attacker, bool vct) const;
    // The stored answer, or -1 when there is none that applies.
    int Recall(std::uint64_t key, int depth) const;
    void Remember(std::uint64_t key, int depth, bool win);

    SearchBoard& board_;
    SearchControl& control_;
    std::uint64_t budget_ = 0;
    std::uint64_t limit_ = 0;
    bool gaveUp_ = false;
    bool wantLine_ = false;  // a remembered win has no line: it is searched again
    std::vector<Known> known_;
};

}  // namespace wuziqi::search
