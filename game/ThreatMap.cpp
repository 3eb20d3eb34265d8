// The threat map's upkeep: matching five-point windows against the pattern tables and
// re-marking the lines through a changed point.
#include <algorithm>

#include "GameBoard.h"
#include "LineWindow.h"

namespace wuziqi {

namespace {

constexpr double WinScore = 1900000.0;

}  // namespace

void TGameBoard::MatchPattern(std::uint8_t mask, int count, bool dead, Level levels[5]) {
    const WindowLevels* found = nullptr;
    if (dead)
        found = &DeadLevelsByCount[InRange(count, 1, 4) ? count : 0];
    else if (count == 4 || MaskFitsCount(mask, count))
        found = &LevelsOfWindow(count == 4 ? 0x0F : mask, count, false);
    if (!found) {
        if (Reporter) Reporter->PatternMismatch(count);
        return;
    }
    for (int i = 0; i < WindowLength; ++i)
        levels[i] = (*found)[i];
}

void TGameBoard::ScanLine(std::uint8_t direction, int x, int y) {
    int dx = 0, dy = 0;
    DirectionStep(direction, dx, dy);
    const LineCells line(Grid, x, y, dx, dy);

    // Only the windows through the points up to WindowReach away are re-marked below, so those
    // points (and only those) are cleared first: this keeps every level 11 exact.
    for (int k = std::max(line.Back(), -WindowReach); k <= std::min(line.Forward(), WindowReach);
         ++k) {
        Levels.At(Black, x + k * dx, y + k * dy, direction) = 0;
        Levels.At(White, x + k * dx, y + k * dy, direction) = 0;
    }

    for (int s = -2 * WindowReach; s <= WindowReach; ++s) {
        if (line.At(s) == Border) continue;
        for (std::uint8_t colour : {std::uint8_t{Black}, std::uint8_t{White}}) {
            const std::uint8_t other = colour == Black ? White : Black;
            const WindowRead window = line.Read(s, colour, other);
            if (window.blocked) continue;
            // The window is open for this colour, so it is closed for the other one.
            if (window.count == 0 || window.count == WindowLength) break;
            Level levels[5] = {};
            MatchPattern(window.mask, window.count, line.IsDead(s, window.count, other), levels);
            for (int i = 0; i < WindowLength; ++i) {
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
