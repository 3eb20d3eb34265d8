// Keeping a search step's copy of the threat map and lists current after a trial stone:
// only the four lines through the stone are looked at.
#include "Evaluation.h"
#include "GameBoard.h"
#include "LineWindow.h"

namespace wuziqi {

namespace {

constexpr int NearReach = TrialNearReach;

class LineUpdate {
  public:
    LineUpdate(SearchState& state, TGameBoard& board, int x, int y, int direction)
        : state_(state),
          board_(board),
          step_(StepOf(direction)),
          line_(board.Grid, x, y, step_.dx, step_.dy),
          x_(x),
          y_(y),
          d_(direction) {}

    void Run() {
        const std::uint8_t stone = line_.At(0);
        const std::uint8_t other = Opponent(stone);

        // Take down the opponent's levels near the stone.
        for (int k = 0; k <= NearReach && line_.At(k) != Border; ++k)
            TakeDown(other, k);
        for (int k = -1; k >= -NearReach && line_.At(k) != Border; --k)
            TakeDown(other, k);

        // Rebuild them from the windows wholly on one side of the stone, then raise the stone
        // colour's levels from the windows that hold the stone.
        ForEachTrialWindow([&](int& i, int lo, int hi, bool ofStone) {
            TrialWindow(i, lo, hi, ofStone ? stone : other, ofStone ? other : stone);
        });

        for (int colour = Black; colour <= White; ++colour)
            for (int k = -NearReach; k <= NearReach; ++k)
                if (raised_[colour - Black][k + NearReach])
                    RefreshCandidate(state_, board_, colour, X(k), Y(k));
    }

  private:
    struct Step {
        int dx = 0, dy = 0;
    };
    static Step StepOf(int direction) {
        Step step;
        DirectionStep(direction, step.dx, step.dy);
        return step;
    }
    int X(int k) const { return x_ + k * step_.dx; }
    int Y(int k) const { return y_ + k * step_.dy; }

    void TakeDown(std::uint8_t colour, int k) {
        state_.levels.At(colour, X(k), Y(k), d_) = 0;
        if (k != 0) RefreshCandidate(state_, board_, colour, X(k), Y(k));
    }

    // The window of cells i..i+4 for colour c with blocker b. Meeting a blocker inside the
    // window moves the caller's i there, so its next window starts just past it.
    void TrialWindow(int& i, int lo, int hi, std::uint8_t c, std::uint8_t b) {
        const WindowRead window = line_.Read(i, c, b);
        if (window.blocked) {
            i = window.blockedAt;
            return;
        }
        if (window.count < 2 || window.count == WindowLength) return;

        Level levels[5] = {};
        board_.MatchPattern(window.mask, window.count, line_.IsDead(i, window.count, b), levels);
        for (int k = i; k < i + WindowLength; ++k) {
            if (board_.Grid[X(k)][Y(k)] != Empty || k < lo || k > hi) continue;
            Level& level = state_.levels.At(c, X(k), Y(k), d_);
            if (levels[k - i] > level) {
                level = levels[k - i];
                raised_[c - Black][k + NearReach] = true;
            }
        }
    }

    SearchState& state_;
    TGameBoard& board_;
    const Step step_;
    const LineCells line_;
    int x_, y_, d_;
    bool raised_[2][2 * NearReach + 1] = {};
};

}  // namespace

void TrialScanLine(SearchState& state, TGameBoard& board, int x, int y, int direction) {
    LineUpdate(state, board, x, y, direction).Run();
}

void UpdateAfterStone(SearchState& state, TGameBoard& board, int x, int y) {
    for (int d = 0; d < DirectionCount; ++d)
        TrialScanLine(state, board, x, y, d);
}

}  // namespace wuziqi
