#include <gtest/gtest.h>

#include "ComputerReply.h"
#include "GameBoard.h"
#include "RecordingReporter.h"

namespace wuziqi {
namespace {

TEST(NearestEmptyToCentreTest, PrefersTheCentreThenTheFirstOfEqualNeighboursInScanOrder) {
    TGameBoard board;
    EXPECT_EQ(NearestEmptyToCentre(board), (BoardPoint{8, 8}));

    board.Place(8, 8, Black);
    // (7, 8), (8, 7), (8, 9), (9, 8) lie at distance 1; (7, 8) comes first by column.
    EXPECT_EQ(NearestEmptyToCentre(board), (BoardPoint{7, 8}));

    board.Place(7, 8, White);
    board.Place(8, 7, Black);
    EXPECT_EQ(NearestEmptyToCentre(board), (BoardPoint{8, 9}));
}

TEST(NearestEmptyToCentreTest, FindsTheLastEmptyCornerAndNothingOnAFullBoard) {
    TGameBoard board;
    for (int x = 1; x <= BoardSize; ++x) {
        for (int y = 1; y <= BoardSize; ++y)
            board.Grid[x][y] = (x + y) % 2 ? Black : White;
    }
    EXPECT_EQ(NearestEmptyToCentre(board), std::nullopt);

    board.Grid[15][1] = Empty;
    EXPECT_EQ(NearestEmptyToCentre(board), (BoardPoint{15, 1}));
}

TEST(ComputerReplyTest, StandsInForTheSearchWhenItHasNoPointToOffer) {
    testing::RecordingReporter reporter;
    TGameBoard board(&reporter);
    // An empty board gives the search nothing: it answers (0, 0).
    EXPECT_EQ(ComputerReply(board, Black, BoardPoint{8, 8}, 16), (BoardPoint{8, 8}));
    EXPECT_TRUE(reporter.messages.empty());

    board.Place(8, 8, White);
    const auto reply = ComputerReply(board, Black, BoardPoint{8, 8}, 16);
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(board.GetCell(reply->x, reply->y), Empty) << "the search's own point is used";
    EXPECT_NE(*reply, (BoardPoint{8, 8}));
}

}  // namespace
}  // namespace wuziqi
