#include "HumanPlayer.h"

void HumanPlayer::RequestMove(MoveRequest) {
    asked = true;
}

void HumanPlayer::PointChosen(wuziqi::BoardPoint point) {
    asked = false;
    emit MoveChosen(wuziqi::ComputerAnswer{point, wuziqi::Verdict::Unchanged, {}});
}
