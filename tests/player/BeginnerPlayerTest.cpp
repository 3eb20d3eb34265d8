// The beginner's level: fives completed and blocked whatever the seed, the centre on an empty
// board, the same move for the same seed, and always an empty point while one is free.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>

#include "BeginnerPlayer.h"
#include "GameBoard.h"
#include "LateGame.h"

namespace wuziqi {
namespace {

constexpr int Seeds = 40;

TGameBoard BoardOf(std::initializer_list<std::pair<BoardPoint, CellState>> stones) {
    TGameBoard board;
    for (const auto& [p, colour] : stones)
        board.Place(p.x, p.y, colour);
    return board;
}

TEST(BeginnerPlayer, CompletesItsFiveBeforeBlockingAndBlocksEveryFour) {
    // Each side has a four closed at one end: White's on row 3, Black's on row 10.
    TGameBoard board = BoardOf({{{4, 10}, Black},
                                {{5, 10}, Black},
                                {{6, 10}, Black},
                                {{7, 10}, Black},
                                {{3, 10}, White},
                                {{4, 3}, White},
                                {{5, 3}, White},
                                {{6, 3}, White},
                                {{7, 3}, White},
                                {{8, 3}, Black}});
    for (std::uint64_t seed = 0; seed < Seeds; ++seed) {
        EXPECT_EQ(BeginnerReply(board, White, {7, 10}, seed).point, (BoardPoint{3, 3}));
        const ComputerAnswer own = BeginnerReply(board, Black, {7, 3}, seed);
        EXPECT_EQ(own.point, (BoardPoint{8, 10}));
        EXPECT_EQ(own.verdict, Verdict::IWin);
    }
    // Without Black's four, Black must take White's only five point.
    board = BoardOf({{{4, 3}, White},
                     {{5, 3}, White},
                     {{6, 3}, White},
                     {{7, 3}, White},
                     {{8, 3}, Black},
                     {{12, 12}, Black},
                     {{12, 13}, Black}});
    for (std::uint64_t seed = 0; seed < Seeds; ++seed) {
        const ComputerAnswer block = BeginnerReply(board, Black, {7, 3}, seed);
        EXPECT_EQ(block.point, (BoardPoint{3, 3}));
        EXPECT_EQ(block.verdict, Verdict::None);
    }
    // An open four: either end is a block, the game is lost anyway; no other point will do.
    board = BoardOf({{{5, 7}, White},
                     {{6, 7}, White},
                     {{7, 7}, White},
                     {{8, 7}, White},
                     {{8, 8}, Black},
                     {{9, 9}, Black},
                     {{10, 9}, Black}});
    for (std::uint64_t seed = 0; seed < Seeds; ++seed) {
        const ComputerAnswer block = BeginnerReply(board, Black, {8, 7}, seed);
        EXPECT_TRUE(block.point == (BoardPoint{4, 7}) || block.point == (BoardPoint{9, 7}));
        EXPECT_EQ(block.verdict, Verdict::None);
    }
}

TEST(BeginnerPlayer, TheSameSeedGivesTheSameMoveAndSomeSeedsSlip) {
    TGameBoard empty;
    EXPECT_EQ(BeginnerReply(empty, Black, NoLastMove, 7).point, (BoardPoint{8, 8}));
    const TGameBoard board =
        BoardOf({{{8, 8}, Black}, {{9, 9}, White}, {{8, 9}, Black}, {{7, 10}, White}});
    std::set<std::pair<int, int>> points;
    int slips = 0;
    for (std::uint64_t seed = 0; seed < 200; ++seed) {
        const BeginnerChoice first = ChooseBeginnerMove(board, Black, {7, 10}, seed);
        const BeginnerChoice again = ChooseBeginnerMove(board, Black, {7, 10}, seed);
        ASSERT_TRUE(first.answer.point);
        EXPECT_EQ(first.answer.point, again.answer.point);
        points.insert({first.answer.point->x, first.answer.point->y});
        slips += first.reason == BeginnerReason::SecondBest;
    }
    // A best point and a second-best one, the second about as often as the share says.
    EXPECT_EQ(points.size(), 2u);
    EXPECT_GT(slips, 200 * BeginnerSecondBestPercent / 200);
    EXPECT_LT(slips, 200 * BeginnerSecondBestPercent / 50);
}

// Plays the beginner against itself, or against random stones, to five or a full board.
void PlayOut(TGameBoard board, std::uint8_t colour, std::uint64_t seed, bool randomOpponent) {
    std::mt19937_64 random(seed);
    BoardPoint last = NoLastMove;
    for (;; colour = Opponent(colour)) {
        int free = 0;
        for (int x = 1; x <= BoardSize; ++x)
            for (int y = 1; y <= BoardSize; ++y)
                free += board.Grid[x][y] == Empty;
        ComputerAnswer answer = BeginnerReply(board, colour, last, seed);
        if (randomOpponent && colour == White && free > 0) {
            int pick = static_cast<int>(random() % static_cast<unsigned>(free));
            for (int x = 1; x <= BoardSize; ++x)
                for (int y = 1; y <= BoardSize; ++y)
                    if (board.Grid[x][y] == Empty && pick-- == 0) answer.point = {x, y};
        }
        ASSERT_EQ(answer.point.has_value(), free > 0);
        if (!answer.point) return;
        const BoardPoint p = *answer.point;
        ASSERT_EQ(board.GetCell(p.x, p.y), Empty) << p.x << "," << p.y;
        double score = 0.0;
        if (board.WinTest(p.x, p.y, score, colour)) return;
        board.Place(p.x, p.y, static_cast<CellState>(colour));
        last = p;
    }
}

TEST(BeginnerPlayer, PlaysOnlyOnEmptyPointsToTheEndOfWholeGames) {
    TGameBoard late;
    CellState colour = Black;
    for (const MoveRecord& m : testing::LateGameMoves) {
        late.Place(m.x, m.y, colour);
        colour = colour == Black ? White : Black;
    }
    for (std::uint64_t seed = 0; seed < 10; ++seed) {
        PlayOut(late, colour, seed, false);
        PlayOut(TGameBoard{}, Black, seed, true);
    }
}

}  // namespace
}  // namespace wuziqi
