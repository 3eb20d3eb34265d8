#pragma once

#include "Evaluation.h"

namespace wuziqi {

class TGameBoard;

// The same update as UpdateAfterStone, with the direction steps fixed at compile time and the
// line's cells read as bit sets; the state it leaves is the same, slot by slot.
void FastUpdateAfterStone(SearchState& state, const TGameBoard& board, int x, int y);

}  // namespace wuziqi
