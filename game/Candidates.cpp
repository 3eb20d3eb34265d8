// The candidate lists: the twelve most promising empty points per colour, and the scan of
// the real board that fills them and finds the best-scoring point.
#include <algorithm>

#include "Evaluation.h"
#include "GameBoard.h"

namespace wuziqi {

namespace {

constexpr int Last = CandidateList::Size;

// Slots from..Last-1 move down one place; the old last slot is dropped.
void OpenSlot(CandidateList& list, int from) {
    for (int k = Last; k > from; --k)
        list.Slot(k) = list.Slot(k - 1);
}

CandidateEntry Entry(Level level, std::int32_t levelSum, int x, int y) {
    return {level, levelSum, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)};
}

}  // namespace

double PointScore(const TGameBoard& board, int x, int y) {
    double score = 0.0;
    for (int d = 0; d < DirectionCount; ++d) {
        score += LevelWeight[board.Levels.At(Black, x, y, d)];
        score += LevelWeight[board.Levels.At(White, x, y, d)];
    }
    return score;
}

void ClearCandidates(CandidateList& list) {
    list.slots.fill(CandidateEntry{});
}

void AddRootCandidate(CandidateList& list, int x, int y, Level level) {
    if (level <= list.Slot(Last).level) return;
    int j = 1;
    while (list.Slot(j).level > level)
        ++j;
    OpenSlot(list, j);
    list.Slot(j) = Entry(level, 0, x, y);
}

void RemoveCandidate(CandidateList& list, int x, int y) {
    for (int k = 1; k <= Last; ++k) {
        if (!list.Slot(k).IsAt(x, y)) continue;
        for (int j = k; j < Last; ++j)
            list.Slot(j) = list.Slot(j + 1);
        list.Slot(Last) = CandidateEntry{};
        return;
    }
}

void RefreshCandidate(SearchState& state, const TGameBoard& board, int colour, int x, int y) {
    if (board.Grid[x][y] != Empty) return;
    Level max = 0;
    std::int32_t sum = 0;
    for (int d = 0; d < DirectionCount; ++d) {
        const Level level = state.levels.At(colour, x, y, d);
        max = std::max(max, level);
        sum += level;
    }
    CandidateList& list = state.List(colour);

    int k = 1;
    while (k <= Last && !list.Slot(k).IsAt(x, y))
        ++k;

    if (k <= Last) {
        int target = k;
        if (k > 1 && list.Slot(k - 1).level < max) {
            // Up past the slots of strictly lower level.
            int j = k - 1;
            for (; j >= 1 && list.Slot(j).level < max; --j)
                list.Slot(j + 1) = list.Slot(j);
            target = j + 1;
        } else if (k < Last && list.Slot(k + 1).level > max) {
            // Down past the slots of strictly higher level.
            int j = k + 1;
            for (; j <= Last && list.Slot(j).level > max; ++j)
                list.Slot(j - 1) = list.Slot(j);
            target = j - 1;
        }
        list.Slot(target) = Entry(max, sum, x, y);
        return;
    }

    if (list.Slot(Last).level >= max) return;
    // A new point goes after the entries of equal level and equal or higher sum.
    int j = 1;
    while (list.Slot(j).level > max || (list.Slot(j).level == max && list.Slot(j).levelSum >= sum))
        ++j;
    OpenSlot(list, j);
    list.Slot(j) = Entry(max, sum, x, y);
}

RootCandidates BuildCandidates(const TGameBoard& board) {
    RootCandidates root;
    ClearCandidates(root.lists[0]);
    ClearCandidates(root.lists[1]);
    double best = -6000000.0;
    for (int x = 1; x <= BoardSize; ++x) {
        for (int y = 1; y <= BoardSize; ++y) {
            if (board.Grid[x][y] != Empty) continue;
            if (board.Levels.Group(Black, x, y) == 0 && board.Levels.Group(White, x, y) == 0)
                continue;
            Level maxBlack = 0, maxWhite = 0;
            for (int d = 0; d < DirectionCount; ++d) {
                maxBlack = std::max(maxBlack, board.Levels.At(Black, x, y, d));
                maxWhite = std::max(maxWhite, board.Levels.At(White, x, y, d));
            }
            const double score = PointScore(board, x, y);
            // Strictly greater: among equal scores the first point in scan order stays.
            if (score > best) {
                best = score;
                root.bestX = x;
                root.bestY = y;
            }
            AddRootCandidate(root.lists[0], x, y, maxBlack);
            AddRootCandidate(root.lists[1], x, y, maxWhite);
        }
    }
    return root;
}

}  // namespace wuziqi
