#pragma once

#include "GamePlayer.h"

// A person at the board: the points the board widget reports are this player's moves. A person
// is never "thinking" in the computer's sense: nothing is worked out when they are asked, and
// the board takes their point whenever it comes (in a review, stepped back, at any turn of
// theirs).
class HumanPlayer : public GamePlayer {
    Q_OBJECT

  public:
    using GamePlayer::GamePlayer;

    void RequestMove(MoveRequest) override {}
    void CancelMove() override {}
    bool Thinking() const override { return false; }

    // The person chose a point: it is their move.
    void PointChosen(wuziqi::BoardPoint point);
};
