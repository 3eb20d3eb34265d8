// The candidate lists: insertion by level, refreshes that move entries, removal, and the
// scan of the real board that fills them.
#include <gtest/gtest.h>

#include "Evaluation.h"
#include "GameBoard.h"

namespace wuziqi {
namespace {

// A list whose slots 1.. hold the given levels at points (1, 1), (2, 1), ...
CandidateList ListWithLevels(std::initializer_list<int> levels) {
    CandidateList list;
    int x = 1;
    for (const int level : levels) {
        list.SetSlot(x, {static_cast<Level>(level), 0, static_cast<std::int16_t>(x), 1});
        ++x;
    }
    return list;
}

// The slot (1..12) holding the point, or 0.
int SlotOf(const CandidateList& list, int x, int y) {
    for (int k = 1; k <= CandidateList::Size; ++k)
        if (list.Slot(k).IsAt(x, y)) return k;
    return 0;
}

void SetLevels(LevelMap& map, int colour, int x, int y, std::array<int, 4> levels) {
    for (int d = 0; d < 4; ++d)
        map.At(colour, x, y, d) = static_cast<Level>(levels[d]);
}

TEST(RootCandidates, EqualLevelsGoAheadOfEarlierPointsAndTiesWithSlot12StayOut) {
    CandidateList list;
    ClearCandidates(list);
    AddRootCandidate(list, 2, 2, 7);  // A
    AddRootCandidate(list, 3, 3, 7);  // B
    AddRootCandidate(list, 4, 4, 7);  // C
    EXPECT_TRUE(list.Slot(1).IsAt(4, 4));
    EXPECT_TRUE(list.Slot(2).IsAt(3, 3));
    EXPECT_TRUE(list.Slot(3).IsAt(2, 2));
    EXPECT_EQ(list.Slot(4).level, 0);

    AddRootCandidate(list, 5, 5, 0);
    EXPECT_TRUE(list.Slot(4).IsAt(0, 0)) << "level 0 is never added";

    CandidateList full = ListWithLevels({9, 9, 8, 8, 8, 7, 7, 7, 6, 6, 6, 6});
    const CandidateList before = full;
    AddRootCandidate(full, 14, 14, 6);
    for (int k = 1; k <= 12; ++k)
        EXPECT_TRUE(full.Slot(k).IsAt(before.Slot(k).x, 1));

    AddRootCandidate(full, 14, 14, 8);
    EXPECT_TRUE(full.Slot(3).IsAt(14, 14)) << "ahead of the other level-8 entries";
    EXPECT_TRUE(full.Slot(12).IsAt(11, 1)) << "the old slot 12 is dropped";
}

TEST(RemoveCandidates, LaterSlotsMoveUpAndAnAbsentPointChangesNothing) {
    CandidateList list = ListWithLevels({9, 9, 8, 8, 8, 7, 7, 7, 6, 6, 6, 6});
    RemoveCandidate(list, 3, 1);
    for (int k = 3; k <= 11; ++k)
        EXPECT_TRUE(list.Slot(k).IsAt(k + 1, 1)) << "slot " << k;
    EXPECT_EQ(list.Slot(12).level, 0);
    EXPECT_TRUE(list.Slot(12).IsAt(0, 0));

    const CandidateList before = list;
    RemoveCandidate(list, 3, 1);
    for (int k = 1; k <= 12; ++k)
        EXPECT_TRUE(list.Slot(k).IsAt(before.Slot(k).x, before.Slot(k).y));
}

class RefreshTest : public ::testing::Test {
  protected:
    RefreshTest() {
        state.levels.Clear();
        ClearCandidates(state.List(Black));
        ClearCandidates(state.List(White));
    }
    TGameBoard board;
    SearchState state;
};

TEST_F(RefreshTest, AnEntryMovesUpOnlyPastStrictlyLowerLevels) {
    // Levels 9, 7, 7, 5; the entry in slot 4 is the point (4, 1).
    state.List(Black) = ListWithLevels({9, 7, 7, 5});
    SetLevels(state.levels, Black, 4, 1, {7, 2, 0, 0});
    RefreshCandidate(state, board, Black, 4, 1);
    EXPECT_TRUE(state.List(Black).Slot(4).IsAt(4, 1)) << "raised to 7 it stays";
    EXPECT_EQ(state.List(Black).Slot(4).level, 7);
    EXPECT_EQ(state.List(Black).Slot(4).levelSum, 9);

    SetLevels(state.levels, Black, 4, 1, {8, 0, 0, 0});
    RefreshCandidate(state, board, Black, 4, 1);
    const CandidateList& list = state.List(Black);
    EXPECT_TRUE(list.Slot(1).IsAt(1, 1));
    EXPECT_TRUE(list.Slot(2).IsAt(4, 1));
    EXPECT_EQ(list.Slot(2).level, 8);
    EXPECT_TRUE(list.Slot(3).IsAt(2, 1));
    EXPECT_TRUE(list.Slot(4).IsAt(3, 1));
}

TEST_F(RefreshTest, AnEntryMovesDownPastStrictlyHigherLevelsAndMayDropToZero) {
    state.List(Black) = ListWithLevels({9, 8, 8, 6});
    SetLevels(state.levels, Black, 1, 1, {0, 0, 0, 0});
    RefreshCandidate(state, board, Black, 1, 1);
    const CandidateList& list = state.List(Black);
    EXPECT_TRUE(list.Slot(1).IsAt(2, 1));
    EXPECT_TRUE(list.Slot(2).IsAt(3, 1));
    EXPECT_TRUE(list.Slot(3).IsAt(4, 1));
    EXPECT_TRUE(list.Slot(4).IsAt(1, 1)) << "a level-0 entry stays in the list";
    EXPECT_EQ(list.Slot(4).level, 0);
}

TEST_F(RefreshTest, ANewPointComesInByLevelThenLevelSumAfterEqualEntries) {
    CandidateList start = ListWithLevels({9, 7, 7});
    start.levelSum[1] = 10;  // slot 2
    start.levelSum[2] = 8;   // slot 3

    state.List(White) = start;
    SetLevels(state.levels, White, 9, 9, {7, 2, 0, 0});  // sum 9
    RefreshCandidate(state, board, White, 9, 9);
    EXPECT_TRUE(state.List(White).Slot(3).IsAt(9, 9));
    EXPECT_TRUE(state.List(White).Slot(4).IsAt(3, 1));

    state.List(White) = start;
    SetLevels(state.levels, White, 9, 9, {7, 1, 0, 0});  // sum 8, equal to slot 3
    RefreshCandidate(state, board, White, 9, 9);
    EXPECT_TRUE(state.List(White).Slot(3).IsAt(3, 1));
    EXPECT_TRUE(state.List(White).Slot(4).IsAt(9, 9));
    EXPECT_EQ(state.List(White).Slot(4).levelSum, 8);

    state.List(White) = ListWithLevels({9, 9, 8, 8, 8, 7, 7, 7, 6, 6, 6, 6});
    SetLevels(state.levels, White, 9, 9, {6, 6, 6, 6});
    RefreshCandidate(state, board, White, 9, 9);
    EXPECT_EQ(SlotOf(state.List(White), 9, 9), 0) << "a tie with slot 12 of a full list stays out";
}

TEST_F(RefreshTest, APointHoldingAStoneIsLeftAlone) {
    state.List(Black) = ListWithLevels({9, 7, 7, 5});
    board.Place(4, 1, White);
    SetLevels(state.levels, Black, 4, 1, {10, 0, 0, 0});
    RefreshCandidate(state, board, Black, 4, 1);
    EXPECT_TRUE(state.List(Black).Slot(4).IsAt(4, 1));
    EXPECT_EQ(state.List(Black).Slot(4).level, 5);
}

TEST(BuildCandidates, AnEmptyBoardGivesFreeListsAndNoBestPoint) {
    TGameBoard board;
    const RootCandidates root = BuildCandidates(board);
    for (const CandidateList& list : root.lists)
        for (int k = 1; k <= 12; ++k) {
            EXPECT_EQ(list.Slot(k).level, 0);
            EXPECT_TRUE(list.Slot(k).IsAt(0, 0));
        }
    EXPECT_EQ(root.bestX, 0);
    EXPECT_EQ(root.bestY, 0);
}

TEST(BuildCandidates, ScoresAddBothColoursAndTheFirstBestPointInScanOrderWins) {
    TGameBoard board;
    SetLevels(board.Levels, Black, 6, 6, {9, 9, 0, 0});
    SetLevels(board.Levels, White, 6, 6, {4, 0, 0, 0});
    EXPECT_EQ(PointScore(board, 6, 6), 590.0);

    // Three points of score 590: the smaller x wins, then the smaller y.
    SetLevels(board.Levels, White, 4, 9, {9, 9, 4, 0});
    SetLevels(board.Levels, Black, 4, 5, {0, 9, 9, 0});
    SetLevels(board.Levels, White, 4, 5, {0, 0, 0, 4});
    ASSERT_EQ(PointScore(board, 4, 9), 590.0);
    ASSERT_EQ(PointScore(board, 4, 5), 590.0);
    RootCandidates root = BuildCandidates(board);
    EXPECT_EQ(root.bestX, 4);
    EXPECT_EQ(root.bestY, 5);
    EXPECT_TRUE(root.lists[0].Slot(1).IsAt(6, 6)) << "Black: later-scanned point of level 9 first";
    EXPECT_TRUE(root.lists[0].Slot(2).IsAt(4, 5));
    EXPECT_TRUE(root.lists[1].Slot(1).IsAt(4, 9));
    EXPECT_TRUE(root.lists[1].Slot(2).IsAt(6, 6));
    EXPECT_EQ(root.lists[1].Slot(2).level, 4);
    EXPECT_EQ(root.lists[1].Slot(2).levelSum, 0) << "root entries carry no sum";

    // A point under a stone is not visited, however high its levels.
    board.Grid[4][5] = Black;
    root = BuildCandidates(board);
    EXPECT_EQ(root.bestX, 4);
    EXPECT_EQ(root.bestY, 9);
}

}  // namespace
}  // namespace wuziqi
