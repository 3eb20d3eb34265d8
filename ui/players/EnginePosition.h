#pragma once

#include <QStringList>
#include <cstdint>

#include "CellState.h"
#include "GamePlayer.h"

// What an engine has been told of the game: the stones on its board and the colour it plays.
// Each request is compared with it to choose the shortest way to show the engine the board
// the window shows: TURN when only the person's stone is new, BEGIN on an empty board, and
// otherwise the whole board, after RESTART when the engine's board holds a game.
class EnginePosition {
  public:
    enum class Way { Begin, Turn, Board };
    struct Plan {
        bool restart = false;
        Way way = Way::Board;
    };

    EnginePosition();

    Plan PlanFor(const MoveRequest& request) const;
    // The engine's board after the plan for the request was sent.
    void Told(const MoveRequest& request);
    // The engine played at the point in the colour of the request.
    void Played(wuziqi::BoardPoint point, std::uint8_t colour);
    // The engine's board after START or RESTART.
    void Clear();

  private:
    bool IsEmpty() const { return stones == 0; }
    // True when the request's board is this one with one more stone, the person's, at
    // request.last, and the engine plays the same colour as before.
    bool OneStoneBehind(const MoveRequest& request) const;

    wuziqi::CellState cells[wuziqi::BoardSize + 1][wuziqi::BoardSize + 1];
    std::uint8_t engineColour = wuziqi::Black;
    int stones = 0;
};

// BOARD, one line x,y,field per stone in the order the stones were played (1 the engine's
// own, 2 the person's, 0-based points), and DONE.
QStringList BoardCommand(const MoveRequest& request);

// A board point as the protocol writes it: 0-based "x,y".
QString WirePoint(wuziqi::BoardPoint point);
