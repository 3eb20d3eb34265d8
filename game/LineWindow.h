#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "CellState.h"
#include "PatternTable.h"

namespace wuziqi {

// A change of one point can alter only the windows of five that hold it, which start up to
// WindowReach points before it; its line is read LineReach points each way, so that the
// live and dead tests of those windows and of the ones next to them can look past them.
inline constexpr int WindowLength = 5;
inline constexpr int WindowReach = WindowLength - 1;
inline constexpr int LineReach = 9;
// How far from a search's trial stone the opponent's levels are taken down and rebuilt, and
// the stone colour's raised.
inline constexpr int TrialNearReach = WindowReach + 1;

using BoardGrid = CellState[BoardSize + 2][BoardSize + 2];

// The windows that a search's trial stone makes its update look at, in order, as
// window(start, lo, hi, ofStone): first the other colour's windows wholly on one side of the
// stone, then the stone colour's windows that hold it. Only the points lo..hi of each (offsets
// from the stone) are raised; a window that meets a blocker moves `start` there.
template <typename Window>
void ForEachTrialWindow(Window&& window) {
    for (int i = -LineReach; i <= -TrialNearReach; ++i)
        window(i, -TrialNearReach, -1, false);
    for (int i = 1; i <= TrialNearReach; ++i)
        window(i, 1, TrialNearReach, false);
    for (int i = -WindowReach; i <= 0; ++i)
        window(i, -TrialNearReach, TrialNearReach, true);
}

// One five-point window of a line as seen by one colour.
struct WindowRead {
    bool blocked;       // a stone of the other colour or the frame lies in the window
    int blockedAt;      // the offset of the first such cell, when blocked
    int count;          // stones of the colour, when not blocked
    std::uint8_t mask;  // bit 4 - i for a stone at window position i, as in the tables
};

// The stones of a window, by its bits read forwards (bit i for position i): their count and
// the table mask, in which position 0 is the high bit.
struct WindowStones {
    int count;
    std::uint8_t mask;
};
inline constexpr std::array<WindowStones, 32> WindowStonesByBits = [] {
    std::array<WindowStones, 32> stones{};
    for (unsigned forward = 0; forward < 32; ++forward) {
        stones[forward].count = std::popcount(forward);
        for (int i = 0; i < WindowLength; ++i)
            if (forward & (1u << i)) stones[forward].mask |= 1u << (WindowLength - 1 - i);
    }
    return stones;
}();

// The cells of the line through a point in one direction, at offsets -LineReach..LineReach
// from it, read outwards until the frame. Every cell the walk did not reach, and the two
// just beyond the reach, read as Border.
class LineCells {
  public:
    LineCells(const BoardGrid& grid, int x, int y, int dx, int dy) {
        for (int k = 0; k <= LineReach; ++k) {
            const CellState c = grid[x + k * dx][y + k * dy];
            if (c == Border) break;
            Set(k, c);
            forward_ = k;
        }
        for (int k = -1; k >= -LineReach; --k) {
            const CellState c = grid[x + k * dx][y + k * dy];
            if (c == Border) break;
            Set(k, c);
            back_ = k;
        }
        bits_[Border] = ~(bits_[Empty] | bits_[Black] | bits_[White]) & ((1u << Cells) - 1);
    }

    std::uint8_t At(int k) const { return cells_[k + Offset]; }
    // The last offsets the walk reached forwards and backwards.
    int Forward() const { return forward_; }
    int Back() const { return back_; }

    // The window of offsets start..start+4 for `colour`, closed by `other` and the frame.
    WindowRead Read(int start, std::uint8_t colour, std::uint8_t other) const {
        const int j = start + Offset;
        const std::uint32_t closed = ((bits_[other] | bits_[Border]) >> j) & WindowBits;
        if (closed) return {true, start + std::countr_zero(closed), 0, 0};
        const WindowStones& stones = WindowStonesByBits[(bits_[colour] >> j) & WindowBits];
        return {false, start, stones.count, stones.mask};
    }

    // Whether an open window of `count` stones from `start` is dead, from the cells around it.
    bool IsDead(int start, int count, std::uint8_t other) const {
        const std::uint8_t left = At(start - 1), right = At(start + WindowLength);
        if (count == 3) return ThreeIsDead(left, right, At(start + WindowLength + 1), At(start));
        if (count < 3) return FewIsDead(left, right, other);
        return false;
    }

  private:
    static constexpr int Offset = LineReach + 1;
    static constexpr int Cells = 2 * LineReach + 4;  // offsets -10..11
    static constexpr std::uint32_t WindowBits = (1u << WindowLength) - 1;
    void Set(int k, CellState c) {
        cells_[k + Offset] = c;
        bits_[c] |= 1u << (k + Offset);
    }

    std::uint8_t cells_[Cells] = {};
    std::uint32_t bits_[4] = {};  // per cell state, bit k + Offset for offset k
    int forward_ = 0, back_ = 0;
};

}  // namespace wuziqi
