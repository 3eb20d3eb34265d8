// Finding the lines of five or more that the winning mark is drawn on.
#include <gtest/gtest.h>

#include "FiveLines.h"
#include "GameBoard.h"

namespace wuziqi {
namespace {

void PlaceRun(TGameBoard& board, BoardPoint from, int dx, int dy, int count, CellState colour) {
    for (int k = 0; k < count; ++k)
        ASSERT_TRUE(board.Place(from.x + k * dx, from.y + k * dy, colour));
}

TEST(FiveLinesTest, FindsEachFiveOnceFromItsFirstStoneInEveryDirection) {
    TGameBoard board;
    PlaceRun(board, {11, 1}, 1, 0, 5, Black);    // along the top row, up to the edge
    PlaceRun(board, {1, 2}, 1, 1, 5, White);     // down to the right
    PlaceRun(board, {15, 6}, 0, 1, 5, Black);    // along the last column
    PlaceRun(board, {14, 11}, -1, 1, 5, White);  // down to the left, up to the bottom row
    PlaceRun(board, {1, 14}, 1, 0, 4, Black);    // four is no line, nor a five with a gap
    PlaceRun(board, {6, 14}, 1, 0, 1, Black);
    EXPECT_EQ(FindFiveLines(board), (std::vector<FiveLine>{{{1, 2}, {5, 6}, White, 1},
                                                           {{11, 1}, {15, 1}, Black, 0},
                                                           {{14, 11}, {10, 15}, White, 3},
                                                           {{15, 6}, {15, 10}, Black, 2}}));
}

TEST(FiveLinesTest, ASixIsOneLineAndAStoneMakingTwoFivesGivesTwo) {
    TGameBoard board;
    PlaceRun(board, {3, 8}, 1, 0, 4, Black);
    PlaceRun(board, {8, 8}, 1, 0, 1, Black);
    PlaceRun(board, {7, 4}, 0, 1, 4, Black);
    EXPECT_TRUE(FindFiveLines(board).empty());
    ASSERT_TRUE(board.Place(7, 8, Black));  // six along the row, five down the column
    const std::vector<FiveLine> lines = FindFiveLines(board);
    EXPECT_EQ(lines,
              (std::vector<FiveLine>{{{3, 8}, {8, 8}, Black, 0}, {{7, 4}, {7, 8}, Black, 2}}));
    EXPECT_TRUE(lines[1].Contains({7, 6}));
    EXPECT_FALSE(lines[1].Contains({6, 8}));
}

}  // namespace
}  // namespace wuziqi
