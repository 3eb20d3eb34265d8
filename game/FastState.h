#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "CellState.h"
#include "Evaluation.h"
#include "LevelMap.h"

namespace wuziqi {

class TGameBoard;

// The candidate list of the fast search: the same twelve slots as CandidateList, kept as
// three small arrays so that finding a point is one compare of sixteen 16-bit keys.
struct FastList {
    static constexpr int Size = CandidateList::Size;
    Level level[Size];
    std::int32_t levelSum[Size];
    // x * 256 + y; 0 for a free slot. Padded to 16 so that one compare covers the list.
    alignas(16) std::uint16_t key[16];

    static std::uint16_t Key(int x, int y) { return static_cast<std::uint16_t>(x * 256 + y); }
    static int KeyX(std::uint16_t key) { return key >> 8; }
    static int KeyY(std::uint16_t key) { return key & 0xFF; }

    void Clear() { std::memset(this, 0, sizeof *this); }

    // The slot (0-based) holding the point, or Size when it is not in the list.
    int Find(std::uint16_t k) const {
#if defined(__SSE2__)
        const __m128i wanted = _mm_set1_epi16(static_cast<short>(k));
        const __m128i low = _mm_load_si128(reinterpret_cast<const __m128i*>(key));
        const __m128i high = _mm_load_si128(reinterpret_cast<const __m128i*>(key + 8));
        const unsigned hits =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(low, wanted))) |
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(high, wanted))) << 16;
        // Two mask bits per key; the padding keys stay 0 and never match a point.
        return hits ? __builtin_ctz(hits) / 2 : Size;
#else
        for (int i = 0; i < Size; ++i)
            if (key[i] == k) return i;
        return Size;
#endif
    }

    void Remove(std::uint16_t k);

    static FastList From(const CandidateList& list);
};

// A search step's working copy, copied by value from step to step like SearchState.
struct FastState {
    LevelMap levels;
    FastList lists[2];  // index colour - Black

    FastList& List(int colour) { return lists[colour - Black]; }
    const FastList& List(int colour) const { return lists[colour - Black]; }
};

// The same update as UpdateAfterStone, on the fast state.
void FastUpdateAfterStone(FastState& state, const TGameBoard& board, int x, int y);

}  // namespace wuziqi
