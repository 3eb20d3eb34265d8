// The main search's view past its depth: an open three made on the last ply is answered before
// the position is judged.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace wuziqi::search
