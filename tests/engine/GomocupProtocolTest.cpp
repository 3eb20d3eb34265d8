// pbrain-wuziqi in protocol mode: whole games, take-backs, board set-up and bad input.
#include <gtest/gtest.h>

#include <string>

#include "EngineProcess.h"
#include "GameBoard.h"
#include "Version.h"

namespace wuziqi {
namespace {

using testing::EngineProcess;

// A wire point "x,y" (0-based) as a board point (1-based), or false when it is not one.
bool ParseWire(const std::string& text, int& x, int& y) {
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos) return false;
    try {
        std::size_t usedX = 0, usedY = 0;
        x = std::stoi(text.substr(0, comma), &usedX) + 1;
        y = std::stoi(text.substr(comma + 1), &usedY) + 1;
        return usedX == comma && usedY == text.size() - comma - 1 && InRange(x, 1, 15) &&
               InRange(y, 1, 15);
    } catch (...) {
        return false;
    }
}

// The referee's board: every move of the game, checked for legality, with the win test.
struct Referee {
    TGameBoard board;
    // Plays the stone and says whether it made five.
    bool Play(int x, int y, CellState colour) {
        double score = 0;
        const bool wins = board.WinTest(x, y, score, colour);
        EXPECT_EQ(board.Grid[x][y], Empty) << "occupied point " << x << "," << y;
        board.Place(x, y, colour);
        return wins;
    }
};

TEST(GomocupProtocol, TwoEnginesPlayAWholeGameToFiveOrAFullBoard) {
    EngineProcess black, white;
    ASSERT_TRUE(black.Started() && white.Started());
    for (EngineProcess* e : {&black, &white}) {
        e->Send("START 15");
        ASSERT_EQ(e->ReadLine(), "OK");
        e->Send("INFO timeout_turn 5000");
    }
    Referee referee;
    black.Send("BEGIN");
    std::string move = black.ReadLine();
    ASSERT_EQ(move, "7,7") << "the opening is the centre";
    int x = 0, y = 0;
    ASSERT_TRUE(ParseWire(move, x, y));
    bool won = referee.Play(x, y, Black);

    EngineProcess* toMove = &white;
    CellState colour = White;
    int moves = 1;
    while (!won && moves < 225) {
        toMove->Send("TURN " + move);
        move = toMove->ReadLine();
        ASSERT_TRUE(ParseWire(move, x, y)) << "move " << moves << ": " << move;
        won = referee.Play(x, y, colour);
        ++moves;
        toMove = toMove == &white ? &black : &white;
        colour = colour == White ? Black : White;
    }
    // The two copies of the player are equal, and between them a game may well fill the
    // board; either way every move was legal and answered in time.
    EXPECT_TRUE(won || moves == 225) << moves << " moves";
    for (EngineProcess* e : {&black, &white}) {
        e->Send("END");
        EXPECT_EQ(e->Wait(), 0);
    }
}

TEST(GomocupProtocol, TakeBackAndBoardSetUp) {
    EngineProcess engine;
    ASSERT_TRUE(engine.Started());
    engine.Send("START 15");
    ASSERT_EQ(engine.ReadLine(), "OK");

    // The manager opens; the engine answers a lone centre stone at its first neighbour.
    engine.Send("TURN 7,7");
    EXPECT_EQ(engine.ReadLine(), "6,6");
    engine.Send("TAKEBACK 6,6");
    EXPECT_EQ(engine.ReadLine(), "OK");
    engine.Send("TAKEBACK 7,7");
    EXPECT_EQ(engine.ReadLine(), "OK");
    engine.Send("TAKEBACK 7,7");
    EXPECT_EQ(engine.ReadLine().rfind("ERROR", 0), 0u) << "nothing left to take back";
    engine.Send("TURN 7,7");
    EXPECT_EQ(engine.ReadLine(), "6,6") << "the take-backs left an empty board";

    // Own four on row 0 with its fifth point free: the engine completes it.
    engine.Send("BOARD");
    for (const char* line :
         {"0,0,1", "5,5,2", "1,0,1", "6,5,2", "2,0,1", "7,5,2", "3,0,1", "9,9,2"})
        engine.Send(line);
    engine.Send("DONE");
    EXPECT_EQ(engine.ReadLine(), "4,0");

    // The opponent's open three far from the engine's stones gets blocked at one end.
    engine.Send("RESTART");
    EXPECT_EQ(engine.ReadLine(), "OK");
    engine.Send("BOARD");
    for (const char* line : {"6,7,2", "7,7,2", "0,0,1", "8,7,2"})
        engine.Send(line);
    engine.Send("DONE");
    const std::string block = engine.ReadLine();
    EXPECT_TRUE(block == "9,7" || block == "5,7") << block;

    engine.Send("ABOUT");
    EXPECT_EQ(engine.ReadLine(), std::string("name=\"pbrain-wuziqi\", version=\"") +
                                     ProgramVersion +
                                     "\", author=\"Wuziqi developers\", country=\"CN\", www=\"" +
                                     ProgramHomePage + "\"");
    // END ends the engine even in the middle of a board set-up.
    engine.Send("BOARD");
    engine.Send("7,7,2");
    engine.Send("END");
    EXPECT_EQ(engine.Wait(5000), 0) << "still running with its input open";
    EXPECT_EQ(engine.ReadLine(1000), "<eof>") << "END is not a board line";
}

TEST(GomocupProtocol, BadInputGetsAnErrorAndTheEngineCarriesOn) {
    EngineProcess engine;
    ASSERT_TRUE(engine.Started());
    auto answerStartsWith = [&](const std::string& line, const std::string& prefix) {
        engine.Send(line);
        const std::string answer = engine.ReadLine();
        EXPECT_EQ(answer.rfind(prefix, 0), 0u) << "'" << line << "' gave '" << answer << "'";
    };
    answerStartsWith("TURN 7,7", "ERROR");  // no game started yet
    answerStartsWith("START 21", "ERROR");
    answerStartsWith("START 14", "ERROR");
    answerStartsWith("RECTSTART 20", "ERROR");
    answerStartsWith("RECTSTART 20,21", "ERROR");
    answerStartsWith("START", "ERROR");
    answerStartsWith("START 99999999999999999999", "ERROR");
    answerStartsWith("START 15", "OK");
    for (const char* bad : {"TURN 15,0", "TURN -1,3", "TURN 3", "TURN a,b", "TURN 1,2,3",
                            "TURN 99999999999999999999,1", "TURN ,", "TAKEBACK 20,20"})
        answerStartsWith(bad, "ERROR");
    answerStartsWith("FROBNICATE 1", "UNKNOWN");

    answerStartsWith("TURN 3,3", "");
    answerStartsWith("TURN 3,3", "ERROR");  // taken

    // Over-long lines and bytes of every value are refused without harm.
    engine.WriteAll(std::string(200000, 'A') + "\n");
    EXPECT_EQ(engine.ReadLine(), "ERROR line too long");
    std::string garbage;
    for (int i = 1; i < 256; ++i)
        if (i != '\n') garbage += static_cast<char>(i);
    engine.WriteAll(garbage + "\n");
    EXPECT_EQ(engine.ReadLine().rfind("UNKNOWN", 0), 0u);

    // A bad board line is reported and the set-up goes on.
    engine.Send("BOARD");
    answerStartsWith("7,7,4", "ERROR");
    answerStartsWith("7,7", "ERROR");
    engine.Send("7,7,2");
    answerStartsWith("7,7,1", "ERROR");
    answerStartsWith("DONE", "6,6");

    engine.Send("ABOUT");
    EXPECT_EQ(engine.ReadLine().rfind("name=", 0), 0u);
    // End of input ends the engine as END would.
    engine.CloseInput();
    EXPECT_EQ(engine.Wait(), 0);
}

// The lines sent one after another, and the one answer they get.
std::string SendAll(EngineProcess& engine, std::initializer_list<const char*> lines) {
    for (const char* line : lines)
        engine.Send(line);
    return engine.ReadLine();
}

// What other managers send: blocks the engine does not play, BEGIN out of place, rules
// other than freestyle, and the dead stones of a continuous game.
TEST(GomocupProtocol, ManagersExtensionsGetOneClearAnswer) {
    EngineProcess engine;
    ASSERT_TRUE(engine.Started());
    auto send = [&](std::initializer_list<const char*> lines) { return SendAll(engine, lines); };
    auto startsWith = [](const std::string& text, const std::string& prefix) {
        return text.rfind(prefix, 0) == 0;
    };
    ASSERT_EQ(send({"START 15"}), "OK");

    // A block it does not play is read to its DONE and answered once; ABOUT then answers
    // its own line, so nothing else was said in between.
    EXPECT_TRUE(startsWith(send({"SWAP2BOARD", "7,7", "8,7", "9,9", "DONE"}), "UNKNOWN"));
    EXPECT_TRUE(startsWith(send({"YXBOARD", "7,7,1", "DONE"}), "UNKNOWN"));
    EXPECT_TRUE(startsWith(send({"ABOUT"}), "name="));

    EXPECT_EQ(send({"BEGIN"}), "7,7");
    EXPECT_TRUE(startsWith(send({"BEGIN"}), "ERROR")) << "BEGIN in the middle of a game";
    EXPECT_EQ(send({"RESTART"}), "OK");
    EXPECT_EQ(send({"BEGIN"}), "7,7");

    // Renju and caro are refused, at BOARD once its block is read; the continuous-game and
    // exact-five bits are played.
    for (const char* rule : {"4", "8", "6"}) {
        SCOPED_TRACE(rule);
        EXPECT_EQ(send({"RESTART"}), "OK");
        engine.Send(std::string("INFO rule ") + rule);
        const std::string begin = send({"BEGIN"});
        EXPECT_TRUE(startsWith(begin, "ERROR")) << begin;
        EXPECT_NE(begin.find("freestyle"), std::string::npos) << "the reason: " << begin;
        EXPECT_TRUE(startsWith(send({"TURN 3,3"}), "ERROR"));
        EXPECT_TRUE(startsWith(send({"BOARD", "3,3,2", "4,4,1", "DONE"}), "ERROR"));
    }
    engine.Send("INFO rule 2");
    EXPECT_EQ(send({"RESTART"}), "OK");
    EXPECT_EQ(send({"BEGIN"}), "7,7");

    // The opponent's four on row 5 is closed at 9,5 by a stone of a finished line, so the
    // one point that stops it is 4,5; a dead stone's point counts as taken.
    EXPECT_EQ(send({"RESTART"}), "OK");
    EXPECT_EQ(send({"BOARD", "5,5,2", "6,5,2", "7,5,2", "8,5,2", "9,5,3", "0,0,1", "0,2,1", "0,4,1",
                    "DONE"}),
              "4,5");
    EXPECT_TRUE(startsWith(send({"TURN 9,5"}), "ERROR"));
    engine.Send("END");
    EXPECT_EQ(engine.Wait(5000), 0);
}

// Boards up to 20 x 20 and the exact-five rule, which the master plays whatever the level.
TEST(GomocupProtocol, LargeBoardsAndExactFiveArePlayedByTheMaster) {
    EngineProcess engine;
    ASSERT_TRUE(engine.Started());
    auto send = [&](std::initializer_list<const char*> lines) { return SendAll(engine, lines); };
    engine.Send("INFO timeout_turn 300");
    ASSERT_EQ(send({"START 20"}), "OK");
    EXPECT_NE(send({"ABOUT"}).find("level=\"master\""), std::string::npos);
    EXPECT_EQ(send({"BEGIN"}), "9,9") << "the centre of 20 x 20";

    // A rectangle 20 wide and 16 high: row 16 is off the board, column 19 is not.
    ASSERT_EQ(send({"RECTSTART 20,16"}), "OK");
    EXPECT_EQ(send({"TURN 5,16"}).rfind("ERROR expected x,y with 0 <= x < 20 and 0 <= y < 16", 0),
              0u);
    EXPECT_EQ(send({"BOARD", "15,15,1", "16,15,1", "17,15,1", "18,15,1", "14,15,2", "3,3,2",
                    "4,4,2", "DONE"}),
              "19,15");

    // Back on 15 x 15 with exactly five: own stones at 2..5 and 7 of row 7 make six at 6, so
    // the five is at 1; the standard level plays again once the rule is freestyle.
    ASSERT_EQ(send({"START 15"}), "OK");
    engine.Send("INFO rule 1");
    EXPECT_NE(send({"ABOUT"}).find("level=\"master\""), std::string::npos);
    EXPECT_EQ(send({"BOARD", "2,7,1", "3,7,1", "4,7,1", "5,7,1", "7,7,1", "10,11,2", "11,11,2",
                    "12,12,2", "DONE"}),
              "1,7");
    engine.Send("INFO rule 0");
    EXPECT_EQ(send({"ABOUT"}).find("level="), std::string::npos);
    engine.Send("END");
    EXPECT_EQ(engine.Wait(5000), 0);
}

}  // namespace
}  // namespace wuziqi
