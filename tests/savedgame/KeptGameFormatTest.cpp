// The kept-game file: what is written reads back the same, and anything the window could not
// have left is refused, naming the line or the move.
#include <gtest/gtest.h>

#include <string>

#include "KeptGame.h"

namespace {

using wuziqi::KeptGame;
using wuziqi::KeptGameError;

KeptGame TwoPlayerGame() {
    KeptGame game;
    game.moves = {{8, 8}, {7, 7}, {15, 1}, {1, 15}, {9, 9}};
    game.historyCursor = 3;
    game.gameMode = wuziqi::ModeTwoPlayers;
    game.currentColour = wuziqi::White;
    game.blackClock = 2147483647;
    game.whiteClock = 45;
    game.previousEnabled = true;
    game.nextEnabled = true;
    return game;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

TEST(KeptGameFormat, WrittenGamesReadBackTheSame) {
    KeptGame review;
    review.gameMode = wuziqi::ModeReview;
    KeptGame owed = TwoPlayerGame();
    owed.gameMode = wuziqi::ModeAgainstComputer;
    owed.computerToMove = true;
    // On a full board the turn may have passed without a stone.
    KeptGame full;
    for (int x = 1; x <= 15; ++x)
        for (int y = 1; y <= 15; ++y)
            full.moves.push_back({static_cast<std::int8_t>(x), static_cast<std::int8_t>(y)});
    full.historyCursor = 225;
    full.currentColour = wuziqi::Black;
    for (const KeptGame& game : {TwoPlayerGame(), review, owed, full}) {
        const std::string text = wuziqi::EncodeKeptGame(game);
        EXPECT_LE(text.size(), wuziqi::LargestKeptGameFile);
        const wuziqi::DecodedKeptGame decoded = wuziqi::DecodeKeptGame(text);
        ASSERT_TRUE(decoded.ok()) << text;
        EXPECT_EQ(decoded.game, game);
    }
    EXPECT_EQ(wuziqi::EncodeKeptGame(TwoPlayerGame()),
              "Wuziqi kept game 1\nmode 1\nturn 3\ncursor 3\nclocks 2147483647 45\n"
              "steps 1 1\nreply 0\nmoves 8,8 7,7 15,1 1,15 9,9\n");
}

TEST(KeptGameFormat, RefusesWhatNoWindowLeaves) {
    const std::string good = wuziqi::EncodeKeptGame(TwoPlayerGame());
    struct Case {
        std::string text;
        KeptGameError error;
        int line;
    };
    const Case cases[] = {
        {"", KeptGameError::NotAKeptGame, 0},
        {Replaced(good, "game 1", "game 2"), KeptGameError::NotAKeptGame, 0},
        {good.substr(0, good.size() - 1), KeptGameError::BadLine, 8},
        {good + "\n", KeptGameError::BadLine, 8},
        {Replaced(good, "\n", "\r\n"), KeptGameError::NotAKeptGame, 0},
        {Replaced(good, "mode 1", "mode 3"), KeptGameError::BadLine, 2},
        {Replaced(good, "turn 3", "turn 1"), KeptGameError::BadLine, 3},
        {Replaced(good, "turn 3", "turn 03"), KeptGameError::BadLine, 3},
        {Replaced(good, "cursor 3", "cursor  3"), KeptGameError::BadLine, 4},
        {Replaced(good, "cursor 3", "cursor +3"), KeptGameError::BadLine, 4},
        {Replaced(good, "clocks 2147483647", "clocks 2147483648"), KeptGameError::BadLine, 5},
        {Replaced(good, "clocks 2147483647", "clocks -1"), KeptGameError::NegativeClock, 5},
        {Replaced(good, "steps 1 1", "steps 1"), KeptGameError::BadLine, 6},
        {Replaced(good, "reply 0\n", ""), KeptGameError::BadLine, 7},
        {Replaced(good, "reply 0", "reply 2"), KeptGameError::BadLine, 7},
        {Replaced(good, "9,9", "9;9"), KeptGameError::BadLine, 8},
        {Replaced(good, "9,9", "9,16"), KeptGameError::MoveOffBoard, 8},
        {Replaced(good, "15,1", "0,1"), KeptGameError::MoveOffBoard, 8},
        {Replaced(good, "9,9", "7,7"), KeptGameError::PointTaken, 8},
        {Replaced(good, "cursor 3", "cursor 6"), KeptGameError::CursorPastMoves, 0},
        {Replaced(good, "turn 3", "turn 2"), KeptGameError::ColourContradicts, 0},
        // Only a game against the computer, with a stone on the board, owes a reply.
        {Replaced(good, "reply 0", "reply 1"), KeptGameError::ReplyNotOwed, 0},
        {good + std::string(4096, ' '), KeptGameError::FileTooLarge, 0},
    };
    for (const Case& c : cases) {
        const wuziqi::DecodedKeptGame decoded = wuziqi::DecodeKeptGame(c.text);
        EXPECT_EQ(decoded.error, c.error) << c.text;
        EXPECT_EQ(decoded.badLine, c.line) << c.text;
        EXPECT_TRUE(decoded.game.moves.empty());
    }
    EXPECT_EQ(wuziqi::DecodeKeptGame(Replaced(good, "9,9", "7,7")).badMove, 4);
}

}  // namespace
