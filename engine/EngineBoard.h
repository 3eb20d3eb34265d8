#pragma once

#include <vector>

#include "CellState.h"
#include "GameBoard.h"
#include "MasterSearch.h"
#include "SearchBoard.h"

namespace wuziqi::engine {

// The engine's board, from 15 x 15 up to 20 x 20 and any rectangle between (points 1-based).
// On 15 x 15 it keeps the game's own board in step, for the levels that play only that board.
class EngineBoard {
  public:
    static constexpr int MinSide = BoardSize;
    static constexpr int MaxSide = search::SearchBoard::MaxSide;

    // An empty board; false, and the board as it was, for a size out of range.
    bool Reset(int width, int height);
    void Clear() { Reset(width_, height_); }

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsGameSize() const { return width_ == BoardSize && height_ == BoardSize; }
    CellState Get(int x, int y) const { return cells_[Slot(x, y)]; }
    bool IsEmpty() const;

    // A stone (Black or White), or Empty to take one back.
    void Place(int x, int y, CellState state);
    // A stone of a finished line in a continuous game: it blocks both colours.
    void PlaceDead(int x, int y);

    // The game's board; meaningful only when IsGameSize().
    TGameBoard& Game() { return game_; }
    MasterPosition Position(search::FiveRule rule) const;

  private:
    int Slot(int x, int y) const { return (x - 1) * height_ + (y - 1); }

    int width_ = BoardSize, height_ = BoardSize;
    std::vector<CellState> cells_ = std::vector<CellState>(BoardSize * BoardSize, Empty);
    TGameBoard game_;
};

}  // namespace wuziqi::engine
