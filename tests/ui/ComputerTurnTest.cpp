// The computer's turn in the real window: it thinks on a worker thread while the window goes
// on, its answer can be called off, it answers wherever a point is free, and the board is drawn
// at the screen's own density.
#include <QElapsedTimer>
#include <QThreadPool>
#include <QTimer>
#include <QtTest>

#include "GameBoard.h"
#include "LateGame.h"
#include "ReviewStart.h"
#include "WindowFixture.h"

namespace {

// A position the search takes long over: Black (the person) is about to play (7, 8), and
// White's answer must prove that no quiet move leads to a forced win.
void SetUpSlowPosition(ShownWindow& w) {
    w.Action("N16")->trigger();      // the person plays Black
    w.Action("Action8")->trigger();  // two players, to lay out the opening
    w.Action("Action1")->trigger();
    for (const auto& [x, y] : {std::pair{10, 8}, {9, 7}, {9, 8}, {8, 8}})
        w.Click(x, y);
    w.Action("Action8")->trigger();  // against the computer again
}

// Presses the mouse on a point without waiting for the computer.
void PressPoint(ShownWindow& w, int column, int row) {
    QTest::mouseClick(w.image, Qt::LeftButton, {}, w.PixelOf(column, row));
}

}  // namespace

class ComputerTurnTest : public QObject {
    Q_OBJECT

  private slots:
    void theWindowGoesOnWhileTheComputerThinks() {
        ShownWindow w;
        SetUpSlowPosition(w);
        int ticksWhileThinking = 0;
        QTimer ticker;
        ticker.setInterval(1);
        connect(&ticker, &QTimer::timeout,
                [&] { ticksWhileThinking += w.form->Session().OpponentThinking(); });
        ticker.start();
        PressPoint(w, 7, 8);
        QVERIFY(w.form->Session().OpponentThinking());
        QVERIFY(!w.Action("ActionHint")->isEnabled());  // no hint while it thinks
        w.Click(1, 1);  // refused while it thinks: the board takes no stone
        QCOMPARE(w.form->Board().GetCell(1, 1), wuziqi::Empty);
        QVERIFY(ticksWhileThinking > 0);
        QVERIFY(w.Action("ActionHint")->isEnabled());
        QCOMPARE(w.form->Record().HistoryCursor, 6);
        QCOMPARE(w.form->Record().CurrentColour, std::uint8_t{wuziqi::Black});
    }

    void aNewGameCallsOffThePendingReply() {
        ShownWindow w;
        SetUpSlowPosition(w);
        w.Action("N16")->trigger();  // the computer opens again
        PressPoint(w, 7, 8);
        QVERIFY(w.form->Session().OpponentThinking());
        w.Action("Action1")->trigger();
        QVERIFY(!w.form->Session().OpponentThinking());
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        const wuziqi::GameRecord& record = w.form->Record();
        QCOMPARE(record.HistoryCursor, 1);
        QCOMPARE(record.MoveHistory.size(), std::size_t{1});
        QCOMPARE(record.CurrentColour, std::uint8_t{wuziqi::White});
        QCOMPARE(w.form->StatusText(0), QString());
    }

    void steppingBackWhileItThinksTakesBackTheUnansweredStone() {
        ShownWindow w;
        SetUpSlowPosition(w);
        PressPoint(w, 7, 8);
        QVERIFY(w.form->Session().OpponentThinking());
        w.Action("Action4")->trigger();
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        const wuziqi::GameRecord& record = w.form->Record();
        QCOMPARE(record.HistoryCursor, 4);
        QCOMPARE(w.form->Board().GetCell(7, 8), wuziqi::Empty);
        QCOMPARE(record.CurrentColour, std::uint8_t{wuziqi::Black});
        QVERIFY(w.Action("Action5")->isEnabled());
    }

    // Late in a long game the search has no point for the computer although 48 are free.
    void theComputerAnswersWhereverAPointIsFree() {
        ShownWindow w;
        const auto& moves = wuziqi::testing::LateGameMoves;
        wuziqi::StartReview(w.form->Record(), {moves.begin(), moves.end()});
        w.form->Record().StepForward(static_cast<int>(moves.size()) - 2);
        const wuziqi::MoveRecord last = moves.back();
        w.Click(last.x, last.y);  // Black, the person; White answers
        QCOMPARE(w.form->Record().HistoryCursor, static_cast<int>(moves.size()) + 1);
        const wuziqi::MoveRecord answer = w.form->Record().MoveHistory.back();
        QCOMPARE(w.form->Board().GetCell(answer.x, answer.y), wuziqi::White);
    }

    // At twice the density the stones are drawn from pictures made for it: along a stone's
    // edge, the 2 x 2 blocks of device pixels are not all of one colour, as they would be in a
    // board painted at its logical size and magnified.
    void atTwiceTheDensityStoneEdgesAreFinerThanTwoByTwoBlocks() {
        ShownWindow w;
        const QImage fine = w.form->Picture(2.0);
        QCOMPARE(fine.size(), w.image->size() * 2);
        const QRect stone = BoardOf(*w.form)->Geometry().PointSquare(8, 8);
        int mixedBlocks = 0;
        for (int y = 2 * stone.top(); y < 2 * (stone.bottom() + 1); y += 2) {
            for (int x = 2 * stone.left(); x < 2 * (stone.right() + 1); x += 2) {
                const QRgb p = fine.pixel(x, y);
                mixedBlocks += fine.pixel(x + 1, y) != p || fine.pixel(x, y + 1) != p ||
                               fine.pixel(x + 1, y + 1) != p;
            }
        }
        // The stone's outline alone crosses some 80 blocks.
        QVERIFY2(mixedBlocks > 60, qPrintable(QString::number(mixedBlocks)));
    }
};

QTEST_MAIN(ComputerTurnTest)
#include "ComputerTurnTest.moc"
