// Whole games on a GameSession with no window: the person's points in, the session's signals
// out, with a scripted opponent where the test must decide when (and whether) it answers.
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "GameBoard.h"
#include "GameSession.h"

using wuziqi::BoardPoint;

namespace {

// An opponent that keeps what it was asked and answers only when told to.
class ScriptedOpponent : public GamePlayer {
  public:
    void RequestMove(MoveRequest request) override { asked.push_back(std::move(request)); }
    void CancelMove() override { cancelled = true; }
    bool Thinking() const override { return !asked.empty() && !cancelled && !answered; }
    void Answer(BoardPoint point, wuziqi::Verdict verdict = wuziqi::Verdict::None) {
        answered = true;
        emit MoveChosen({point, verdict, {}});
    }
    void Break() { emit PlayerFailed(QStringLiteral("gone")); }

    std::vector<MoveRequest> asked;
    bool cancelled = false;
    bool answered = false;
};

void WaitForOpponent(GameSession& session) {
    QTRY_VERIFY_WITH_TIMEOUT(!session.OpponentThinking(), 60000);
}

}  // namespace

class GameSessionTest : public QObject {
    Q_OBJECT

  private slots:
    void aGameAgainstTheBuiltInComputerTakesTurns() {
        GameSession session;
        session.NewGame();
        QCOMPARE(session.Board().GetCell(8, 8), wuziqi::Black);
        QCOMPARE(session.Record().CurrentColour, std::uint8_t{wuziqi::White});

        // A stone on a taken point is refused: the turn stays and nobody is asked.
        QSignalSpy refusals(&session, &GameSession::PlacementRefused);
        session.PointChosen({8, 8});
        QCOMPARE(refusals.count(), 1);
        QCOMPARE(session.Record().CurrentColour, std::uint8_t{wuziqi::White});
        QVERIFY(!session.OpponentThinking());

        QSignalSpy verdicts(&session, &GameSession::StatusChanged);
        session.PointChosen({7, 7});
        QCOMPARE(session.Board().GetCell(7, 7), wuziqi::White);
        QVERIFY(session.OpponentThinking());
        session.PointChosen({9, 9});  // the board takes no stone while the opponent thinks
        QCOMPARE(session.Board().GetCell(9, 9), wuziqi::Empty);
        WaitForOpponent(session);
        QCOMPARE(session.Record().HistoryCursor, 3);
        QCOMPARE(session.Record().CurrentColour, std::uint8_t{wuziqi::White});
        QVERIFY(!verdicts.isEmpty());
        QVERIFY(std::holds_alternative<wuziqi::Verdict>(session.Status().note));
        QVERIFY(session.WorthKeeping());
    }

    void aWinIsAnnouncedBeforeItsStoneIsShownAndStillAnswered() {
        GameSession session;
        session.SetComputerFirst(false);
        session.NewGame();
        for (int x = 4; x <= 7; ++x)
            session.Board().Place(x, 3, wuziqi::Black);
        std::vector<std::string> order;
        connect(&session, &GameSession::StoneWins, this,
                [&](std::uint8_t colour, BoardPoint point) {
                    QCOMPARE(colour, std::uint8_t{wuziqi::Black});
                    QVERIFY(point == (BoardPoint{8, 3}));
                    order.push_back("win");
                });
        connect(&session, &GameSession::SceneChanged, this, [&] { order.push_back("scene"); });
        session.PointChosen({8, 3});
        QVERIFY(!order.empty());
        QCOMPARE(order.front(), std::string("win"));
        // No game-over state: the computer answers the winning stone too.
        WaitForOpponent(session);
        QCOMPARE(session.Record().HistoryCursor, 2);
    }

