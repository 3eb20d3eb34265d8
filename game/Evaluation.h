#pragma once

#include <array>
#include <bit>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
// below what they need, since free slots are not counted. Kept as three small arrays (index
// slot - 1) so that finding a point is one compare of sixteen 16-bit keys.
struct CandidateList {
    static constexpr int Size = 12;
    Level level[Size] = {};
    std::int32_t levelSum[Size] = {};
    // x * 256 + y; 0 for a free slot. Padded to 16 so that one compare covers the list.
    alignas(16) std::uint16_t key[16] = {};

    static constexpr std::uint16_t Key(int x, int y) {
        return static_cast<std::uint16_t>(x * 256 + y);
    }
    static constexpr int KeyX(std::uint16_t key) { return key >> 8; }
    static constexpr int KeyY(std::uint16_t key) { return key & 0xFF; }

    CandidateEntry Slot(int k) const {
        return {level[k - 1], levelSum[k - 1], static_cast<std::int16_t>(KeyX(key[k - 1])),
                static_cast<std::int16_t>(KeyY(key[k - 1]))};
    }
    void SetSlot(int k, const CandidateEntry& e) {
        level[k - 1] = e.level;
        levelSum[k - 1] = e.levelSum;
        key[k - 1] = e.x == 0 ? 0 : Key(e.x, e.y);
    }

    // The index (slot - 1) holding the point, or Size when it is not in the list.
    int Find(std::uint16_t k) const {
#if defined(__SSE2__)
        const __m128i wanted = _mm_set1_epi16(static_cast<short>(k));
        const __m128i low = _mm_load_si128(reinterpret_cast<const __m128i*>(key));
        const __m128i high = _mm_load_si128(reinterpret_cast<const __m128i*>(key + 8));
        const unsigned hits =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(low, wanted))) |
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(high, wanted))) << 16;
        // Two mask bits per key; the padding keys stay 0 and never match a point.
        return hits ? std::countr_zero(hits) / 2 : Size;
#else
        for (int i = 0; i < Size; ++i)
            if (key[i] == k) return i;
        return Size;
#endif
    }

    // Index `from` and the ones below it move down one place; the last one is dropped.
    void OpenAt(int from) {
        // Over all slots, with the test inside: a fixed count that the compiler unrolls,
        // instead of three library calls for a few bytes each.
        for (int i = Size - 1; i > 0; --i)
            if (i > from) Copy(i - 1, i);
    }
    void Write(int i, Level lv, std::int32_t sum, std::uint16_t k) {
        level[i] = lv;
        levelSum[i] = sum;
        key[i] = k;
    }
    void Copy(int from, int to) {
        Write(to, level[from], levelSum[from], key[from]);
    }
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

// The same for a point whose four direction levels are `four`, known to be empty.
void RefileCandidate(CandidateList& list, const Level four[DirectionCount], std::uint16_t key);

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
