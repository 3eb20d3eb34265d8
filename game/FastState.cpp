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

// Re-files one empty point in a list; `four` points at its four direction levels.
void Refresh(FastList& list, const Level* four, std::uint16_t key) {
    const Level max = std::max(std::max(four[0], four[1]), std::max(four[2], four[3]));
    const std::int32_t sum = four[0] + four[1] + four[2] + four[3];

    const int k = list.Find(key);
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

// Live levels by the window's stones as forward bits (bit t for the window's cell t),
// the reverse of the threat map's masks.
struct ForwardTable {
    Level levels[32][5] = {};
    ForwardTable() {
        for (int forward = 0; forward < 32; ++forward) {
            int mask = 0;
            for (int t = 0; t < 5; ++t)
                if (forward & (1 << t)) mask |= 1 << (4 - t);
            for (int t = 0; t < 5; ++t)
                levels[forward][t] = Live.levels[mask][t];
        }
    }
};
const ForwardTable Forward;

// Set bits of a five-bit window, without relying on a popcount instruction.
constexpr std::array<std::uint8_t, 32> StoneCount = [] {
    std::array<std::uint8_t, 32> counts{};
    for (int m = 0; m < 32; ++m)
        for (int t = 0; t < 5; ++t)
            counts[m] += (m >> t) & 1;
    return counts;
}();

constexpr int Reach = 9;
constexpr int Offset = Reach + 1;  // line index of offset 0; indices cover offsets -10..11
constexpr int NearReach = 5;
constexpr int LevelsPerColumn = BoardSize * DirectionCount;

// One line of the update, for the direction with step (DX, DY): the same steps as
// TrialScanLine, with the line's cells also kept as bit sets so that a window is judged
// with a few shifts.
template <int DX, int DY, int D>
void ScanTrialLine(FastState& state, const TGameBoard& board, int x0, int y0) {
    constexpr int LevelStep = DX * LevelsPerColumn + DY * DirectionCount;
    constexpr int KeyStep = DX * 256 + DY;

    std::uint8_t line[2 * Reach + 4] = {};  // Border where the walk did not reach
    std::uint32_t bits[4] = {};             // per cell state: bit (offset + Offset)
    for (int k = 0; k <= Reach; ++k) {
        const CellState c = board.Grid[x0 + k * DX][y0 + k * DY];
        if (c == Border) break;
        line[k + Offset] = c;
        bits[c] |= 1u << (k + Offset);
    }
    for (int k = -1; k >= -Reach; --k) {
        const CellState c = board.Grid[x0 + k * DX][y0 + k * DY];
        if (c == Border) break;
        line[k + Offset] = c;
        bits[c] |= 1u << (k + Offset);
    }
    bits[Border] = ~(bits[Empty] | bits[Black] | bits[White]) & ((1u << (2 * Reach + 4)) - 1);

    const std::uint8_t stone = line[Offset];
    const std::uint8_t other = stone == Black ? White : Black;
    const int origin = (x0 - 1) * LevelsPerColumn + (y0 - 1) * DirectionCount;
    Level* base[2] = {&state.levels.values[0][0][0][0] + origin,
                      &state.levels.values[1][0][0][0] + origin};
    const std::uint16_t key0 = FastList::Key(x0, y0);
    auto point = [&](int colour, int k) { return base[colour - Black] + k * LevelStep; };
    unsigned raised[2] = {};  // bit k + NearReach

    FastList& otherList = state.List(other);
    point(other, 0)[D] = 0;
    for (int k = 1; k <= NearReach && line[k + Offset] != Border; ++k) {
        Level* four = point(other, k);
        four[D] = 0;
        if (line[k + Offset] == Empty) Refresh(otherList, four, key0 + k * KeyStep);
    }
    for (int k = -1; k >= -NearReach && line[k + Offset] != Border; --k) {
        Level* four = point(other, k);
        four[D] = 0;
        if (line[k + Offset] == Empty) Refresh(otherList, four, key0 + k * KeyStep);
    }

    auto window = [&](int& i, int lo, int hi, std::uint8_t c, std::uint8_t b) {
        const int j = i + Offset;
        const std::uint32_t closed = ((bits[b] | bits[Border]) >> j) & 0x1F;
        if (closed) {
            i += __builtin_ctz(closed);  // at the first blocker; the caller goes on past it
            return;
        }
        const unsigned stones = (bits[c] >> j) & 0x1F;
        const int count = StoneCount[stones];
        if (count < 2 || count == 5) return;
        Level dead[5];
        const Level* levels = Forward.levels[stones];
        if (count < 4) {
            const std::uint8_t left = line[j - 1], right = line[j + 5];
            const bool isDead =
                count == 3 ? ThreeIsDead(left, right, line[j + 6], line[j])
                           : (left == Border || left == b || right == Border || right == b);
            if (isDead) {
                std::fill(dead, dead + 5, DeadLevel(count));
                levels = dead;
            }
        }
        const int from = std::max(i, lo), to = std::min(i + 4, hi);
        for (int k = from; k <= to; ++k) {
            if (line[k + Offset] != Empty) continue;
            Level& level = point(c, k)[D];
            if (levels[k - i] > level) {
                level = levels[k - i];
                raised[c - Black] |= 1u << (k + NearReach);
            }
        }
    };
    for (int i = -9; i <= -5; ++i)
        window(i, -5, -1, other, stone);
    for (int i = 1; i <= 5; ++i)
        window(i, 1, 5, other, stone);
    for (int i = -4; i <= 0; ++i)
        window(i, -5, 5, stone, other);

    for (int c = Black; c <= White; ++c) {
        FastList& list = state.List(c);
        for (unsigned r = raised[c - Black]; r; r &= r - 1) {
            const int k = __builtin_ctz(r) - NearReach;
            Refresh(list, point(c, k), key0 + k * KeyStep);
        }
    }
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
    ScanTrialLine<1, 0, 0>(state, board, x, y);
    ScanTrialLine<1, 1, 1>(state, board, x, y);
    ScanTrialLine<0, 1, 2>(state, board, x, y);
    ScanTrialLine<-1, 1, 3>(state, board, x, y);
}

}  // namespace wuziqi
