#include "EngineBoard.h"

#include <algorithm>

namespace wuziqi::engine {

bool EngineBoard::Reset(int width, int height) {
    if (width < MinSide || width > MaxSide || height < MinSide || height > MaxSide) return false;
    width_ = width;
    height_ = height;
    cells_.assign(static_cast<std::size_t>(width * height), Empty);
    game_.Reset();
    return true;
}

bool EngineBoard::IsEmpty() const {
    return std::all_of(cells_.begin(), cells_.end(), [](CellState c) { return c == Empty; });
}

void EngineBoard::Place(int x, int y, CellState state) {
    cells_[Slot(x, y)] = state;
    if (IsGameSize()) game_.Place(x, y, state);
}

void EngineBoard::PlaceDead(int x, int y) {
    cells_[Slot(x, y)] = Border;
    if (!IsGameSize()) return;
    game_.Grid[x][y] = Border;
    // Every line is marked again, so that no window through the dead stone stays open.
    game_.Levels.Clear();
    for (int px = 1; px <= BoardSize; ++px)
        for (int py = 1; py <= BoardSize; ++py)
            if (game_.Grid[px][py] != Border) game_.UpdateLines(px, py);
}

MasterPosition EngineBoard::Position(search::FiveRule rule) const {
    MasterPosition position;
    position.width = width_;
    position.height = height_;
    position.rule = rule;
    for (int x = 1; x <= width_; ++x)
        for (int y = 1; y <= height_; ++y)
            if (Get(x, y) != Empty) position.stones.push_back({{x, y}, Get(x, y)});
    return position;
}

}  // namespace wuziqi::engine
