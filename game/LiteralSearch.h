#pragma once

#include <cstdint>
#include <optional>

#include "Evaluation.h"
#include "Verdict.h"

namespace wuziqi {

class TGameBoard;

// How much work one move choice did.
struct SearchCounts {
    std::uint64_t searchWin = 0;   // SearchWin steps entered
    std::uint64_t tryOwnMove = 0;  // quiet moves tried
};

// What both move choices start from: the real board's candidate lists and best point, the
// search state made of its levels and those lists, and the opponent's colour. Nothing when
// the depth is below 1 or the colour is none (a wrong call, reported to the board's reporter).
struct SearchStart {
    RootCandidates root;
    SearchState state;
    std::uint8_t opp;
};
std::optional<SearchStart> StartSearch(TGameBoard& board, std::uint8_t own, int depth);

// The threat search written out step by step, with no shortcut: the reference that the
// fast move choice of TGameBoard::ChooseMove must agree with on every position. Same
// arguments, effects and answer as ChooseMove.
Verdict LiteralChooseMove(TGameBoard& board, std::uint8_t colour, int& x, int& y, int depth,
                          SearchCounts* counts = nullptr);

// The two search steps, exposed for tests. SearchWin answers whether the attacker forces
// five within depth; TryOwnMove whether a quiet stone of the colour at (x, y) leaves a
// forced win against some block of one of its threats.
bool LiteralSearchWin(TGameBoard& board, std::uint8_t attacker, std::uint8_t mover, int& x, int& y,
                      int depth, SearchState state, std::uint8_t minLevel,
                      SearchCounts* counts = nullptr);
bool LiteralTryOwnMove(TGameBoard& board, std::uint8_t colour, int& x, int& y, int depth,
                       SearchState state, std::uint8_t minLevel, SearchCounts* counts = nullptr);

}  // namespace wuziqi
