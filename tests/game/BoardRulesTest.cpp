// Placement rules, the win announcement and the small helpers beside the board.
#include <gtest/gtest.h>

#include "GameBoard.h"
#include "RecordingReporter.h"

namespace wuziqi {
namespace {

using testing::RecordingReporter;

class BoardRules : public ::testing::Test {
  protected:
    RecordingReporter reporter;
    TGameBoard board{&reporter};

    void PlaceAll(std::initializer_list<std::pair<int, int>> points, CellState colour) {
        for (auto [x, y] : points)
            ASSERT_TRUE(board.Place(x, y, colour));
    }
};

TEST_F(BoardRules, NewBoardIsEmptyInsideAFrameThatReadsAsEmpty) {
    for (int x = 1; x <= 15; ++x)
        for (int y = 1; y <= 15; ++y)
            EXPECT_EQ(board.GetCell(x, y), Empty) << x << "," << y;
    EXPECT_EQ(board.GetCell(0, 5), Empty);
    EXPECT_EQ(board.GetCell(16, 5), Empty);
    EXPECT_EQ(board.GetCell(5, 0), Empty);
    EXPECT_EQ(board.GetCell(-3, 99), Empty);
    EXPECT_EQ(board.Grid[0][5], Border);
    EXPECT_EQ(board.Grid[16][5], Border);
    EXPECT_EQ(board.Grid[5][0], Border);
    EXPECT_EQ(board.Grid[16][16], Border);
}

TEST_F(BoardRules, ResetClearsStonesAndLevels) {
    PlaceAll({{7, 8}, {8, 8}, {9, 8}}, Black);
    board.Reset();
    TGameBoard fresh;
    EXPECT_EQ(board.Levels, fresh.Levels);
    EXPECT_EQ(board.GetCell(8, 8), Empty);
}

TEST_F(BoardRules, StoneOnOccupiedPointIsRefused) {
    EXPECT_TRUE(board.Place(8, 8, Black));
    const LevelMap before = board.Levels;
    EXPECT_FALSE(board.Place(8, 8, White));
    EXPECT_EQ(reporter.refusals, std::vector{PlaceRefusal::PointTaken});
    EXPECT_EQ(board.GetCell(8, 8), Black);
    EXPECT_EQ(board.Levels, before);
}

// Border, or any byte that is no cell at all, would be read as a colour by the win test and
// the threat map: it is refused wherever it is placed, even on an empty point.
TEST_F(BoardRules, CodesOtherThanEmptyBlackAndWhiteAreRefused) {
    ASSERT_TRUE(board.Place(4, 8, Black));
    for (const int code : {0, 4, 255}) {
        EXPECT_FALSE(board.Place(8, 8, static_cast<CellState>(code)));
        EXPECT_FALSE(board.Place(4, 8, static_cast<CellState>(code)));
    }
    EXPECT_EQ(reporter.refusals, std::vector<PlaceRefusal>(6, PlaceRefusal::NotACell));
    EXPECT_EQ(board.GetCell(8, 8), Empty);
    EXPECT_EQ(board.GetCell(4, 8), Black);
}

TEST_F(BoardRules, PointsOutsideTheBoardAreRefused) {
    EXPECT_FALSE(board.Place(0, 8, Black));
    EXPECT_FALSE(board.Place(8, 16, White));
    EXPECT_FALSE(board.Place(-1, -1, Empty));
    EXPECT_FALSE(board.Place(1000, 3, Black));
    EXPECT_EQ(reporter.refusals, std::vector<PlaceRefusal>(4, PlaceRefusal::OffBoard));
    EXPECT_EQ(board.Grid[0][8], Border);
    EXPECT_EQ(board.Grid[8][16], Border);
}

TEST_F(BoardRules, EmptyTakesAStoneOffOrLeavesAnEmptyPointSilently) {
    ASSERT_TRUE(board.Place(8, 8, Black));
    EXPECT_TRUE(board.Place(8, 8, Empty));
    EXPECT_EQ(board.GetCell(8, 8), Empty);
    EXPECT_TRUE(board.Place(8, 8, Empty));
    EXPECT_TRUE(reporter.Quiet());
    EXPECT_EQ(board.Levels, TGameBoard().Levels);
}

TEST_F(BoardRules, FiveInARowIsAnnouncedAtEitherEnd) {
    PlaceAll({{4, 8}, {5, 8}, {6, 8}, {7, 8}}, Black);
    EXPECT_TRUE(reporter.Quiet());

    TGameBoard copy = board;
    RecordingReporter other;
    copy.SetReporter(&other);
    EXPECT_TRUE(copy.Place(3, 8, Black));
    EXPECT_EQ(other.wins, (std::vector<RecordingReporter::Win>{{Black, 3, 8}}));

    EXPECT_TRUE(board.Place(8, 8, Black));
    EXPECT_EQ(reporter.wins, (std::vector<RecordingReporter::Win>{{Black, 8, 8}}));
    EXPECT_EQ(board.GetCell(8, 8), Black);
}

TEST_F(BoardRules, SixInARowWins) {
    PlaceAll({{3, 8}, {4, 8}, {5, 8}, {6, 8}, {8, 8}}, Black);
    EXPECT_TRUE(board.Place(7, 8, Black));
    EXPECT_EQ(reporter.wins, (std::vector<RecordingReporter::Win>{{Black, 7, 8}}));
}

TEST_F(BoardRules, FiveAlongEachDiagonalAndColumnWinsForWhite) {
    const std::vector<std::vector<std::pair<int, int>>> lines = {
        {{2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}},
        {{10, 1}, {10, 2}, {10, 3}, {10, 4}, {10, 5}},
        {{15, 11}, {14, 12}, {13, 13}, {12, 14}, {11, 15}},
    };
    for (const auto& line : lines) {
        board.Reset();
        reporter.Clear();
        for (std::size_t i = 0; i + 1 < line.size(); ++i)
            ASSERT_TRUE(board.Place(line[i].first, line[i].second, White));
        EXPECT_TRUE(reporter.Quiet());
        EXPECT_TRUE(board.Place(line.back().first, line.back().second, White));
        EXPECT_EQ(
            reporter.wins,
            (std::vector<RecordingReporter::Win>{{White, line.back().first, line.back().second}}));
    }
}

TEST_F(BoardRules, BlockedFourStillWinsAtItsOpenEnd) {
    PlaceAll({{4, 8}, {5, 8}, {6, 8}, {7, 8}}, Black);
    ASSERT_TRUE(board.Place(3, 8, White));
    TGameBoard whiteTry = board;
    RecordingReporter whiteReporter;
    whiteTry.SetReporter(&whiteReporter);
    EXPECT_TRUE(whiteTry.Place(8, 8, White));
    EXPECT_TRUE(whiteReporter.Quiet());

    EXPECT_TRUE(board.Place(8, 8, Black));
    EXPECT_EQ(reporter.wins, (std::vector<RecordingReporter::Win>{{Black, 8, 8}}));
}

TEST_F(BoardRules, BrokenLineOfFiveStonesDoesNotWin) {
    PlaceAll({{3, 8}, {4, 8}, {5, 8}, {7, 8}}, Black);
    EXPECT_TRUE(board.Place(9, 8, Black));
    EXPECT_TRUE(reporter.Quiet());
}

// The win message arrives while the point is still empty; the stone is set afterwards.
TEST(BoardWinOrder, WinIsAnnouncedBeforeTheStoneIsSet) {
    struct Watcher : RecordingReporter {
        TGameBoard* board = nullptr;
        CellState cellAtMessage = Border;
        void StoneWins(std::uint8_t colour, int x, int y) override {
            cellAtMessage = board->GetCell(x, y);
            RecordingReporter::StoneWins(colour, x, y);
        }
    } watcher;
    TGameBoard board(&watcher);
    watcher.board = &board;
    for (int x = 4; x <= 7; ++x)
        ASSERT_TRUE(board.Place(x, 8, White));
    EXPECT_TRUE(board.Place(8, 8, White));
    EXPECT_EQ(watcher.wins, (std::vector<RecordingReporter::Win>{{White, 8, 8}}));
    EXPECT_EQ(watcher.cellAtMessage, Empty);
    EXPECT_EQ(board.GetCell(8, 8), White);
}

TEST(BoardWinOrder, PlayGoesOnAfterAWin) {
    RecordingReporter reporter;
    TGameBoard board(&reporter);
    for (int x = 4; x <= 8; ++x)
        ASSERT_TRUE(board.Place(x, 8, Black));
    EXPECT_TRUE(board.Place(9, 9, White));
    EXPECT_TRUE(board.Place(9, 8, Black));  // six now: announced again
    EXPECT_EQ(reporter.wins, (std::vector<RecordingReporter::Win>{{Black, 8, 8}, {Black, 9, 8}}));
}

TEST(BoardHelpers, ColourNames) {
    EXPECT_EQ(TGameBoard::ColourName(Black), "Black");
    EXPECT_EQ(TGameBoard::ColourName(White), "White");
    EXPECT_EQ(TGameBoard::ColourName(Border), "White");
}

TEST(BoardHelpers, OpponentReportsWrongColoursAndStillAnswersBlack) {
    RecordingReporter reporter;
    EXPECT_EQ(Opponent(Black, &reporter), White);
    EXPECT_EQ(Opponent(White, &reporter), Black);
    EXPECT_TRUE(reporter.Quiet());
    EXPECT_EQ(Opponent(Empty, &reporter), Black);
    EXPECT_EQ(Opponent(Border, &reporter), Black);
    EXPECT_EQ(reporter.wrongColours, 2);
    EXPECT_EQ(Opponent(7, &reporter), Black);
    EXPECT_EQ(reporter.wrongColours, 2);
}

TEST(BoardHelpers, DirectionStepsAndOutOfRangeDirections) {
    const int expected[4][2] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}};
    for (int d = 0; d < 4; ++d) {
        int dx = 9, dy = 9;
        DirectionStep(d, dx, dy);
        EXPECT_EQ(dx, expected[d][0]);
        EXPECT_EQ(dy, expected[d][1]);
    }
    int dx = 42, dy = -42;
    DirectionStep(4, dx, dy);
    DirectionStep(-1, dx, dy);
    EXPECT_EQ(dx, 42);
    EXPECT_EQ(dy, -42);
    EXPECT_TRUE(InRange(1, 1, 15));
    EXPECT_TRUE(InRange(15, 1, 15));
    EXPECT_FALSE(InRange(0, 1, 15));
    EXPECT_FALSE(InRange(16, 1, 15));
}

}  // namespace
}  // namespace wuziqi
