#pragma once

#include <cstdint>

#include "LiteralSearch.h"

namespace wuziqi {

class TGameBoard;

// TGameBoard::ChooseMove with its work counted: same point, same verdict, same effects.
void ChooseMoveCounted(TGameBoard& board, std::uint8_t colour, int& x, int& y, int depth,
                       SearchCounts* counts);

}  // namespace wuziqi
