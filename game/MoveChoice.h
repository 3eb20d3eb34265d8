#pragma once

#include <cstdint>
#include <stop_token>

#include "LiteralSearch.h"

namespace wuziqi {

class TGameBoard;

// TGameBoard::ChooseMove with its work counted: same point, same verdict, same effects.
// The longest steps are shared out between threads (see FirstPassing.h) working on copies
// of the board; all of them have ended when the call returns, and only the calling thread
// reports to the board's reporter.
Verdict ChooseMoveCounted(TGameBoard& board, std::uint8_t colour, int& x, int& y, int depth,
                          SearchCounts* counts, std::stop_token cancel = {});

}  // namespace wuziqi
