#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <vector>

#include "ComputerReply.h"
#include "GameBoard.h"
#include "MoveRecord.h"

// What a player is asked: the position as it stands (its own copy, reporting to nobody), the
// moves on the board in the order they were played, the colour to play and the last stone.
struct MoveRequest {
    wuziqi::TGameBoard position;
    std::vector<wuziqi::MoveRecord> moves;
    std::uint8_t colour = wuziqi::Black;
    wuziqi::BoardPoint last{0, 0};
};

// A player the game asks for a move and that answers later, with a signal, on the thread of
// the window: the built-in computer, or another engine. Only one request is pending at a time.
class GamePlayer : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

    // Asks for a move. A request still pending is dropped first.
    virtual void RequestMove(MoveRequest request) = 0;
    // Drops the pending request, if any: its answer never arrives.
    virtual void CancelMove() = 0;
    virtual bool Thinking() const = 0;
    // Whether, playing first, it chooses its own opening on the empty board; the built-in
    // computer always opens on the centre point.
    virtual bool ChoosesOwnOpening() const { return false; }

  signals:
    // The answer to the pending request: the point (none on a full board) and the comment.
    void MoveChosen(const wuziqi::ComputerAnswer& answer);
    // The player cannot play on (an engine that crashed or broke the rules); the reason is
    // for the person to read.
    void PlayerFailed(const QString& reason);
};
