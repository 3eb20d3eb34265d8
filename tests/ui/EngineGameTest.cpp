// A whole game in the real window against pbrain-wuziqi run as an external engine: it opens,
// answers every stone as the built-in computer would on the same board (so the board it was
// told is the window's), is set right after a step back, and the game is saved as .psq and
// .sgf and opened again from both.
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include "ComputerReply.h"
#include "EnginePlayer.h"
#include "GameBoard.h"
#include "WindowFixture.h"

namespace {

// What the built-in computer plays for the colour after the last stone, on the window's
// board with the stone to answer added, if any. The person plays White this way too, so
// that the game is long.
std::optional<wuziqi::BoardPoint> BuiltInReply(TForm1& form, std::uint8_t colour,
                                               wuziqi::BoardPoint last, bool placeLast) {
    wuziqi::TGameBoard board = form.Board();
    board.SetReporter(nullptr);
    if (placeLast)
        board.Place(last.x, last.y, static_cast<wuziqi::CellState>(wuziqi::Opponent(colour)));
    return wuziqi::ComputerReply(board, colour, last, 16).point;
}

wuziqi::BoardPoint LastStone(const wuziqi::GameRecord& record) {
    const wuziqi::MoveRecord last = record.MoveHistory[record.HistoryCursor - 1];
    return {last.x, last.y};
}

bool SomeoneWon(const ShownWindow& w) {
    for (const std::string& message : w.messages)
        if (message.ends_with(" Win!")) return true;
    return false;
}

}  // namespace

class EngineGameTest : public QObject {
    Q_OBJECT

  private slots:
    void aWholeGameAgainstPbrainWuziqi() {
        QStringList sent;
        ShownWindow w;
        w.form->PlayAgainstEngine(QStringLiteral(PBRAIN_WUZIQI_PATH), 60);
        auto* engine = w.form->findChild<EnginePlayer*>(QStringLiteral("Engine"));
        QVERIFY(engine);
        connect(engine, &EnginePlayer::LineSent, [&sent](const QString& line) { sent << line; });

        w.Action("Action1")->trigger();  // the engine opens the new game
        w.WaitForComputer();
        QVERIFY(sent.contains(QStringLiteral("BEGIN")));
        QCOMPARE(w.form->Board().GetCell(8, 8), wuziqi::Black);
        QCOMPARE(w.form->StatusText(0), QStringLiteral("pbrain-wuziqi 1.0"));

        const wuziqi::GameRecord& record = w.form->Record();
        while (!SomeoneWon(w)) {
            const auto stone = BuiltInReply(*w.form, wuziqi::White, LastStone(record), false);
            if (!stone) break;  // a full board
            const auto expected = BuiltInReply(*w.form, wuziqi::Black, *stone, true);
            w.Click(stone->x, stone->y);
            if (expected) QCOMPARE(LastStone(record), *expected);
        }
        // Move by move, each of the person's stones went as a TURN.
        QCOMPARE(sent.filter(QRegularExpression(QStringLiteral("^TURN "))).size(),
                 record.HistoryCursor / 2);
        QVERIFY(!sent.contains(QStringLiteral("BOARD")));

        // A step back: the engine is told the board again, after RESTART.
        w.Action("Action4")->trigger();
        w.Action("Action4")->trigger();
        sent.clear();
        // Somewhere else than before, so that the game goes a new way.
        const wuziqi::MoveRecord before = record.MoveHistory[record.HistoryCursor];
        wuziqi::BoardPoint stone{0, 0};
        for (int x = 1; x <= 15; ++x)
            for (int y = 1; y <= 15; ++y)
                if (w.form->Board().GetCell(x, y) == wuziqi::Empty &&
                    wuziqi::MoveRecord{static_cast<std::int8_t>(x), static_cast<std::int8_t>(y)} !=
                        before)
                    stone = {x, y};
        const auto expected = BuiltInReply(*w.form, wuziqi::Black, stone, true);
        w.Click(stone.x, stone.y);
        QCOMPARE(sent.mid(0, 3), (QStringList{"RESTART", "INFO time_left 2147483647", "BOARD"}));
        QCOMPARE(sent.last(), QStringLiteral("DONE"));
        QCOMPARE(sent.size(), 3 + record.HistoryCursor - 1 + 1);
        QCOMPARE(LastStone(record), *expected);

        // Saved in the formats of other programs, and opened again from each.
        const std::vector<wuziqi::MoveRecord> game = record.MoveHistory;
        QTemporaryDir folder;
        const QString psq = folder.filePath(QStringLiteral("game.psq"));
        const QString sgf = folder.filePath(QStringLiteral("game.sgf"));
        QVERIFY(w.form->SaveGameFile(psq, GameFileFormat::Psq));
        QVERIFY(w.form->SaveGameFile(sgf, GameFileFormat::Sgf));
        QFile sgfFile(sgf);
        QVERIFY(sgfFile.open(QIODevice::ReadOnly));
        QVERIFY(sgfFile.readAll().startsWith(
            QStringLiteral("(;FF[4]GM[4]SZ[15]CA[UTF-8]PB[pbrain-wuziqi 1.0]PW[玩家]\n;B[hh];W[")
                .toUtf8()));
        for (const QString& path : {psq, sgf}) {
            w.Action("Action1")->trigger();
            w.WaitForComputer();
            QVERIFY(w.form->LoadGameFile(path));
            QCOMPARE(w.messages.back(), "成功读入! 总步数：" + std::to_string(game.size()));
            QCOMPARE(record.MoveHistory, game);
            QCOMPARE(record.GameMode, wuziqi::ModeReview);
            QCOMPARE(record.HistoryCursor, 1);
        }

        // Closing the window says END.
        w.form->close();
        QCOMPARE(sent.last(), QStringLiteral("END"));
    }
};

QTEST_MAIN(EngineGameTest)
#include "EngineGameTest.moc"
