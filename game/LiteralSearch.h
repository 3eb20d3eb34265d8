#pragma once

#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

#include "Evaluation.h"
#include "GameRecord.h"
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

// The moves that prove a forced win, both sides in turn: the attacker's threats with the
// defender's answers, ending with the attacker's five.
using ForcedLine = std::vector<BoardPoint>;

// The threat search written out step by step, with no shortcut: the reference that the
// fast move choice of TGameBoard::ChooseMove must agree with on every position. Same
// arguments, effects and answer as ChooseMove.
// With a `line`, the search also records the line behind an IWin or YouWin verdict (see
// FindForcedLine) and leaves it empty for any other; the point and the verdict stay as they
// are without it. Once `stop` is requested the search gives up, and its answer is to be dropped.
Verdict LiteralChooseMove(TGameBoard& board, std::uint8_t colour, int& x, int& y, int depth,
                          SearchCounts* counts = nullptr, ForcedLine* line = nullptr,
                          std::stop_token stop = {});

// The line behind the move choice's IWin or YouWin for `colour` on this board, from this
// position on: the chosen point first (the first threat, or for YouWin the block on the
// opponent's slot 1), then each side in turn. Where the defender may block in several places
// (an open four, or a live three with its two ends) it shows the block the search tried first;
// an open four, which the search counts as won at once, is played out to its five. Empty for
// every other verdict. This is the plain search with its recorder: it takes as long as
// LiteralChooseMove, and the fast move choice is not touched.
ForcedLine FindForcedLine(TGameBoard& board, std::uint8_t colour, int depth,
                          std::stop_token stop = {});

// The two search steps, exposed for tests. SearchWin answers whether the attacker forces
// five within depth; TryOwnMove whether a quiet stone of the colour at (x, y) leaves a
// forced win against some block of one of its threats.
bool LiteralSearchWin(TGameBoard& board, std::uint8_t attacker, std::uint8_t mover, int& x, int& y,
                      int depth, SearchState state, std::uint8_t minLevel,
                      SearchCounts* counts = nullptr);
bool LiteralTryOwnMove(TGameBoard& board, std::uint8_t colour, int& x, int& y, int depth,
                       SearchState state, std::uint8_t minLevel, SearchCounts* counts = nullptr);

}  // namespace wuziqi
