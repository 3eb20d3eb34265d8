// What the window offers beyond the rules: the mark through a line of five, the hint, the forced
// line, keyboard play with the commands' shortcuts, and the draw on a full board.
#include <QHelpEvent>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <QtTest>
#include <tuple>

#include "GameBoard.h"
#include "LiteralSearch.h"
#include "StepForwardKeys.h"
#include "WindowFixture.h"
#include "XPButton.h"

using wuziqi::BoardPoint;

namespace {

// The mark is red at the stones' centres, where neither the stone pictures nor the wood are.
bool Marked(const TForm1& form, std::initializer_list<BoardPoint> points) {
    const QImage picture = form.Picture();
    for (BoardPoint p : points) {
        const QRgb c = picture.pixel(p.x * CellOf(form), p.y * CellOf(form));
        if (qRed(c) < 150 || qGreen(c) > 90 || qBlue(c) > 90) return false;
    }
    return true;
}

// The width of the tooltip on show, or 0.
int ShownTipWidth() {
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("qtooltip_label") && window->isVisible())
            return window->width();
    return 0;
}

void Key(ShownWindow& w, Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i)
        QTest::keyClick(w.image, key);
}

}  // namespace

class PlayAidsTest : public QObject {
    Q_OBJECT

  private slots:
    void theFiveIsMarkedWhileItsStonesStandAndOnALoadedGame() {
        ShownWindow w;
        TForm1& form = *w.form;
        w.Action("Action8")->trigger();  // two players; Black opened at (8, 8)
        for (BoardPoint p :
             {BoardPoint{1, 1}, {8, 9}, {2, 1}, {8, 10}, {3, 1}, {8, 11}, {4, 1}, {8, 12}})
            w.Click(p.x, p.y);
        const auto five = {BoardPoint{8, 8}, {8, 9}, {8, 10}, {8, 11}, {8, 12}};
        QVERIFY(Marked(form, five));
        QVERIFY(!Marked(form, {{4, 1}}));
        w.Action("Action4")->trigger();
        QVERIFY(!Marked(form, {{8, 9}}));
        w.Action("Action5")->trigger();
        QVERIFY(Marked(form, five));

        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("five.wzq"));
        QVERIFY(form.SaveGameFile(file));
        QVERIFY(form.LoadGameFile(file));
        for (int step = 1; step < 8; ++step)
            w.Action("Action5")->trigger();
        QVERIFY(!Marked(form, {{8, 9}}));
        w.Action("Action5")->trigger();  // the winning stone
        QVERIFY(Marked(form, five));
    }

    void aHintLeavesTheGameAsItWasAndMatchesTheSearch_data() {
        QTest::addColumn<std::vector<BoardPoint>>("moves");
        QTest::addColumn<QString>("text");  // told to White, the side to move
        QTest::newRow("quiet") << std::vector<BoardPoint>{} << " ";
        QTest::newRow("own four") << std::vector<BoardPoint>{{3, 3}, {1, 15}, {4, 3}, {2, 15},
                                                             {5, 3}, {4, 15}, {6, 3}, {9, 9}}
                                  << "你赢了! ";
        QTest::newRow("opponent's three")
            << std::vector<BoardPoint>{{1, 1}, {8, 9}, {1, 15}, {8, 10}} << "对方有可能赢哦! ";
    }

    void aHintLeavesTheGameAsItWasAndMatchesTheSearch() {
        QFETCH(std::vector<BoardPoint>, moves);
        QFETCH(QString, text);
        ShownWindow w;
        TForm1& form = *w.form;
        w.Action("Action8")->trigger();
        for (BoardPoint p : moves)
            w.Click(p.x, p.y);
        form.Record().BlackClock = 5;
        const auto game = [&] {
            const wuziqi::GameRecord& r = form.Record();
            const auto* grid = reinterpret_cast<const char*>(form.Board().Grid);
            return std::tuple(r.MoveHistory, r.HistoryCursor, r.CurrentColour, r.LastMove,
                              r.BlackClock, r.WhiteClock,
                              QByteArray(grid, sizeof form.Board().Grid));
        };
        const auto before = game();
        const QImage picture = form.Picture();
        const QString panel = form.StatusText(0);

        QAction* hint = w.Action("ActionHint");
        hint->trigger();
        QVERIFY(!hint->isEnabled());  // while it is worked out
        QTRY_VERIFY_WITH_TIMEOUT(!form.Session().HintThinking(), 60000);
        QVERIFY(hint->isEnabled());
        QVERIFY(game() == before);
        wuziqi::TGameBoard copy = form.Board();
        copy.SetReporter(nullptr);
        BoardPoint expected = form.Record().LastMove;
        copy.ChooseMove(form.Record().CurrentColour, expected.x, expected.y, 16);
        QVERIFY(form.Session().HintPoint() == expected);
        QCOMPARE(form.StatusText(0), text);
        QVERIFY(form.Picture() != picture);  // the marker

        w.Action("N8")->trigger();  // the next command takes it away
        w.Action("N8")->trigger();
        QVERIFY(!form.Session().HintPoint());
        QCOMPARE(form.StatusText(0), panel);
        QCOMPARE(form.Picture(), picture);
    }

    void theComputersForcedLineIsDrawnUntilTheStonesChange() {
        ShownWindow w;
        TForm1& form = *w.form;
        QAction* line = w.Action("ActionLine");
        QVERIFY(!line->isEnabled());
        w.Action("Action8")->trigger();  // two players set Black up with an open three
        for (BoardPoint p : {BoardPoint{1, 1}, {9, 8}, {1, 3}, {10, 8}})
            w.Click(p.x, p.y);
        w.Action("Action8")->trigger();
        wuziqi::TGameBoard before = form.Board();
        before.SetReporter(nullptr);
        before.Place(1, 5, wuziqi::White);
        w.Click(1, 5);
        QCOMPARE(form.StatusText(0), QStringLiteral("我赢了! "));
        QVERIFY(line->isEnabled());
        const QImage plain = form.Picture();

        line->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!form.Session().LineThinking(), 60000);
        // The line from the computer's stone on, which is on the board already.
        const wuziqi::ForcedLine proved = wuziqi::FindForcedLine(before, wuziqi::Black, 16);
        QCOMPARE(proved.size(), std::size_t{3});
        QVERIFY(proved.front() == form.Record().LastMove);
        QVERIFY(form.Session().LineDrawn().moves ==
                wuziqi::ForcedLine(proved.begin() + 1, proved.end()));
        const QImage drawn = form.Picture();
        QVERIFY(drawn != plain);

        line->trigger();  // used again: gone, and the board as it was
        QVERIFY(form.Session().LineDrawn().moves.empty());
        QCOMPARE(form.Picture(), plain);
        line->trigger();  // known already: at once
        QCOMPARE(form.Session().LineDrawn().moves.size(), std::size_t{2});
        QCOMPARE(form.Picture(), drawn);

        w.Action("Action4")->trigger();  // stepping off the position takes the line away
        QVERIFY(form.Session().LineDrawn().moves.empty());
        QVERIFY(!line->isEnabled());
        w.Action("Action5")->trigger();
        QVERIFY(line->isEnabled());
        QVERIFY(form.Session().LineDrawn().moves.empty());
        line->trigger();
        w.Click(form.Session().LineDrawn().moves.front().x,
                form.Session().LineDrawn().moves.front().y);  // the next stone
        QVERIFY(form.Session().LineDrawn().moves.empty());
        QCOMPARE(w.messages, std::vector<std::string>{"Black Win!"});
    }

    void aHintOfAForcedWinOffersItsLineUntilTheHintGoes() {
        ShownWindow w;
        TForm1& form = *w.form;
        QAction* line = w.Action("ActionLine");
        w.Action("Action8")->trigger();
        for (BoardPoint p : {BoardPoint{1, 1}, {9, 8}, {1, 3}, {10, 8}, {1, 5}})
            w.Click(p.x, p.y);
        w.Action("ActionHint")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!form.Session().HintThinking(), 60000);
        QCOMPARE(form.StatusText(0), QStringLiteral("你赢了! "));
        QVERIFY(line->isEnabled());
        line->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!form.Session().LineThinking(), 60000);
        QCOMPARE(form.Session().LineDrawn().moves.size(), std::size_t{3});
        QVERIFY(form.Session().LineDrawn().moves.front() ==
                form.Session().HintPoint());  // the hint is not played yet
        QVERIFY(form.Session().HintPoint());

        w.Action("N8")->trigger();  // another command takes the hint, and its line, away
        QVERIFY(!form.Session().HintPoint());
        QVERIFY(form.Session().LineDrawn().moves.empty());
        QVERIFY(!line->isEnabled());
        w.Action("N8")->trigger();
    }

    void theMenuShowsTheLinesTooltipAlone() {
        ShownWindow w;
        auto* menu = w.form->findChild<QMenu*>(QStringLiteral("N7"));
        menu->popup(w.form->mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        const auto hover = [&](const char* name) {
            const QPoint at = menu->actionGeometry(w.Action(name)).center();
            QHelpEvent help(QEvent::ToolTip, at, menu->mapToGlobal(at));
            QCoreApplication::sendEvent(menu, &help);
        };
        hover("ActionLine");
        QVERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().contains(QStringLiteral("防守方只堵不攻")));
        QVERIFY(QToolTip::text().contains(QStringLiteral("最先尝试")));
        // Its three long paragraphs are wrapped to a readable width, not laid across the menu:
        // as rich text, which Qt always wraps, where plain text is wrapped only when it is wider
        // than the screen (the offscreen screen is narrow, a desktop's is not).
        QVERIFY(Qt::mightBeRichText(QToolTip::text()));
        QVERIFY(ShownTipWidth() > 0 && ShownTipWidth() <= 640);  // some 80 characters
        hover("ActionHint");  // its tooltip only repeats the caption
        QTRY_VERIFY(!QToolTip::isVisible());
        menu->hide();
    }

    void theKeyboardCursorReachesEveryPointAndPlaysLikeAClick() {
        ShownWindow w;
        TForm1& form = *w.form;
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* start = form.findChild<wuziqi::TXPButton*>(QStringLiteral("XPButton2"));
        QCOMPARE(QApplication::focusWidget(), start);
        Key(w, Qt::Key_Home);  // under the start panel the board takes no keys
        QVERIFY(BoardOf(form)->Pointer() == (BoardPoint{3, 3}));
        QTest::keyClick(start, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w.image);

        Key(w, Qt::Key_Left, 20);
        Key(w, Qt::Key_Up, 20);  // it stops at the edges
        QVERIFY(BoardOf(form)->Pointer() == (BoardPoint{1, 1}));
        for (int row = 1; row <= 15; ++row) {  // to and fro, row by row
            for (int step = 1; step < 15; ++step) {
                Key(w, row % 2 ? Qt::Key_Right : Qt::Key_Left);
                const int column = row % 2 ? 1 + step : 15 - step;
                QCOMPARE(form.StatusText(1), QStringLiteral("%1 : %2").arg(column).arg(row));
            }
            Key(w, Qt::Key_Down);
        }
        QVERIFY(BoardOf(form)->Pointer() == (BoardPoint{15, 15}));

        ShownWindow clicked;
        clicked.Click(15, 15);
        Key(w, Qt::Key_Space);
        w.WaitForComputer();
        QVERIFY(form.Record().MoveHistory == clicked.form->Record().MoveHistory);
        Key(w, Qt::Key_Return);  // on a taken point, refused as the click is
        QCOMPARE(w.messages, std::vector<std::string>{" Set Wrong!"});
        Key(w, Qt::Key_Home);
        QVERIFY(BoardOf(form)->Pointer() == (BoardPoint{8, 8}));
    }

    void theCommandsAnswerTheirShortcuts() {
        ShownWindow w;
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        w.Click(7, 7);
        // Forward with the desktop's redo key, shown in the menu, and with Ctrl+Y everywhere.
        QAction* forward = w.Action("Action5");
        QCOMPARE(forward->shortcut(), QKeySequence::keyBindings(QKeySequence::Redo).value(0));
        for (const QKeySequence& key : {forward->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
            QTest::keySequence(w.form.get(), QKeySequence::Undo);
            QCOMPARE(w.form->Record().HistoryCursor, 1);
            QTest::keySequence(w.form.get(), key);
            QCOMPARE(w.form->Record().HistoryCursor, 3);
        }
        // Where the desktop binds redo to Ctrl+Shift+Z alone, as Linux desktops do, Ctrl+Y
        // steps forward too, after it.
        const QKeySequence shiftZ(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), ctrlY(Qt::CTRL | Qt::Key_Y);
        QCOMPARE(StepForwardKeys({shiftZ}), (QList<QKeySequence>{shiftZ, ctrlY}));
        QCOMPARE(StepForwardKeys({ctrlY, shiftZ}), (QList<QKeySequence>{ctrlY, shiftZ}));
        QTest::keyClick(w.form.get(), Qt::Key_H);
        QVERIFY(w.form->Session().HintThinking() || w.form->Session().HintPoint());
        QCOMPARE(w.Action("ActionLine")->shortcut(), QKeySequence(Qt::Key_L));
    }

    void aFullBoardIsADrawAndStopsTheClock() {
        ShownWindow w;
        TForm1& form = *w.form;
        w.Action("Action9")->trigger();
        // Straight into the grid, unknown to the threat map, so no five is announced.
        for (int x = 1; x <= 15; ++x) {
            for (int y = 1; y <= 15; ++y)
                form.Board().Grid[x][y] = (x + y) % 2 ? wuziqi::Black : wuziqi::White;
        }
        form.Board().Grid[1][1] = form.Board().Grid[15][15] = wuziqi::Empty;
        w.Click(1, 1);  // the computer takes the last point
        QCOMPARE(form.Board().GetCell(15, 15), wuziqi::Black);
        QCOMPARE(w.messages, std::vector<std::string>{"和棋！"});
        auto* clock = form.findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(!clock->isActive());
        w.Action("Action4")->trigger();
        QVERIFY(clock->isActive());  // a point is free again
    }
};

QTEST_MAIN(PlayAidsTest)
#include "PlayAidsTest.moc"
