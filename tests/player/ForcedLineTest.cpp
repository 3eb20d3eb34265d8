// The line behind a forced win, as the plain search records it: a win by fours played to its
// five move by move, the person's win past the computer's block, an open four played out, and
// nothing where there is no forced win.
#include <gtest/gtest.h>

#include <algorithm>
#include <stop_token>
#include <string>
#include <vector>

#include "GameBoard.h"
#include "LineReplay.h"
#include "LiteralSearch.h"
#include "RecordingReporter.h"

namespace wuziqi {
namespace {

// "x,y,c" tokens as the engine's analyze lines give them.
TGameBoard BoardOf(const std::string& tokens) {
    TGameBoard board;
    std::size_t at = 0;
    while (at < tokens.size()) {
        int x = 0, y = 0, c = 0, used = 0;
        if (std::sscanf(tokens.c_str() + at, "%d,%d,%d%n", &x, &y, &c, &used) != 3) break;
        board.Place(x, y, static_cast<CellState>(c));
        at += static_cast<std::size_t>(used) + 1;
    }
    return board;
}

TEST(ForcedLine, AWinByFoursPlaysToItsFiveMoveByMove) {
    // Black to move: a four on column 7 twice, then a double four.
    TGameBoard board =
        BoardOf("7,9,2 6,8,3 6,9,2 5,9,3 7,8,2 9,8,3 7,5,2 5,6,3 10,10,2 5,7,3 5,8,2 12,8,3");
    const TGameBoard before = board;
    const ForcedLine line = FindForcedLine(board, Black, 16);
    EXPECT_TRUE(std::equal(&board.Grid[0][0], &board.Grid[0][0] + 17 * 17, &before.Grid[0][0]));
    EXPECT_EQ(board.Levels, before.Levels);
    const ForcedLine expected = {{7, 7}, {7, 6}, {7, 10}, {7, 11}, {4, 7}, {3, 6}, {8, 11}};
    ASSERT_EQ(line, expected);
    int x = 7, y = 9;
    EXPECT_EQ(board.ChooseMove(Black, x, y, 16), Verdict::IWin);
    EXPECT_EQ((BoardPoint{x, y}), line.front());

    testing::RecordingReporter reporter;
    TGameBoard replay = before;
    replay.SetReporter(&reporter);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const std::uint8_t colour = i % 2 ? White : Black;
        ASSERT_TRUE(replay.Place(line[i].x, line[i].y, static_cast<CellState>(colour))) << i;
        if (i + 1 == line.size()) break;
        if (colour == Black) {
            // Every Black move is a four, and White takes a five point of it.
            const std::vector<BoardPoint> fives = FivePoints(replay, Black);
            EXPECT_NE(std::find(fives.begin(), fives.end(), line[i + 1]), fives.end()) << i;
            EXPECT_EQ(fives.size(), i + 3 < line.size() ? 1u : 2u) << i;
        }
        EXPECT_TRUE(reporter.wins.empty()) << i;
    }
    EXPECT_EQ(
        reporter.wins,
        (std::vector<testing::RecordingReporter::Win>{{Black, line.back().x, line.back().y}}));

    std::stop_source stop;
    stop.request_stop();
    EXPECT_TRUE(FindForcedLine(board, Black, 16, stop.get_token()).empty())
        << "a search called off proves nothing";
}

TEST(ForcedLine, YouWinStartsWithTheBlockAndEndsWithThePersonsFive) {
    // Two open threes of Black, far apart: White blocks slot 1 and Black still wins.
    TGameBoard board = BoardOf("3,3,2 4,3,2 5,3,2 10,12,2 11,12,2 12,12,2");
    int x = 12, y = 12;
    ASSERT_EQ(board.ChooseMove(White, x, y, 16), Verdict::YouWin);
    const ForcedLine line = FindForcedLine(board, White, 16);
    ASSERT_GE(line.size(), 4u);
    EXPECT_EQ(line.front(), (BoardPoint{x, y}));
    bool five = false;
    EXPECT_TRUE(LinePlaysOut(board, White, Verdict::YouWin, {x, y}, line, &five));
    EXPECT_TRUE(five);
    EXPECT_EQ(line.size() % 2, 0u) << "Black, the second to move, makes the five";
}

TEST(ForcedLine, AnOpenFourIsPlayedOutToItsFive) {
    // The search counts Black's open four as won at once; the line shows its end.
    TGameBoard board = BoardOf("6,8,2 7,8,2 8,8,2 1,1,3 1,3,3 1,5,3");
    const ForcedLine line = FindForcedLine(board, Black, 16);
    ASSERT_EQ(line.size(), 3u);
    EXPECT_EQ(line[0].y, 8);
    bool five = false;
    EXPECT_TRUE(LinePlaysOut(board, Black, Verdict::IWin, line.front(), line, &five));
    EXPECT_TRUE(five);
}

TEST(ForcedLine, NothingWithoutAForcedWin) {
    TGameBoard board = BoardOf("8,8,2");
    EXPECT_TRUE(FindForcedLine(board, White, 16).empty()) << "a quiet answer";
    board = BoardOf("7,8,2 8,8,2 9,8,2 1,1,3");
    EXPECT_TRUE(FindForcedLine(board, White, 16).empty()) << "a three stopped: 你有可能赢哦!";
    board = BoardOf("6,8,2 7,8,2 8,8,2 1,1,3 1,3,3 1,5,3");
    EXPECT_TRUE(FindForcedLine(board, Black, 0).empty()) << "no search below depth 1";
}

}  // namespace
}  // namespace wuziqi
