#pragma once

#include <vector>

#include "GameRecord.h"
#include "MoveRecord.h"

namespace wuziqi {

// Puts a loaded game into the record for review: the moves become the history, the board is
// cleared and the first move replayed as Black; the previous-move command is off and the
// next-move command on. The moves must already have passed the saved-game checks.
void StartReview(GameRecord& record, std::vector<MoveRecord> moves);

}  // namespace wuziqi
