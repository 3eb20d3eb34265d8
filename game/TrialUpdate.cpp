// Keeping a search step's copy of the threat map and lists current after a trial stone:
// only the four lines through the stone are looked at.
#include "Evaluation.h"
#include "GameBoard.h"

namespace wuziqi {

namespace {

// The line is read nine points each way; the live and dead tests look one or two further,
// where everything counts as Border.
constexpr int Reach = 9;
constexpr int Offset = Reach + 1;
constexpr int LineCells = 2 * Reach + 4;  // offsets -10..11

// How far from the stone the opponent's levels are taken down and the raised points lie.
constexpr int NearReach = 5;

class LineUpdate {
  public:
    LineUpdate(SearchState& state, TGameBoard& board, int x, int y, int direction)
        : state_(state), board_(board), x_(x), y_(y), d_(direction) {
        DirectionStep(direction, dx_, dy_);
        for (int k = 0; k <= Reach; ++k) {
            const CellState c = board.Grid[x + k * dx_][y + k * dy_];
            if (c == Border) break;
            Cell(k) = c;
        }
        for (int k = -1; k >= -Reach; --k) {
            const CellState c = board.Grid[x + k * dx_][y + k * dy_];
            if (c == Border) break;
            Cell(k) = c;
        }
    }

    void Run() {
        const std::uint8_t stone = Cell(0);
        const std::uint8_t other = Opponent(stone);

        // Take down the opponent's levels near the stone.
        for (int k = 0; k <= NearReach && Cell(k) != Border; ++k)
            TakeDown(other, k);
        for (int k = -1; k >= -NearReach && Cell(k) != Border; --k)
            TakeDown(other, k);

        // Rebuild them from the windows wholly on one side of the stone.
        for (int i = -9; i <= -5; ++i)
            TrialWindow(i, -5, -1, other, stone);
        for (int i = 1; i <= 5; ++i)
            TrialWindow(i, 1, 5, other, stone);

        // Raise the stone colour's levels from the windows that hold the stone.
        for (int i = -4; i <= 0; ++i)
            TrialWindow(i, -5, 5, stone, other);

        for (int colour = Black; colour <= White; ++colour)
            for (int k = -NearReach; k <= NearReach; ++k)
                if (raised_[colour - Black][k + NearReach])
                    RefreshCandidate(state_, board_, colour, X(k), Y(k));
    }

  private:
    std::uint8_t& Cell(int k) { return line_[k + Offset]; }
    int X(int k) const { return x_ + k * dx_; }
    int Y(int k) const { return y_ + k * dy_; }

    void TakeDown(std::uint8_t colour, int k) {
        state_.levels.At(colour, X(k), Y(k), d_) = 0;
        if (k != 0) RefreshCandidate(state_, board_, colour, X(k), Y(k));
    }

    // The window of cells i..i+4 for colour c with blocker b. Meeting a blocker inside the
    // window moves the caller's i there, so its next window starts just past it.
    void TrialWindow(int& i, int lo, int hi, std::uint8_t c, std::uint8_t b) {
        if (Cell(i) == Border || Cell(i) == b) return;
        int count = 0;
        std::uint8_t mask = 0;
        for (int k = i; k <= i + 4; ++k) {
            const std::uint8_t cell = Cell(k);
            if (cell == c) {
                ++count;
                mask |= static_cast<std::uint8_t>(1u << (4 - (k - i)));
            } else if (cell == b || cell == Border) {
                i = k;
                return;
            }
        }
        if (count < 2 || count == 5) return;

        Level levels[5] = {};
        if (count == 4) {
            for (Level& level : levels)
                level = FiveLevel;
        } else {
            const std::uint8_t left = Cell(i - 1), right = Cell(i + 5);
            bool dead;
            if (count == 3)
                dead = ThreeIsDead(left, right, Cell(i + 6), Cell(i));
            else
                dead = left == Border || left == b || right == Border || right == b;
            board_.MatchPattern(mask, count, dead, levels);
        }
        for (int k = i; k <= i + 4; ++k) {
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
    int x_, y_, d_;
    int dx_ = 0, dy_ = 0;
    std::uint8_t line_[LineCells] = {};  // Border everywhere the walk did not reach
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
