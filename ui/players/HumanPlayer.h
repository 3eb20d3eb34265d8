#pragma once

#include "GamePlayer.h"

// A person at the board: the points the board widget reports are this player's moves. A person
// is never "thinking" in the computer's sense, so the board always takes their point; a point
// chosen while no move was asked (a review, stepped back) is played all the same.
class HumanPlayer : public GamePlayer {
    Q_OBJECT

  public:
    using GamePlayer::GamePlayer;

    void RequestMove(MoveRequest request) override;
    void CancelMove() override { asked = false; }
    bool Thinking() const override { return false; }
    // Whether the game waits for this person's move.
    bool Asked() const { return asked; }

    // The person chose a point: it is their move.
    void PointChosen(wuziqi::BoardPoint point);

  private:
    bool asked = false;
};
