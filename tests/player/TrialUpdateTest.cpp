// The update of a search step's copy after a trial stone.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "Evaluation.h"
#include "FastState.h"
#include "GameBoard.h"

namespace wuziqi {
namespace {

int SlotOf(const CandidateList& list, int x, int y) {
    for (int k = 1; k <= CandidateList::Size; ++k)
        if (list.Slot(k).IsAt(x, y)) return k;
    return 0;
}

SearchState StateOf(const TGameBoard& board) {
    SearchState state;
    state.levels = board.Levels;
    state.lists = BuildCandidates(board).lists;
    return state;
}

TEST(TrialUpdate, ATrialStoneOnRow8CutsTheThreeAndLeavesTheBoardsOwnMapAlone) {
    TGameBoard board;
    for (int x = 5; x <= 7; ++x)
        board.Place(x, 8, Black);
    const LevelMap boardLevels = board.Levels;
    SearchState state = StateOf(board);

    board.Grid[8][8] = White;
    UpdateAfterStone(state, board, 8, 8);

    EXPECT_EQ(state.levels.At(Black, 3, 8, 0), 9);
    EXPECT_EQ(state.levels.At(Black, 4, 8, 0), 9);
    for (int x = 9; x <= 13; ++x)
        EXPECT_EQ(state.levels.At(Black, x, 8, 0), 0) << "x " << x;
    for (int x = 1; x <= 15; ++x)
        EXPECT_EQ(state.levels.At(White, x, 8, 0), boardLevels.At(White, x, 8, 0)) << "x " << x;

    const CandidateList& black = state.List(Black);
    const int at = SlotOf(black, 3, 8);
    ASSERT_GT(at, 0);
    ASSERT_LT(at, 12);
    EXPECT_TRUE(black.Slot(at + 1).IsAt(4, 8));
    EXPECT_EQ(black.Slot(at).level, 9);
    EXPECT_EQ(black.Slot(at + 1).level, 9);
    EXPECT_EQ(black.Slot(at).levelSum, 9);
    EXPECT_EQ(black.Slot(at + 1).levelSum, 9);

    EXPECT_EQ(board.Levels, boardLevels) << "only the copy changes";
}

TEST(TrialUpdate, TheStoneColourIsRaisedAndTheRaisedPointsAreRefiled) {
    // Black (6, 8) and (7, 8), then a trial black stone at (8, 8): an open three.
    TGameBoard board;
    board.Place(6, 8, Black);
    board.Place(7, 8, Black);
    SearchState state = StateOf(board);
    const int trialSlot = SlotOf(state.List(Black), 8, 8);
    ASSERT_GT(trialSlot, 0);
    const Level trialLevel = state.List(Black).Slot(trialSlot).level;
    board.Grid[8][8] = Black;
    UpdateAfterStone(state, board, 8, 8);

    // Within the windows that hold the stone and at least one more, the copy is raised to
    // what a fresh scan of the same line gives; (12, 8) lies only in a window with the
    // trial stone alone, which the update does not evaluate.
    TGameBoard fresh;
    for (int x = 6; x <= 8; ++x)
        fresh.Place(x, 8, Black);
    for (int x = 4; x <= 11; ++x) {
        if (fresh.Grid[x][8] != Empty) continue;
        EXPECT_EQ(state.levels.At(Black, x, 8, 0), fresh.Levels.At(Black, x, 8, 0)) << "x " << x;
    }
    const CandidateList& black = state.List(Black);
    EXPECT_EQ(black.Slot(1).level, 10);
    EXPECT_EQ(black.Slot(2).level, 10);
    EXPECT_GT(SlotOf(black, 5, 8), 0);
    EXPECT_GT(SlotOf(black, 9, 8), 0);
    EXPECT_EQ(state.levels.At(Black, 12, 8, 0), 0);
    // The trial point is never refiled: its entry keeps the level it had.
    const int after = SlotOf(black, 8, 8);
    ASSERT_GT(after, 0);
    EXPECT_EQ(black.Slot(after).level, trialLevel);
}

TEST(TrialUpdate, AStoneAtTheEdgeStopsTheWalkAtTheFrame) {
    TGameBoard board;
    board.Place(2, 1, White);
    board.Place(3, 1, White);
    SearchState state = StateOf(board);
    board.Grid[1][1] = Black;
    UpdateAfterStone(state, board, 1, 1);
    // The white two along row 1 is now shut in by the black stone: dead, level 5.
    for (int x = 4; x <= 6; ++x)
        EXPECT_EQ(state.levels.At(White, x, 1, 0), 5) << "x " << x;
    EXPECT_EQ(state.levels.At(White, 1, 1, 0), 0);
}

// A random empty point, or false when a few tries find none.
bool RandomEmpty(const TGameBoard& board, std::mt19937& random, int& x, int& y) {
    std::uniform_int_distribution<int> coordinate(1, 15);
    for (int tries = 0; tries < 50; ++tries) {
        x = coordinate(random);
        y = coordinate(random);
        if (board.Grid[x][y] == Empty) return true;
    }
    return false;
}

void ExpectSameState(const SearchState& fast, const SearchState& reference,
                     const std::string& where) {
    ASSERT_EQ(fast.levels, reference.levels) << where;
    for (int colour : {Black, White})
        for (int k = 1; k <= CandidateList::Size; ++k) {
            const CandidateEntry f = fast.List(colour).Slot(k), r = reference.List(colour).Slot(k);
            ASSERT_TRUE(f.level == r.level && f.levelSum == r.levelSum && f.IsAt(r.x, r.y))
                << where << ", colour " << colour << ", slot " << k;
        }
}

// Stones placed and taken off at random; from each position a chain of trial stones, as the
// search plays them, updated by both updates from the same state.
TEST(TrialUpdate, FastAndReferenceUpdatesLeaveTheSameStateSlotBySlot) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        std::mt19937 random(seed);
        TGameBoard board;
        for (int step = 0; step < 60; ++step) {
            int x = 0, y = 0;
            if (!RandomEmpty(board, random, x, y)) break;
            board.Place(x, y, random() % 2 ? Black : White);
            if (random() % 5 == 0) board.Place(x, y, Empty);

            SearchState reference = StateOf(board), fast = reference;
            std::vector<std::pair<int, int>> trials;
            std::uint8_t mover = random() % 2 ? Black : White;
            for (int depth = 0; depth < 4 && RandomEmpty(board, random, x, y); ++depth) {
                const std::uint8_t placer = Opponent(mover);
                board.Grid[x][y] = static_cast<CellState>(placer);
                trials.emplace_back(x, y);
                for (SearchState* state : {&reference, &fast}) {
                    ClearCandidates(state->List(placer));
                    RemoveCandidate(state->List(mover), x, y);
                }
                UpdateAfterStone(reference, board, x, y);
                FastUpdateAfterStone(fast, board, x, y);
                ASSERT_NO_FATAL_FAILURE(ExpectSameState(
                    fast, reference,
                    "seed " + std::to_string(seed) + ", step " + std::to_string(step) +
                        ", trial stone " + std::to_string(depth)));
                mover = placer;
            }
            for (const auto& [tx, ty] : trials)
                board.Grid[tx][ty] = Empty;
        }
    }
}

}  // namespace
}  // namespace wuziqi