    void everyCommandCallsTheOwedReplyOff() {
        const auto commands = std::vector<std::pair<const char*, void (*)(GameSession&)>>{
            {"new game", [](GameSession& s) { s.NewGame(); }},
            {"step forward", [](GameSession& s) { s.StepForward(); }},
            {"two players", [](GameSession& s) { s.SetAgainstComputer(false); }},
            {"review",
             [](GameSession& s) {
                 s.Review({{8, 8}, {9, 9}});
             }},
            {"close", [](GameSession& s) { s.CallOffReply(); }},
        };
        for (const auto& [name, command] : commands) {
            GameSession session;
            ScriptedOpponent opponent;
            session.UseOpponent(&opponent);
            session.NewGame();
            session.PointChosen({7, 7});
            QVERIFY2(session.OpponentThinking(), name);
            command(session);
            QVERIFY2(opponent.cancelled && !session.OpponentThinking(), name);
            session.UseOpponent(nullptr);
        }
        // Stepping back over an unanswered stone takes only that stone: the person moves again.
        GameSession session;
        ScriptedOpponent opponent;
        session.UseOpponent(&opponent);
        session.NewGame();
        session.PointChosen({7, 7});
        session.StepBack();
        QVERIFY(opponent.cancelled);
        QCOMPARE(session.Record().HistoryCursor, 1);
        QCOMPARE(session.Board().GetCell(7, 7), wuziqi::Empty);
        QCOMPARE(session.Record().CurrentColour, std::uint8_t{wuziqi::White});
        session.UseOpponent(nullptr);
    }

    void anOpponentThatFailsHandsItsReplyToTheBuiltInComputer() {
        GameSession session;
        ScriptedOpponent engine;
        session.UseOpponent(&engine);
        session.NewGame();
        session.PointChosen({7, 7});
        bool askedBeforeTheMessage = true;
        connect(&session, &GameSession::OpponentFailed, this,
                [&] { askedBeforeTheMessage = session.OpponentThinking(); });
        engine.Break();
        QVERIFY(!askedBeforeTheMessage);
        QVERIFY(session.Opponent() != &engine);
        QVERIFY(session.OpponentThinking());  // the built-in computer owes the reply now
        WaitForOpponent(session);
        QCOMPARE(session.Record().HistoryCursor, 3);
    }

    void anOpponentsPassOnAFullBoardGivesTheTurnBack() {
        GameSession session;
        ScriptedOpponent opponent;
        session.UseOpponent(&opponent);
        session.SetClockWanted(true);
        session.NewGame();
        wuziqi::TGameBoard& board = session.Board();
        for (int x = 1; x <= 15; ++x) {
            for (int y = 1; y <= 15; ++y)
                board.Grid[x][y] = (x + y) % 2 ? wuziqi::Black : wuziqi::White;
        }
        board.Grid[1][1] = wuziqi::Empty;
        QSignalSpy full(&session, &GameSession::BoardFull);
        session.PointChosen({1, 1});
        QCOMPARE(full.count(), 1);
        QVERIFY(!session.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        // The opponent's point off the board is refused, and the turn comes back all the same.
        QSignalSpy refusals(&session, &GameSession::PlacementRefused);
        opponent.Answer(BoardPoint{0, 0}, wuziqi::Verdict::None);
        QCOMPARE(refusals.count(), 1);
        QCOMPARE(session.Record().CurrentColour, std::uint8_t{wuziqi::White});
        session.UseOpponent(nullptr);
    }

    void aReviewIsLeftForThePlayModeAndTwoPeopleTakeTurns() {
        GameSession session;
        session.SetAgainstComputer(false);
        session.Review({{8, 8}, {9, 9}, {7, 9}});
        QCOMPARE(session.Record().GameMode, wuziqi::ModeReview);
        QCOMPARE(session.Record().HistoryCursor, 1);
        QVERIFY(!session.WorthKeeping());
        session.StepForward();
        QVERIFY(session.WorthKeeping());  // a game from a file, stepped through
        QCOMPARE(session.Board().GetCell(9, 9), wuziqi::White);

        session.PointChosen({1, 1});
        QCOMPARE(session.Record().GameMode, wuziqi::ModeTwoPlayers);
        QCOMPARE(session.Board().GetCell(1, 1), wuziqi::Black);
        QVERIFY(!session.OpponentThinking());
        session.PointChosen({2, 2});
        QCOMPARE(session.Board().GetCell(2, 2), wuziqi::White);
        QCOMPARE(session.Record().HistoryCursor, 4);
    }
};

QTEST_GUILESS_MAIN(GameSessionTest)
#include "GameSessionTest.moc"
