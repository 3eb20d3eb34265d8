#include "ReviewStart.h"

#include <utility>

#include "GameBoard.h"

namespace wuziqi {

void StartReview(GameRecord& record, std::vector<MoveRecord> moves) {
    record.MoveHistory = std::move(moves);
    record.HistoryCursor = 0;
    record.GetBoard().Reset();
    record.CurrentColour = Black;
    record.GameMode = ModeReview;
    record.StepForward(1);
    record.Action4Enabled = false;
    record.Action5Enabled = true;
}

}  // namespace wuziqi
