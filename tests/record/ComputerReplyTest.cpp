#include <gtest/gtest.h>

#include "ComputerReply.h"
#include "GameBoard.h"
#include "LateGame.h"
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
    const ComputerAnswer onEmpty = ComputerReply(board, Black, BoardPoint{8, 8}, 16);
    EXPECT_EQ(onEmpty.point, (BoardPoint{8, 8}));
    EXPECT_EQ(onEmpty.verdict, Verdict::None);
    EXPECT_TRUE(reporter.Quiet());

    board.Place(8, 8, White);
    const ComputerAnswer reply = ComputerReply(board, Black, BoardPoint{8, 8}, 16);
    ASSERT_TRUE(reply.point.has_value());
    EXPECT_EQ(board.GetCell(reply.point->x, reply.point->y), Empty)
        << "the search's own point is used";
    EXPECT_NE(*reply.point, (BoardPoint{8, 8}));
}

// Late in a long game the search offers no point for either colour while 48 are free; the
// reply still plays one of them.
TEST(ComputerReplyTest, AnswersLateInAGameWhereTheSearchHasNoPoint) {
    TGameBoard board;
    std::uint8_t colour = Black;
    for (const MoveRecord& move : testing::LateGameMoves) {
        ASSERT_TRUE(board.Place(move.x, move.y, static_cast<CellState>(colour)));
        colour = Opponent(colour);
    }
    const MoveRecord last = testing::LateGameMoves.back();
    for (const std::uint8_t side : {Black, White}) {
        int x = last.x, y = last.y;
        board.ChooseMove(side, x, y, 16);
        EXPECT_EQ((BoardPoint{x, y}), (BoardPoint{0, 0})) << "the search has nothing";
        const ComputerAnswer answer = ComputerReply(board, side, {last.x, last.y}, 16);
        ASSERT_TRUE(answer.point.has_value());
        EXPECT_EQ(board.GetCell(answer.point->x, answer.point->y), Empty);
    }
}

}  // namespace
}  // namespace wuziqi
