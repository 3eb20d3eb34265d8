// The threat map's upkeep: matching five-point windows against the pattern tables and
// re-marking the lines through a changed point.
#include "GameBoard.h"

namespace wuziqi {

namespace {

constexpr double WinScore = 1900000.0;

// How far ScanLine gathers the line on each side of the changed point.
constexpr int GatherReach = 9;
// Windows through the points up to four away from the changed point are re-marked, so
// those points (and only those) are cleared first: this keeps every level 11 exact.
constexpr int ClearReach = 4;

}  // namespace

void TGameBoard::MatchPattern(std::uint8_t mask, int count, bool dead, Level levels[5]) {
    if (dead) {
        for (int i = 0; i < 5; ++i)
            levels[i] = DeadLevel(count);
        return;
    }
    if (count == 4) {
        for (int i = 0; i < 5; ++i)
            levels[i] = PatternTables[3].rows[0].levels[i];
        return;
    }
    if (InRange(count, 1, 3)) {
        const PatternTable& table = PatternTables[count - 1];
        for (int r = 0; r < table.count; ++r) {
            if (table.rows[r].mask != mask) continue;
            for (int i = 0; i < 5; ++i)
                levels[i] = table.rows[r].levels[i];
            return;
        }
    }
    if (Reporter) Reporter->PatternMismatch(count);
}

void TGameBoard::ScanLine(std::uint8_t direction, int x, int y) {
    int dx = 0, dy = 0;
    DirectionStep(direction, dx, dy);

    // line[k + Offset] is the cell at step k, for k = -9..+10; unreached cells stay Border.
    constexpr int Offset = GatherReach;
    std::uint8_t line[2 * GatherReach + 2] = {};
    auto cell = [&](int k) -> std::uint8_t& { return line[k + Offset]; };

    int reachForward = 0, reachBack = 0;
    for (int k = 0; k <= GatherReach; ++k) {
        const CellState c = Grid[x + k * dx][y + k * dy];
        if (c == Border) break;
        cell(k) = c;
        reachForward = k;
    }
    for (int k = -1; k >= -GatherReach; --k) {
        const CellState c = Grid[x + k * dx][y + k * dy];
        if (c == Border) break;
        cell(k) = c;
        reachBack = k;
    }

    for (int k = std::max(reachBack, -ClearReach); k <= std::min(reachForward, ClearReach); ++k) {
        Levels.At(Black, x + k * dx, y + k * dy, direction) = 0;
        Levels.At(White, x + k * dx, y + k * dy, direction) = 0;
    }

    for (int s = -8; s <= 4; ++s) {
        if (cell(s) == Border) continue;
        for (std::uint8_t colour : {std::uint8_t{Black}, std::uint8_t{White}}) {
            const std::uint8_t other = colour == Black ? White : Black;
            int count = 0;
            std::uint8_t mask = 0;
            bool open = true;
            for (int t = s; t <= s + 4; ++t) {
                const std::uint8_t c = cell(t);
                if (c == other || c == Border) {
                    open = false;
                    break;
                }
                if (c == colour) {
                    ++count;
                    mask |= static_cast<std::uint8_t>(1u << (4 - (t - s)));
                }
            }
            if (!open) continue;
            // The window is open for this colour, so it is closed for the other one.
            if (count == 0 || count == 5) break;

            const std::uint8_t left = cell(s - 1), right = cell(s + 5);
            bool dead = false;
            if (count == 3) {
                dead = ThreeIsDead(left, right, cell(s + 6), cell(s));
            } else if (count < 3) {
                dead = left == Border || left == other || right == Border || right == other;
            }
            Level levels[5] = {};
            MatchPattern(mask, count, dead, levels);
            for (int i = 0; i < 5; ++i) {
                Level& level = Levels.At(colour, x + (s + i) * dx, y + (s + i) * dy, direction);
                if (level < levels[i]) level = levels[i];
            }
            break;
        }
    }
}

void TGameBoard::UpdateLines(int x, int y) {
    for (std::uint8_t d = 0; d < DirectionCount; ++d)
        ScanLine(d, x, y);
}

bool TGameBoard::WinTest(int x, int y, double& score, std::uint8_t colour) const {
    for (int d = 0; d < DirectionCount; ++d) {
        if (Levels.At(colour, x, y, d) == FiveLevel) {
            score = WinScore;
            return true;
        }
    }
    return false;
}

}  // namespace wuziqi
