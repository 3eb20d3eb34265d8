#pragma once

#include <array>
#include <cstdint>

#include "CellState.h"
#include "LevelMap.h"

namespace wuziqi {

class TGameBoard;

// The value of one line Level for a point: what a stone there would make in that line.
inline constexpr std::array<double, 12> LevelWeight = {0,   1,   5,   8,   10,   6,
                                                       170, 255, 285, 290, 3000, 8000};

// The sum over the four directions of both colours' weights at an empty point, read from
// the board's threat map. Attack and defence count alike.
double PointScore(const TGameBoard& board, int x, int y);

// One slot of a candidate list. A free slot is all zero.
struct CandidateEntry {
    Level level = 0;            // highest of the point's four levels when last written
    std::int32_t levelSum = 0;  // their sum (0 for entries made from the real board)
    std::int16_t x = 0;
    std::int16_t y = 0;

    bool IsAt(int px, int py) const { return x == px && y == py; }
};

// The twelve points of one colour with the highest levels, best first. Slots are numbered
// 1..12 as the move choice reads them; readers walk them in order and stop at a level
// below what they need, since free slots are not counted.
struct CandidateList {
    static constexpr int Size = 12;
    std::array<CandidateEntry, Size> slots{};

    CandidateEntry& Slot(int k) { return slots[k - 1]; }
    const CandidateEntry& Slot(int k) const { return slots[k - 1]; }
};

// All slots free.
void ClearCandidates(CandidateList& list);

// Inserts a point of the real board by level, ahead of points of equal level; a level
// that does not beat slot 12 stays out.
void AddRootCandidate(CandidateList& list, int x, int y, Level level);

// Takes the point out of the list if it is there; the slots below move up.
void RemoveCandidate(CandidateList& list, int x, int y);

// What one search step works on: its own copy of both colours' levels and both lists.
// Copied by value from step to step; the board's Grid is shared and not part of it.
struct SearchState {
    LevelMap levels;
    std::array<CandidateList, 2> lists;  // index colour - Black

    CandidateList& List(int colour) { return lists[colour - Black]; }
    const CandidateList& List(int colour) const { return lists[colour - Black]; }
};

// Re-files an empty point in one colour's list from the state's levels: it moves up or
// down past entries of strictly lower or higher level, or comes in by level and levelSum.
void RefreshCandidate(SearchState& state, const TGameBoard& board, int colour, int x, int y);

// The real board's candidate lists and its best-scoring empty point ((0, 0) when no empty
// point has any level).
struct RootCandidates {
    std::array<CandidateList, 2> lists;
    int bestX = 0;
    int bestY = 0;
};
RootCandidates BuildCandidates(const TGameBoard& board);

// Brings the state up to date after a trial stone was written into the board's Grid at
// (x, y): the four lines through the stone are rescanned in the copy.
void UpdateAfterStone(SearchState& state, TGameBoard& board, int x, int y);

// One line of that update, in direction d.
void TrialScanLine(SearchState& state, TGameBoard& board, int x, int y, int direction);

}  // namespace wuziqi
