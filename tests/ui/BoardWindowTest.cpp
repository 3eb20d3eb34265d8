// The playable game in the real main window: the first game, clicks and the computer's
// answers, stepping through the moves, the pixel mapping, the fit to a square board, the
// exclusive-or markers, move numbers and win messages.
#include <QLabel>
#include <QScreen>
#include <QtTest>
#include <cstdlib>
#include <string>
#include <vector>

#include "BoardGeometry.h"
#include "GameBoard.h"
#include "ReviewStart.h"
#include "WindowFixture.h"

using wuziqi::BoardPoint;

namespace {

// The pixel just above the top-left corner arm of a point's marker: the marker covers it, while
// no stone, grid line or number does.
QPoint MarkerPixel(const TForm1& form, int column, int row) {
    const int c = CellOf(form);
    return QPoint(column * c - c / 2 + 3, row * c - c / 2 + 1);
}

QRgb Xor(QRgb a, QRgb b) {
    return 0xFF000000u | ((a ^ b) & 0x00FFFFFFu);
}

}  // namespace

class BoardWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void firstShownWindowHoldsTheComputersOpeningStone() {
        ShownWindow w;
        TForm1& form = *w.form;
        const wuziqi::GameRecord& record = form.Record();

        QCOMPARE(form.Board().GetCell(8, 8), wuziqi::Black);
        QCOMPARE(record.HistoryCursor, 1);
        QCOMPARE(record.CurrentColour, std::uint8_t{wuziqi::White});
        QVERIFY(record.LastMove == (BoardPoint{8, 8}));
        QVERIFY(!w.Action("Action4")->isEnabled());
        QVERIFY(!w.Action("Action5")->isEnabled());
        QVERIFY(w.messages.empty());

