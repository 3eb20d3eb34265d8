#include "HumanPlayer.h"

void HumanPlayer::PointChosen(wuziqi::BoardPoint point) {
    emit MoveChosen(wuziqi::ComputerAnswer{point, wuziqi::Verdict::Unchanged, {}});
}
