// The main search's view past its depth: an open three made on the last ply is answered before
// the position is judged.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "PvSearch.h"
#include "SearchTestSupport.h"

namespace wuziqi::search {
namespace {

using testing::PlaceAll;

constexpr int B = 1, W = 2;

TEST(PvSearch, AnOpenThreeOnTheLastPlyIsWorthWhatItsBlockLeaves) {
    SearchBoard board;
    // A black two in column 9 and two white stones far away.
    PlaceAll(board, {{9, 8, B}, {3, 3, W}, {9, 9, B}, {13, 13, W}});
    const int openThree = SearchBoard::Index(9, 10);
    TranspositionTable table(1 << 16);
    SearchControl control;
    PvSearch search(board, table, control);

    // Unanswered, the three counts as the open four it threatens.
    board.Make(openThree, B);
    ASSERT_GT(board.ShapeCount(B, ShapeFlex4), 0);
    const int unanswered = -search.Evaluate(W);
    board.Unmake();

    std::vector<int> moves = {openThree};
    const int searched = search.SearchRoot(B, 1, moves);
    EXPECT_GT(unanswered, 1000);
    EXPECT_LT(searched, unanswered / 4);
    EXPECT_GT(searched, -WinBound);
}

TEST(PvSearch, AgainstAWinByFoursOnlyItsStopsAndOwnFoursAreSearched) {
    SearchBoard board;
    // Black wins by fours through (8,8), a four in row 8 that also lengthens column 8; it has
    // no open three yet. White has a four to make at the top edge; (6,10) is near the stones
    // and stops nothing.
    PlaceAll(board, {{5, 8, B}, {6, 8, B}, {7, 8, B}, {4, 8, W}, {8, 6, B}, {8, 7, B}, {8, 4, W},
                     {5, 5, B}, {6, 5, B}, {7, 5, B}, {4, 5, W}, {11, 2, W}, {12, 2, W},
                     {13, 2, W}, {10, 2, B}});
    ASSERT_EQ(board.ShapeCount(B, ShapeFlex4), 0);
    TranspositionTable table(1 << 16);
    SearchControl control;
    PvSearch search(board, table, control);

    MoveList moves;
    ASSERT_TRUE(search.VcfDefenceMoves(W, moves));
    for (const auto& [x, y] : {std::pair{8, 8}, {14, 2}, {15, 2}})
        EXPECT_TRUE(moves.Contains(SearchBoard::Index(x, y))) << x << "," << y;
    EXPECT_FALSE(moves.Contains(SearchBoard::Index(6, 10)));

    // White has no such win for Black to stop.
    MoveList none;
    EXPECT_FALSE(search.VcfDefenceMoves(B, none));
    EXPECT_EQ(none.size, 0);
}

}  // namespace
}  // namespace wuziqi::search