        // The green marker stands on (8, 8) and the red one on (3, 3): a picture drawn with
        // the markers elsewhere differs there by exactly the marker colours.
        const QImage shown = form.Picture();
        form.Record().LastMove = BoardPoint{1, 1};
        w.MoveTo(w.PixelOf(1, 1));
        emit form.Session().SceneChanged();
        const QImage bare = form.Picture();
        const QPoint green = MarkerPixel(form, 8, 8);
        const QPoint red = MarkerPixel(form, 3, 3);
        QCOMPARE(shown.pixel(green), Xor(bare.pixel(green), BoardImage::LastMoveMarkerColour));
        QCOMPARE(shown.pixel(red), Xor(bare.pixel(red), BoardImage::PointerMarkerColour));
    }

    void thePersonsClickIsAnsweredByTheComputer() {
        ShownWindow w;
        TForm1& form = *w.form;
        w.Click(7, 7);

        const wuziqi::GameRecord& record = form.Record();
        QCOMPARE(record.HistoryCursor, 3);
        QCOMPARE(record.MoveHistory.size(), std::size_t{3});
        QVERIFY(record.MoveHistory[1] == (wuziqi::MoveRecord{7, 7}));
        QCOMPARE(form.Board().GetCell(7, 7), wuziqi::White);
        const wuziqi::MoveRecord reply = record.MoveHistory[2];
        QCOMPARE(form.Board().GetCell(reply.x, reply.y), wuziqi::Black);
        QVERIFY(record.LastMove == (BoardPoint{reply.x, reply.y}));
        QCOMPARE(record.CurrentColour, std::uint8_t{wuziqi::White});
        QVERIFY(w.Action("Action4")->isEnabled());
        QVERIFY(!w.Action("Action5")->isEnabled());
        QVERIFY(!form.StatusText(0).isEmpty());  // the computer's verdict was written
        QVERIFY(w.messages.empty());

        // A click on a taken point is refused and changes nothing else.
        w.Click(7, 7);
        QCOMPARE(w.messages, std::vector<std::string>{" Set Wrong!"});
        QCOMPARE(record.HistoryCursor, 3);
        QCOMPARE(record.CurrentColour, std::uint8_t{wuziqi::White});
    }

    void stepsMoveTwoStonesAgainstTheComputer() {
        ShownWindow w;
        TForm1& form = *w.form;
        w.Click(7, 7);
        const wuziqi::MoveRecord reply = form.Record().MoveHistory[2];

        w.Action("Action4")->trigger();
        const wuziqi::GameRecord& record = form.Record();
        QCOMPARE(record.HistoryCursor, 1);
        QCOMPARE(record.CurrentColour, std::uint8_t{wuziqi::White});
        QCOMPARE(form.Board().GetCell(7, 7), wuziqi::Empty);
        QCOMPARE(form.Board().GetCell(reply.x, reply.y), wuziqi::Empty);
        QVERIFY(record.LastMove == (BoardPoint{8, 8}));
        QVERIFY(!w.Action("Action4")->isEnabled());
        QVERIFY(w.Action("Action5")->isEnabled());

        w.Action("Action5")->trigger();
        QCOMPARE(record.HistoryCursor, 3);
        QCOMPARE(form.Board().GetCell(7, 7), wuziqi::White);
        QCOMPARE(form.Board().GetCell(reply.x, reply.y), wuziqi::Black);
        QVERIFY(w.Action("Action4")->isEnabled());
        QVERIFY(!w.Action("Action5")->isEnabled());
    }

    void stepsMoveOneStoneBetweenTwoPlayers() {
        ShownWindow w;
        TForm1& form = *w.form;
        w.Action("Action8")->trigger();  // two players
        QVERIFY(!w.Action("N16")->isEnabled());
        w.Click(9, 9);
        w.Click(7, 9);
        w.Click(6, 6);
        const wuziqi::GameRecord& record = form.Record();
        QCOMPARE(record.HistoryCursor, 4);
        QCOMPARE(form.Board().GetCell(7, 9), wuziqi::Black);
        QCOMPARE(form.Board().GetCell(6, 6), wuziqi::White);

        w.Action("Action4")->trigger();
        QCOMPARE(record.HistoryCursor, 3);
        QCOMPARE(form.Board().GetCell(6, 6), wuziqi::Empty);
        QCOMPARE(record.CurrentColour, std::uint8_t{wuziqi::White});
        QVERIFY(w.Action("Action5")->isEnabled());

        w.Action("Action4")->trigger();
        w.Action("Action4")->trigger();
        QCOMPARE(record.HistoryCursor, 1);
        QCOMPARE(record.CurrentColour, std::uint8_t{wuziqi::White});
        w.Click(1, 15);  // drops the three stepped-over moves
        QCOMPARE(record.MoveHistory.size(), std::size_t{2});
        QVERIFY(record.MoveHistory[1] == (wuziqi::MoveRecord{1, 15}));
        QVERIFY(!w.Action("Action5")->isEnabled());
        QCOMPARE(form.Board().GetCell(9, 9), wuziqi::Empty);
    }

    void pixelsMapToPointsUpToTheEdges() {
        ShownWindow w;
        TForm1& form = *w.form;
        QCOMPARE(CellOf(form), 29);
        int column = 0;
        int row = 0;
        QVERIFY(BoardOf(form)->Geometry().PixelToPoint(QPoint(0, 0), column, row));
        QCOMPARE(column, 1);
        QVERIFY(BoardOf(form)->Geometry().PixelToPoint(QPoint(42, 448), column, row));
        QCOMPARE(column, 1);
        QCOMPARE(row, 15);
        QVERIFY(BoardOf(form)->Geometry().PixelToPoint(QPoint(43, 43), column, row));
        QCOMPARE(column, 2);
        QVERIFY(!BoardOf(form)->Geometry().PixelToPoint(QPoint(449, 100), column, row));
        QVERIFY(!BoardOf(form)->Geometry().PixelToPoint(QPoint(100, 449), column, row));

        // Real clicks: the margin pixel 0 plays on the first point, pixel 449 plays nothing.
        w.Action("Action8")->trigger();
        w.ClickPixel(QPoint(449, 200));
        QCOMPARE(form.Record().HistoryCursor, 1);
        w.ClickPixel(QPoint(0, 448));
        QCOMPARE(form.Board().GetCell(1, 15), wuziqi::White);
    }

    // The first size gives the 464 x 464 board of 16 cells of 29; every other size a square
    // board centred in the image, never below the smallest cell, never outside the window.
    void theBoardIsASquareCentredInAnyWindowSize() {
        ShownWindow w;
        TForm1& form = *w.form;
        QCOMPARE(w.image->size(), QSize(464, 464));
        QCOMPARE(CellOf(form), 29);
        QCOMPARE(form.Picture().size(), QSize(464, 464));
        QVERIFY(form.screen()->availableGeometry().contains(form.frameGeometry()));

        auto check = [&](const char* what) {
            QCoreApplication::processEvents();
            const BoardGeometry board = w.image->Geometry();
            const QRect square = board.Square();
            QVERIFY2(board.cell >= BoardImage::SmallestCell, what);
            QCOMPARE(CellOf(form), board.cell);
            QVERIFY2(w.image->rect().contains(square), what);
            const QRect image = w.image->rect();
            QVERIFY2(
                std::abs((square.left() - image.left()) - (image.right() - square.right())) <= 1,
                what);
            QVERIFY2(
                std::abs((square.top() - image.top()) - (image.bottom() - square.bottom())) <= 1,
                what);
            const QRect inWindow(w.image->mapTo(&form, square.topLeft()), square.size());
            QVERIFY2(form.rect().contains(inWindow), what);
            QCOMPARE(form.Board().GetCell(8, 8), wuziqi::Black);  // the game goes on
        };
        for (const QSize size : {QSize(476, 150), QSize(150, 476), QSize(200, 200),
                                 QSize(3000, 2000), QSize(553, 478)}) {
            form.resize(size);
            check(qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
        }
        form.showMaximized();
        check("maximised");
        form.showNormal();
        check("restored");
    }

    void markersMovedByThePointerRestoreEveryPixel() {
        ShownWindow w;
        TForm1& form = *w.form;
        w.MoveTo(w.PixelOf(5, 5));
        QCOMPARE(form.StatusText(1), QStringLiteral("5 : 5"));
        const QImage atFive = form.Picture();

        // Within one point nothing is drawn, but the panel is written each time.
        form.findChild<QLabel*>(QStringLiteral("StatusPanel1"))->clear();
        w.MoveTo(w.PixelOf(5, 5) + QPoint(3, 2));
        QCOMPARE(form.Picture(), atFive);
        QCOMPARE(form.StatusText(1), QStringLiteral("5 : 5"));

        w.MoveTo(w.PixelOf(12, 4));
        QCOMPARE(form.StatusText(1), QStringLiteral("12 : 4"));
        QVERIFY(form.Picture() != atFive);
        QVERIFY(BoardOf(form)->Pointer() == (BoardPoint{12, 4}));
        w.MoveTo(w.PixelOf(5, 5));
        QCOMPARE(form.Picture(), atFive);

        // The pointer marker over the last-move marker, and away again.
        w.MoveTo(w.PixelOf(8, 8));
        w.MoveTo(w.PixelOf(5, 5));
        QCOMPARE(form.Picture(), atFive);

        // Outside the board nothing changes.
        w.MoveTo(QPoint(460, 460));
        QCOMPARE(form.StatusText(1), QStringLiteral("5 : 5"));
        QVERIFY(BoardOf(form)->Pointer() == (BoardPoint{5, 5}));
    }

    void placingAStoneDrawsOnlyItsOwnSquare() {
        ShownWindow w;
        TForm1& form = *w.form;
        w.Action("Action8")->trigger();
        const QImage before = form.Picture();
        w.Click(3, 12);
        const QImage after = form.Picture();
        const int c = CellOf(form);
        // Every changed pixel lies in the squares of (3, 12) and of the old last move (8, 8).
        const QRect newSquare(3 * c - c, 12 * c - c, 2 * c, 2 * c);
        const QRect oldSquare(8 * c - c, 8 * c - c, 2 * c, 2 * c);
        int changed = 0;
        for (int y = 0; y < after.height(); ++y) {
            for (int x = 0; x < after.width(); ++x) {
                if (before.pixel(x, y) == after.pixel(x, y)) continue;
                ++changed;
                QVERIFY2(newSquare.contains(x, y) || oldSquare.contains(x, y),
                         qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
        }
        QVERIFY(changed > 0);
    }

    void moveNumbersFollowTheCursor() {
        ShownWindow w;
        TForm1& form = *w.form;
        w.Action("Action8")->trigger();
        w.Click(4, 4);
        w.Click(12, 12);  // move 3, Black
        const int c = CellOf(form);
        auto numberCorner = [&](int column, int row) {
            return form.Picture().pixel(column * c - 5, row * c - 5);
        };
        const QRgb white = qRgb(255, 255, 255);
        const QRgb withoutNumber = numberCorner(12, 12);
        QVERIFY(withoutNumber != white);

        w.Action("N8")->trigger();
        QVERIFY(form.findChild<QAction*>(QStringLiteral("N8"))->isChecked());
        QCOMPARE(numberCorner(8, 8), white);
        QCOMPARE(numberCorner(12, 12), white);

        w.Action("Action4")->trigger();
        QCOMPARE(numberCorner(8, 8), white);
        QCOMPARE(numberCorner(4, 4), white);
        QVERIFY(numberCorner(12, 12) != white);  // moves stepped over are not numbered

        // A new stone shows its own number at once.
        w.Click(2, 13);
        QCOMPARE(numberCorner(2, 13), white);

        w.Action("N8")->trigger();
        QVERIFY(!form.findChild<QAction*>(QStringLiteral("N8"))->isChecked());
        QVERIFY(numberCorner(8, 8) != white);
    }

    void aWinIsAnnouncedOnceAndPlayGoesOn() {
        ShownWindow w;
        TForm1& form = *w.form;
        w.Action("Action8")->trigger();  // Black stands at (8, 8); White to move
        for (int k = 1; k <= 4; ++k) {
            w.Click(k, 1);      // White along the top row
            w.Click(8, 8 + k);  // Black down the column
        }
        QCOMPARE(w.messages, std::vector<std::string>{"Black Win!"});
        QCOMPARE(form.Board().GetCell(8, 12), wuziqi::Black);

        w.Click(5, 1);  // play goes on: White completes five of its own
        QCOMPARE(w.messages, (std::vector<std::string>{"Black Win!", "White Win!"}));
        w.Click(15, 15);
        QCOMPARE(form.Board().GetCell(15, 15), wuziqi::Black);
        QCOMPARE(w.messages.size(), std::size_t{2});
    }

    void theComputerAnswersTheWinningStoneAsWell() {
        ShownWindow w;
        TForm1& form = *w.form;
        w.Action("N16")->trigger();
        form.Action1Execute();  // the person plays Black; place four black stones without replies
        for (int k = 4; k <= 7; ++k)
            form.Board().Place(k, 3, wuziqi::Black);
        w.Click(8, 3);
        QCOMPARE(w.messages, std::vector<std::string>{"Black Win!"});
        QCOMPARE(form.Record().HistoryCursor, 2);  // the computer still replied
        QCOMPARE(form.Record().CurrentColour, std::uint8_t{wuziqi::Black});
    }

    void lateInAGameTheComputerStillFindsAPointOrItIsADraw() {
        ShownWindow w;
        TForm1& form = *w.form;
        // A nearly full board written straight into the grid: the threat map knows nothing of
        // it, so the search offers no point and the nearest empty point to the centre stands in.
        wuziqi::TGameBoard& board = form.Board();
        for (int x = 1; x <= 15; ++x) {
            for (int y = 1; y <= 15; ++y)
                board.Grid[x][y] = (x + y) % 2 ? wuziqi::Black : wuziqi::White;
        }
        board.Grid[1][1] = wuziqi::Empty;
        board.Grid[15][15] = wuziqi::Empty;
        board.Grid[14][15] = wuziqi::Empty;
        emit form.Session().SceneChanged();

        w.Click(15, 15);
        QVERIFY(w.messages.empty());
        QCOMPARE(board.GetCell(15, 15), wuziqi::White);
        QCOMPARE(board.GetCell(14, 15), wuziqi::Black);
        QCOMPARE(form.Record().HistoryCursor, 3);

        // The person fills the last point: the game cannot go on, and the window says so.
        w.Click(1, 1);
        QCOMPARE(w.messages, std::vector<std::string>{"和棋！"});
        QCOMPARE(board.GetCell(1, 1), wuziqi::White);
        QCOMPARE(form.Record().HistoryCursor, 4);
        QCOMPARE(form.Record().CurrentColour, std::uint8_t{wuziqi::White});
    }

    void aNewGameLeavesTheReviewOfALoadedGame() {
        ShownWindow w;
        TForm1& form = *w.form;
        wuziqi::StartReview(form.Record(), {{8, 8}, {9, 9}, {7, 9}});
        emit form.Session().SceneChanged();
        QCOMPARE(form.Record().GameMode, wuziqi::ModeReview);

        form.Action1Execute();
        const wuziqi::GameRecord& record = form.Record();
        QCOMPARE(record.GameMode, wuziqi::ModeAgainstComputer);  // Action8 is checked
        QCOMPARE(record.HistoryCursor, 1);                       // the opening stone is recorded
        QVERIFY(record.MoveHistory[0] == (wuziqi::MoveRecord{8, 8}));
        w.Click(7, 7);
        QCOMPARE(record.HistoryCursor, 3);
        QCOMPARE(form.Board().GetCell(7, 7), wuziqi::White);
    }

    void modeItemsInReviewCompareWithThePendingMode() {
        ShownWindow w;
        TForm1& form = *w.form;
        wuziqi::StartReview(form.Record(), {{8, 8}, {9, 9}});
        // Pending: against the computer (Action8 checked). Choosing it again changes nothing.
        w.Action("N11")->trigger();
        QVERIFY(w.Action("Action8")->isChecked());
        QCOMPARE(form.Record().GameMode, wuziqi::ModeReview);

        w.Action("N12")->trigger();
        QVERIFY(!w.Action("Action8")->isChecked());
        QVERIFY(w.Action("N12")->isChecked());
        QVERIFY(!w.Action("N11")->isChecked());
        QCOMPARE(form.Record().GameMode, wuziqi::ModeTwoPlayers);

        // Outside review the items switch as before.
        w.Action("N11")->trigger();
        QCOMPARE(form.Record().GameMode, wuziqi::ModeAgainstComputer);
        QVERIFY(w.Action("Action8")->isChecked());
        QVERIFY(w.Action("N16")->isEnabled());
    }

    void withoutComputerFirstTheBoardStartsEmpty() {
        ShownWindow w;
        TForm1& form = *w.form;
        w.Action("N16")->trigger();
        QVERIFY(!form.Session().ComputerFirst());
        w.Action("Action1")->trigger();
        QCOMPARE(form.Board().GetCell(8, 8), wuziqi::Empty);
        QCOMPARE(form.Record().CurrentColour, std::uint8_t{wuziqi::Black});
        QCOMPARE(form.Record().HistoryCursor, 0);

        w.Click(8, 8);  // the person opens; the computer answers at once
        QCOMPARE(form.Record().HistoryCursor, 2);
        QCOMPARE(form.StatusText(0), QStringLiteral(" "));
    }
};

QTEST_MAIN(BoardWindowTest)
#include "BoardWindowTest.moc"
