// The levels of play in the window: the computer, the hint and the forced line follow the level
// chosen in 难度.
#include <QActionGroup>
#include <QTest>

#include "BeginnerPlayer.h"
#include "GameBoard.h"
#include "LevelReply.h"
#include "WindowFixture.h"

using wuziqi::BoardPoint;

class LevelsTest : public QObject {
    Q_OBJECT

  private slots:
    void theBeginnerPlaysAndHintsAsItself() {
        ShownWindow w;
        QVERIFY(w.Action("StandardLevel")->isChecked());
        w.Action("BeginnerLevel")->trigger();
        QCOMPARE(w.form->Session().Level(), wuziqi::PlayLevel::Beginner);

        w.Click(9, 7);
        // The beginner's reply, worked out again on the board before it.
        wuziqi::TGameBoard before;
        before.Place(8, 8, wuziqi::Black);
        before.Place(9, 7, wuziqi::White);
        const wuziqi::ComputerAnswer expected =
            wuziqi::BeginnerReply(before, wuziqi::Black, {9, 7}, wuziqi::BeginnerSeed);
        QVERIFY(expected.point);
        QCOMPARE(w.form->Board().GetCell(expected.point->x, expected.point->y), wuziqi::Black);

        // The hint for White is the beginner's choice too.
        wuziqi::TGameBoard now = w.form->Board();
        now.SetReporter(nullptr);
        const wuziqi::ComputerAnswer hint =
            wuziqi::BeginnerReply(now, wuziqi::White, *expected.point, wuziqi::BeginnerSeed);
        w.Action("ActionHint")->trigger();
        QTRY_VERIFY(!w.form->Session().HintThinking());
        QVERIFY(w.form->Session().HintPoint() == hint.point);
    }

    void theMasterHintsWithAProvenLineAndItsTooltipDropsTheBlockersWarning() {
        ShownWindow w;
        const QString standardTip = w.Action("ActionLine")->toolTip();
        w.Action("MasterLevel")->trigger();
        QVERIFY(w.Action("ActionLine")->toolTip() != standardTip);
        QVERIFY(!w.Action("ActionLine")->toolTip().contains(QStringLiteral("只堵不攻")));

        // Two people lay out an open three for Black, far from White's stones; Black to move
        // then holds a proven win, which the master's hint finds with its line.
        w.Action("N12")->trigger();
        for (const BoardPoint p : {BoardPoint{1, 1}, {9, 8}, {1, 3}, {10, 8}, {1, 5}})
            w.Click(p.x, p.y);
        w.Action("N11")->trigger();
        w.Action("ActionHint")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!w.form->Session().HintThinking(), 60000);
        const std::optional<BoardPoint> hint = w.form->Session().HintPoint();
        QVERIFY(hint && hint->y == 8);
        QCOMPARE(w.form->StatusText(0), QStringLiteral("你赢了! "));
        QVERIFY(w.Action("ActionLine")->isEnabled());
        w.Action("ActionLine")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!w.form->Session().LineThinking(), 60000);
        const std::vector<BoardPoint> line = w.form->Session().LineDrawn().moves;
        QVERIFY(line.size() >= 3);
        QVERIFY(line.front() == *hint);
    }
};

QTEST_MAIN(LevelsTest)
#include "LevelsTest.moc"
