// The beginner's level: fives completed and blocked whatever the seed, the centre on an empty
// board, the same move for the same seed, and always an empty point while one is free.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <utility>

#include "BeginnerPlayer.h"
#include "GameBoard.h"
#include "LateGame.h"

namespace wuziqi {
namespace {

// "x,y,c" tokens as the engine's analyze lines give them.
TGameBoard BoardOf(const std::string& tokens) {
    TGameBoard board;
    int x = 0, y = 0, c = 0, used = 0;
    for (const char* at = tokens.c_str(); std::sscanf(at, " %d,%d,%d%n", &x, &y, &c, &used) == 3;
         at += used)
        board.Place(x, y, static_cast<CellState>(c));
    return board;
}

TEST(BeginnerPlayer, CompletesItsFiveBeforeBlockingAndBlocksEveryFour) {
    // Each side has a four closed at one end: White's on row 3, Black's on row 10.
    const TGameBoard both =
        BoardOf("4,10,2 5,10,2 6,10,2 7,10,2 3,10,3 4,3,3 5,3,3 6,3,3 7,3,3 8,3,2");
    // Black alone has nothing; White has an open four on row 7 as well.
    const TGameBoard block = BoardOf("4,3,3 5,3,3 6,3,3 7,3,3 8,3,2 12,12,2 12,13,2");
    const TGameBoard open = BoardOf("5,7,3 6,7,3 7,7,3 8,7,3 8,8,2 9,9,2 10,9,2");
    for (std::uint64_t seed = 0; seed < 40; ++seed) {
        TGameBoard board = both;
        EXPECT_EQ(BeginnerReply(board, White, {7, 10}, seed).point, (BoardPoint{3, 3}));
        const ComputerAnswer own = BeginnerReply(board, Black, {7, 3}, seed);
        EXPECT_EQ(own.point, (BoardPoint{8, 10}));
        EXPECT_EQ(own.verdict, Verdict::IWin);
        board = block;
        const ComputerAnswer stop = BeginnerReply(board, Black, {7, 3}, seed);
        EXPECT_EQ(stop.point, (BoardPoint{3, 3}));
        EXPECT_EQ(stop.verdict, Verdict::None);
        board = open;
        const auto end = BeginnerReply(board, Black, {8, 7}, seed).point;
        EXPECT_TRUE(end == (BoardPoint{4, 7}) || end == (BoardPoint{9, 7}));
    }
}

TEST(BeginnerPlayer, TheSameSeedGivesTheSameMoveAndSomeSeedsSlip) {
    TGameBoard empty;
    EXPECT_EQ(BeginnerReply(empty, Black, NoLastMove, 7).point, (BoardPoint{8, 8}));
    const TGameBoard board = BoardOf("8,8,2 9,9,3 8,9,2 7,10,3");
    std::set<std::pair<int, int>> points;
    int slips = 0;
    for (std::uint64_t seed = 0; seed < 200; ++seed) {
        const BeginnerChoice first = ChooseBeginnerMove(board, Black, {7, 10}, seed);
        ASSERT_TRUE(first.answer.point);
        EXPECT_EQ(ChooseBeginnerMove(board, Black, {7, 10}, seed).answer.point, first.answer.point);
        points.insert({first.answer.point->x, first.answer.point->y});
        slips += first.reason == BeginnerReason::SecondBest;
    }
    // The best point and the second-best one, the second about as often as the share says.
    EXPECT_EQ(points.size(), 2u);
    EXPECT_GT(slips, BeginnerSecondBestPercent);
    EXPECT_LT(slips, BeginnerSecondBestPercent * 4);
}

// Plays the beginner against itself, or against random stones, to five or a full board.
void PlayOut(TGameBoard board, std::uint8_t colour, std::uint64_t seed, bool randomWhite) {
    std::mt19937_64 random(seed);
    for (BoardPoint last = NoLastMove;; colour = Opponent(colour)) {
        std::vector<BoardPoint> free;
        for (int x = 1; x <= BoardSize; ++x)
            for (int y = 1; y <= BoardSize; ++y)
                if (board.Grid[x][y] == Empty) free.push_back({x, y});
        ComputerAnswer answer = BeginnerReply(board, colour, last, seed);
        ASSERT_EQ(answer.point.has_value(), !free.empty());
        if (!answer.point) return;
        if (randomWhite && colour == White) answer.point = free[random() % free.size()];
        last = *answer.point;
        ASSERT_EQ(board.GetCell(last.x, last.y), Empty) << last.x << "," << last.y;
        double score = 0.0;
        if (board.WinTest(last.x, last.y, score, colour)) return;
        board.Place(last.x, last.y, static_cast<CellState>(colour));
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
