#pragma once

#include <QImage>
#include <cstring>
#include <vector>

#include "GameBoard.h"
#include "WindowFixture.h"

// Everything of a window's game: what a refused load must leave alone, and what a resumed game
// must bring back.
struct GameSnapshot {
    explicit GameSnapshot(ShownWindow& w)
        : history(w.form->Record().MoveHistory),
          cursor(w.form->Record().HistoryCursor),
          mode(w.form->Record().GameMode),
          colour(w.form->Record().CurrentColour),
          blackClock(w.form->Record().BlackClock),
          whiteClock(w.form->Record().WhiteClock),
          picture(w.form->Picture()),
          back(w.Action("Action4")->isEnabled()),
          forward(w.Action("Action5")->isEnabled()) {
        std::memcpy(grid, w.form->Board().Grid, sizeof grid);
    }

    bool operator==(const GameSnapshot& o) const {
        return history == o.history && cursor == o.cursor && mode == o.mode && colour == o.colour &&
               blackClock == o.blackClock && whiteClock == o.whiteClock && picture == o.picture &&
               back == o.back && forward == o.forward &&
               std::memcmp(grid, o.grid, sizeof grid) == 0;
    }

    std::vector<wuziqi::MoveRecord> history;
    int cursor;
    std::uint8_t mode, colour;
    std::int32_t blackClock, whiteClock;
    QImage picture;  // holds the last-move marker and the move numbers too
    bool back, forward;
    wuziqi::CellState grid[17][17];
};
