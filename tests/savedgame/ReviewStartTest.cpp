// What loading a saved game does to the game record and the board.
#include <gtest/gtest.h>

#include "GameBoard.h"
#include "ReviewStart.h"
#include "SavedGame.h"

namespace wuziqi {
namespace {

class ReviewStartTest : public ::testing::Test {
  protected:
    TGameBoard board;
    GameRecord record{board};

    int StonesOnBoard() const {
        int stones = 0;
        for (int x = 1; x <= 15; ++x)
            for (int y = 1; y <= 15; ++y)
                stones += board.GetCell(x, y) != Empty;
        return stones;
    }
};

TEST_F(ReviewStartTest, ThreeMoveFileShowsTheFirstStoneAndStepsOneAtATime) {
    // A game in progress that the load replaces.
    record.CurrentColour = White;
    board.Place(3, 3, Black);
    record.AddMove(3, 3);

    StartReview(record, {{8, 8}, {9, 9}, {7, 9}});
    EXPECT_EQ(record.GameMode, ModeReview);
    EXPECT_EQ(record.HistoryCursor, 1);
    EXPECT_EQ(record.CurrentColour, White);
    EXPECT_FALSE(record.Action4Enabled);
    EXPECT_TRUE(record.Action5Enabled);
    EXPECT_EQ(StonesOnBoard(), 1);
    EXPECT_EQ(board.GetCell(8, 8), Black);
    EXPECT_EQ(record.LastMove, (BoardPoint{8, 8}));

    record.StepForward(1);
    EXPECT_EQ(board.GetCell(9, 9), White);
    record.StepForward(1);
    EXPECT_EQ(board.GetCell(7, 9), Black);
    EXPECT_EQ(record.HistoryCursor, 3);
    EXPECT_FALSE(record.Action5Enabled);
}

TEST_F(ReviewStartTest, EmptyGameLeavesAnEmptyBoardWithBlackToMove) {
    board.Place(8, 8, Black);
    StartReview(record, {});
    EXPECT_EQ(StonesOnBoard(), 0);
    EXPECT_EQ(record.CurrentColour, Black);
    EXPECT_EQ(record.HistoryCursor, 0);
    EXPECT_TRUE(record.Action5Enabled);  // as the loader sets it, with nothing to step to
    record.StepForward(1);
    EXPECT_EQ(record.HistoryCursor, 0);
}

TEST_F(ReviewStartTest, MovesSteppedBackOverAreSavedAndCanBeSteppedToAfterLoading) {
    record.CurrentColour = Black;
    record.GameMode = ModeTwoPlayers;
    for (int i = 0; i < 10; ++i) {
        const int x = 1 + i, y = 1 + (i * 3) % 15;
        ASSERT_TRUE(board.Place(x, y, static_cast<CellState>(record.CurrentColour)));
        record.AddMove(x, y);
        record.CurrentColour = record.CurrentColour == Black ? White : Black;
    }
    record.StepBack(2);
    const std::vector<std::uint8_t> file = EncodeSavedGame(record.MoveHistory);
    EXPECT_EQ(file[7], 10);

    const DecodedGame decoded = DecodeSavedGame(file);
    ASSERT_TRUE(decoded.ok());
    const std::vector<MoveRecord> saved = record.MoveHistory;
    StartReview(record, decoded.moves);
    for (int step = 1; step < 10; ++step)
        record.StepForward(1);
    EXPECT_EQ(record.HistoryCursor, 10);
    EXPECT_EQ(StonesOnBoard(), 10);
    for (std::size_t i = 0; i < saved.size(); ++i)
        EXPECT_EQ(board.GetCell(saved[i].x, saved[i].y), i % 2 == 0 ? Black : White) << i;
}

}  // namespace
}  // namespace wuziqi
