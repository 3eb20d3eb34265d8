// The trial-stone update of the fast search: the same steps as TrialUpdate.cpp and the
// candidate refresh of Candidates.cpp, on compact lists and with the pattern tables
// folded into one lookup by mask.
#include "FastState.h"

#include <algorithm>

#include "GameBoard.h"

namespace wuziqi {

namespace {

constexpr int Size = FastList::Size;

// Live levels of a window by mask, for two, three and four stones (the mask tells the
// count); each mask stands in exactly one pattern table.
struct LiveTable {
    Level levels[32][5] = {};
    LiveTable() {
        for (int count = 2; count <= 4; ++count) {
            const PatternTable& table = PatternTables[count - 1];
            for (int r = 0; r < table.count; ++r)
                for (int i = 0; i < 5; ++i)
                    levels[table.rows[r].mask][i] = table.rows[r].levels[i];
        }
    }
};
const LiveTable Live;

void Refresh(FastState& state, const TGameBoard& board, int colour, int x, int y) {
    if (board.Grid[x][y] != Empty) return;
    const Level* four = &state.levels.At(colour, x, y, 0);
    const Level max = std::max(std::max(four[0], four[1]), std::max(four[2], four[3]));
    const std::int32_t sum = four[0] + four[1] + four[2] + four[3];
    FastList& list = state.List(colour);
    const std::uint16_t key = FastList::Key(x, y);

    int k = list.Find(key);
    if (k < Size) {
        int target = k;
        if (k > 0 && list.level[k - 1] < max) {
            int j = k - 1;
            for (; j >= 0 && list.level[j] < max; --j) {
                list.level[j + 1] = list.level[j];
                list.levelSum[j + 1] = list.levelSum[j];
                list.key[j + 1] = list.key[j];
            }
            target = j + 1;
        } else if (k < Size - 1 && list.level[k + 1] > max) {
            int j = k + 1;
            for (; j < Size && list.level[j] > max; ++j) {
                list.level[j - 1] = list.level[j];
                list.levelSum[j - 1] = list.levelSum[j];
                list.key[j - 1] = list.key[j];
            }
            target = j - 1;
        }
        list.level[target] = max;
        list.levelSum[target] = sum;
        list.key[target] = key;
        return;
    }

    if (list.level[Size - 1] >= max) return;
    int j = 0;
    while (list.level[j] > max || (list.level[j] == max && list.levelSum[j] >= sum))
        ++j;
    for (int i = Size - 1; i > j; --i) {
        list.level[i] = list.level[i - 1];
        list.levelSum[i] = list.levelSum[i - 1];
        list.key[i] = list.key[i - 1];
    }
    list.level[j] = max;
    list.levelSum[j] = sum;
    list.key[j] = key;
}

bool ThreeIsDead(std::uint8_t left, std::uint8_t right, std::uint8_t right2, std::uint8_t first) {
    if (left == Empty && right == Empty) return false;
    if (left == Empty) return true;
    if (right2 == Empty) return true;
    if (first == Empty && right == Empty) return false;
    return true;
}

constexpr int Reach = 9;
constexpr int Offset = Reach + 1;
constexpr int NearReach = 5;

void ScanTrialLine(FastState& state, const TGameBoard& board, int x0, int y0, int d) {
    int dx = 0, dy = 0;
    DirectionStep(d, dx, dy);
    std::uint8_t line[2 * Reach + 4] = {};  // offsets -10..11, Border where not reached
    auto cell = [&](int k) { return line[k + Offset]; };
    for (int k = 0; k <= Reach; ++k) {
        const CellState c = board.Grid[x0 + k * dx][y0 + k * dy];
        if (c == Border) break;
        line[k + Offset] = c;
    }
    for (int k = -1; k >= -Reach; --k) {
        const CellState c = board.Grid[x0 + k * dx][y0 + k * dy];
        if (c == Border) break;
        line[k + Offset] = c;
    }
    const std::uint8_t stone = cell(0);
    const std::uint8_t other = stone == Black ? White : Black;
    bool raised[2][2 * NearReach + 1] = {};

    auto takeDown = [&](int k) {
        const int px = x0 + k * dx, py = y0 + k * dy;
        state.levels.At(other, px, py, d) = 0;
        if (k != 0) Refresh(state, board, other, px, py);
    };
    for (int k = 0; k <= NearReach && cell(k) != Border; ++k)
        takeDown(k);
    for (int k = -1; k >= -NearReach && cell(k) != Border; --k)
        takeDown(k);

    auto window = [&](int& i, int lo, int hi, std::uint8_t c, std::uint8_t b) {
        if (cell(i) == Border || cell(i) == b) return;
        int count = 0;
        unsigned mask = 0;
        for (int k = i; k <= i + 4; ++k) {
            const std::uint8_t v = cell(k);
            if (v == c) {
                ++count;
                mask |= 1u << (4 - (k - i));
            } else if (v != Empty) {
                i = k;
                return;
            }
        }
        if (count < 2 || count == 5) return;
        Level dead[5];
        const Level* levels = Live.levels[mask];
        if (count < 4) {
            const std::uint8_t left = cell(i - 1), right = cell(i + 5);
            const bool isDead =
                count == 3 ? ThreeIsDead(left, right, cell(i + 6), cell(i))
                           : (left == Border || left == b || right == Border || right == b);
            if (isDead) {
                std::fill(dead, dead + 5, DeadLevel(count));
                levels = dead;
            }
        }
        for (int k = std::max(i, lo); k <= std::min(i + 4, hi); ++k) {
            if (cell(k) != Empty) continue;
            Level& level = state.levels.At(c, x0 + k * dx, y0 + k * dy, d);
            if (levels[k - i] > level) {
                level = levels[k - i];
                raised[c - Black][k + NearReach] = true;
            }
        }
    };
    for (int i = -9; i <= -5; ++i)
        window(i, -5, -1, other, stone);
    for (int i = 1; i <= 5; ++i)
        window(i, 1, 5, other, stone);
    for (int i = -4; i <= 0; ++i)
        window(i, -5, 5, stone, other);

    for (int c = Black; c <= White; ++c)
        for (int k = -NearReach; k <= NearReach; ++k)
            if (raised[c - Black][k + NearReach])
                Refresh(state, board, c, x0 + k * dx, y0 + k * dy);
}

}  // namespace

void FastList::Remove(std::uint16_t k) {
    const int at = Find(k);
    if (at == Size) return;
    for (int i = at; i < Size - 1; ++i) {
        level[i] = level[i + 1];
        levelSum[i] = levelSum[i + 1];
        key[i] = key[i + 1];
    }
    level[Size - 1] = 0;
    levelSum[Size - 1] = 0;
    key[Size - 1] = 0;
}

FastList FastList::From(const CandidateList& list) {
    FastList fast;
    fast.Clear();
    for (int i = 0; i < Size; ++i) {
        const CandidateEntry& e = list.slots[i];
        fast.level[i] = e.level;
        fast.levelSum[i] = e.levelSum;
        fast.key[i] = e.x == 0 ? 0 : Key(e.x, e.y);
    }
    return fast;
}

void FastUpdateAfterStone(FastState& state, const TGameBoard& board, int x, int y) {
    for (int d = 0; d < DirectionCount; ++d)
        ScanTrialLine(state, board, x, y, d);
}

}  // namespace wuziqi
