// The candidate lists: the twelve most promising empty points per colour, and the scan of
// the real board that fills them and finds the best-scoring point.
#include <algorithm>

#include "Evaluation.h"
#include "GameBoard.h"

namespace wuziqi {

double PointScore(const TGameBoard& board, int x, int y) {
    double score = 0.0;
    for (int d = 0; d < DirectionCount; ++d) {
        score += LevelWeight[board.Levels.At(Black, x, y, d)];
        score += LevelWeight[board.Levels.At(White, x, y, d)];
    }
    return score;
}

void ClearCandidates(CandidateList& list) {
    list = CandidateList{};
}

void AddRootCandidate(CandidateList& list, int x, int y, Level level) {
    constexpr int Last = CandidateList::Size - 1;
    if (level <= list.level[Last]) return;
    int j = 0;
    while (list.level[j] > level)
        ++j;
    list.OpenAt(j);
    list.Write(j, level, 0, CandidateList::Key(x, y));
}

void RemoveCandidate(CandidateList& list, int x, int y) {
    constexpr int Last = CandidateList::Size - 1;
    const int at = list.Find(CandidateList::Key(x, y));
    if (at == CandidateList::Size) return;
    for (int i = at; i < Last; ++i)
        list.Copy(i + 1, i);
    list.Write(Last, 0, 0, 0);
}

void RefileCandidate(CandidateList& list, const Level four[DirectionCount], std::uint16_t key) {
    constexpr int Last = CandidateList::Size - 1;
    const Level max = std::max(std::max(four[0], four[1]), std::max(four[2], four[3]));
    const std::int32_t sum = four[0] + four[1] + four[2] + four[3];

    const int k = list.Find(key);
    if (k < CandidateList::Size) {
        int target = k;
        if (k > 0 && list.level[k - 1] < max) {
            // Up past the slots of strictly lower level.
            int j = k - 1;
            for (; j >= 0 && list.level[j] < max; --j)
                list.Copy(j, j + 1);
            target = j + 1;
        } else if (k < Last && list.level[k + 1] > max) {
            // Down past the slots of strictly higher level.
            int j = k + 1;
            for (; j <= Last && list.level[j] > max; ++j)
                list.Copy(j, j - 1);
            target = j - 1;
        }
        list.Write(target, max, sum, key);
        return;
    }

    if (list.level[Last] >= max) return;
    // A new point goes after the entries of equal level and equal or higher sum.
    int j = 0;
    while (list.level[j] > max || (list.level[j] == max && list.levelSum[j] >= sum))
        ++j;
    list.OpenAt(j);
    list.Write(j, max, sum, key);
}

void RefreshCandidate(SearchState& state, const TGameBoard& board, int colour, int x, int y) {
    if (board.Grid[x][y] != Empty) return;
    Level four[DirectionCount];
    for (int d = 0; d < DirectionCount; ++d)
        four[d] = state.levels.At(colour, x, y, d);
    RefileCandidate(state.List(colour), four, CandidateList::Key(x, y));
}

RootCandidates BuildCandidates(const TGameBoard& board) {
    RootCandidates root;
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
