// The trial-stone update of the fast search: the same steps as TrialUpdate.cpp, on the same
// window reading and candidate refiling, with the line's direction fixed at compile time.
#include "FastState.h"

#include <algorithm>
#include <bit>

#include "GameBoard.h"
#include "LineWindow.h"

namespace wuziqi {

namespace {

constexpr int NearReach = TrialNearReach;

// One line of the update, for the direction D with step (DX, DY).
template <int DX, int DY, int D>
void ScanTrialLine(SearchState& state, const TGameBoard& board, int x0, int y0) {
    const LineCells line(board.Grid, x0, y0, DX, DY);
    const std::uint8_t stone = line.At(0);
    const std::uint8_t other = stone == Black ? White : Black;
    // The levels of the point at offset k for one colour, by index: [x - 1][y - 1].
    using Plane = Level[BoardSize][BoardSize][DirectionCount];
    Plane& stonePlane = state.levels.values[stone - Black];
    Plane& otherPlane = state.levels.values[other - Black];
    auto four = [&](Plane& plane, int k) -> Level* {
        return plane[x0 - 1 + k * DX][y0 - 1 + k * DY];
    };
    auto key = [&](int k) { return CandidateList::Key(x0 + k * DX, y0 + k * DY); };
    unsigned raised[2] = {};  // bit k + NearReach

    CandidateList& otherList = state.List(other);
    four(otherPlane, 0)[D] = 0;
    for (int k = 1; k <= NearReach && line.At(k) != Border; ++k) {
        four(otherPlane, k)[D] = 0;
        if (line.At(k) == Empty) RefileCandidate(otherList, four(otherPlane, k), key(k));
    }
    for (int k = -1; k >= -NearReach && line.At(k) != Border; --k) {
        four(otherPlane, k)[D] = 0;
        if (line.At(k) == Empty) RefileCandidate(otherList, four(otherPlane, k), key(k));
    }

    auto window = [&](int& i, int lo, int hi, std::uint8_t c, std::uint8_t b) {
        Plane& plane = c == stone ? stonePlane : otherPlane;
        const WindowRead read = line.Read(i, c, b);
        if (read.blocked) {
            i = read.blockedAt;  // the caller goes on past the blocker
            return;
        }
        if (read.count < 2 || read.count == WindowLength) return;
        const WindowLevels& levels =
            LevelsOfWindow(read.mask, read.count, line.IsDead(i, read.count, b));
        const int from = std::max(i, lo), to = std::min(i + WindowReach, hi);
        for (int k = from; k <= to; ++k) {
            if (line.At(k) != Empty) continue;
            Level& level = four(plane, k)[D];
            if (levels[k - i] > level) {
                level = levels[k - i];
                raised[c - Black] |= 1u << (k + NearReach);
            }
        }
    };
    ForEachTrialWindow([&](int& i, int lo, int hi, bool ofStone) {
        window(i, lo, hi, ofStone ? stone : other, ofStone ? other : stone);
    });

    for (int c = Black; c <= White; ++c) {
        CandidateList& list = state.List(c);
        Plane& plane = state.levels.values[c - Black];
        for (unsigned r = raised[c - Black]; r; r &= r - 1) {
            const int k = std::countr_zero(r) - NearReach;
            RefileCandidate(list, four(plane, k), key(k));
        }
    }
}

}  // namespace

void FastUpdateAfterStone(SearchState& state, const TGameBoard& board, int x, int y) {
    ScanTrialLine<1, 0, 0>(state, board, x, y);
    ScanTrialLine<1, 1, 1>(state, board, x, y);
    ScanTrialLine<0, 1, 2>(state, board, x, y);
    ScanTrialLine<-1, 1, 3>(state, board, x, y);
}

}  // namespace wuziqi
