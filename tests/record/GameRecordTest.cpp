#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "GameBoard.h"
#include "GameRecord.h"
#include "RecordingReporter.h"

namespace wuziqi {
namespace {

class GameRecordTest : public ::testing::Test {
  protected:
    GameRecordTest() : board(&reporter), record(board) {}

    // Places and records the moves as the controller does, colours alternating from Black.
    void Play(std::initializer_list<BoardPoint> points) {
        for (const BoardPoint& p : points) {
            ASSERT_TRUE(board.Place(p.x, p.y, static_cast<CellState>(record.CurrentColour)));
            record.LastMove = p;
            record.AddMove(p.x, p.y);
            record.CurrentColour = record.CurrentColour == Black ? White : Black;
        }
    }

    void StartGame(std::uint8_t mode) {
        record.GameMode = mode;
        record.CurrentColour = Black;
    }

    testing::RecordingReporter reporter;
    TGameBoard board;
    GameRecord record;
};

TEST_F(GameRecordTest, AddMoveDropsTheMovesAheadOfTheCursor) {
    StartGame(ModeTwoPlayers);
    record.MoveHistory = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}};
    record.HistoryCursor = 3;
    record.Action5Enabled = true;

    record.AddMove(9, 10);

    ASSERT_EQ(record.MoveHistory.size(), 4u);
    EXPECT_EQ(record.MoveHistory[2], (MoveRecord{3, 3}));
    EXPECT_EQ(record.MoveHistory[3], (MoveRecord{9, 10}));
    EXPECT_EQ(record.HistoryCursor, 4);
    EXPECT_TRUE(record.Action4Enabled);
    EXPECT_FALSE(record.Action5Enabled);
}

TEST_F(GameRecordTest, AgainstTheComputerStepBackIsOfferedFromTheSecondMove) {
    StartGame(ModeAgainstComputer);
    Play({{8, 8}});
    EXPECT_FALSE(record.Action4Enabled) << "1 is not greater than the threshold 1";
    Play({{7, 7}});
    EXPECT_TRUE(record.Action4Enabled);

    // AddMove never disables the previous-move command, it only leaves it alone.
    record.ClearHistory();
    Play({{1, 1}});
    EXPECT_TRUE(record.Action4Enabled);
}

TEST_F(GameRecordTest, TwoPlayerStepBackTakesOneStoneAndPassesTheTurnBack) {
    StartGame(ModeTwoPlayers);
    Play({{8, 8}, {9, 9}, {7, 9}});
    ASSERT_EQ(record.CurrentColour, White);

    record.StepBack(1);

    EXPECT_EQ(board.GetCell(7, 9), Empty);
    EXPECT_EQ(board.GetCell(9, 9), White);
    EXPECT_EQ(record.CurrentColour, Black);
    EXPECT_EQ(record.HistoryCursor, 2);
    EXPECT_EQ(record.MoveHistory.size(), 3u);
    EXPECT_TRUE(record.Action4Enabled) << "2 stones stand, more than the threshold 0";
    EXPECT_TRUE(record.Action5Enabled);
    EXPECT_EQ(record.LastMove, (BoardPoint{9, 9}));

    record.StepBack(2);
    EXPECT_EQ(record.HistoryCursor, 0);
    EXPECT_FALSE(record.Action4Enabled);
    EXPECT_EQ(record.LastMove, NoLastMove) << "no stone left on the board";
    EXPECT_EQ(board.GetCell(8, 8), Empty);
    EXPECT_EQ(record.CurrentColour, Black) << "an even step keeps the colour";
}

TEST_F(GameRecordTest, StepsPastEitherEndChangeNothing) {
    StartGame(ModeAgainstComputer);
    Play({{8, 8}});
    record.Action4Enabled = true;  // left over from an earlier game
    record.Action5Enabled = false;

    record.StepBack(2);
    record.StepForward(1);
    record.StepBack(0);
    record.StepForward(-1);

    EXPECT_EQ(record.HistoryCursor, 1);
    EXPECT_EQ(board.GetCell(8, 8), Black);
    EXPECT_EQ(record.CurrentColour, White);
    EXPECT_TRUE(record.Action4Enabled);
    EXPECT_FALSE(record.Action5Enabled);
    EXPECT_TRUE(reporter.Quiet());
}

TEST_F(GameRecordTest, TwoStepsBackAndForwardAgainstTheComputerRestoreTheBoard) {
    StartGame(ModeAgainstComputer);
    Play({{8, 8}, {7, 7}, {9, 9}});

    record.StepBack(2);
    EXPECT_EQ(record.HistoryCursor, 1);
    EXPECT_FALSE(record.Action4Enabled) << "1 <= threshold 1";
    EXPECT_TRUE(record.Action5Enabled);
    EXPECT_EQ(record.LastMove, (BoardPoint{8, 8}));
    EXPECT_EQ(record.CurrentColour, White);

    record.StepForward(2);
    EXPECT_EQ(record.HistoryCursor, 3);
    EXPECT_FALSE(record.Action5Enabled) << "3 >= length 3 - threshold 1";
    EXPECT_TRUE(record.Action4Enabled);
    EXPECT_EQ(record.LastMove, (BoardPoint{9, 9}));
    EXPECT_EQ(board.GetCell(8, 8), Black);
    EXPECT_EQ(board.GetCell(7, 7), White);
    EXPECT_EQ(board.GetCell(9, 9), Black);
    EXPECT_EQ(record.CurrentColour, White);
}

TEST_F(GameRecordTest, NextMoveStaysOfferedWhileMoreThanTheThresholdLiesAhead) {
    StartGame(ModeTwoPlayers);
    Play({{8, 8}, {9, 9}, {7, 9}, {6, 6}});
    record.StepBack(3);

    record.StepForward(1);
    EXPECT_TRUE(record.Action5Enabled);
    record.StepForward(1);
    EXPECT_TRUE(record.Action5Enabled);
    record.StepForward(1);
    EXPECT_FALSE(record.Action5Enabled) << "4 >= length 4 - threshold 0";
    EXPECT_EQ(board.GetCell(6, 6), White);
}

TEST_F(GameRecordTest, StepForwardReplaysAWinAndGoesOnOverARefusedPoint) {
    StartGame(ModeReview);
    // Black fives along row 8; the second entry repeats an occupied point.
    record.MoveHistory = {{4, 8}, {4, 8}, {5, 8}, {1, 1}, {6, 8}, {1, 2}, {7, 8}, {1, 3}, {8, 8}};

    record.StepForward(9);

    EXPECT_EQ(record.HistoryCursor, 9);
    EXPECT_EQ(board.GetCell(8, 8), Black);
    EXPECT_EQ(board.GetCell(1, 1), White);
    EXPECT_EQ(reporter.refusals, std::vector{PlaceRefusal::PointTaken});
    EXPECT_EQ(reporter.wins, (std::vector<testing::RecordingReporter::Win>{{Black, 8, 8}}));
    EXPECT_EQ(record.LastMove, (BoardPoint{8, 8}));
}

}  // namespace
}  // namespace wuziqi
