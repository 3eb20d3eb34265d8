// The window shell as created: menus, toolbar, status bar, the clock, the bars' switches, the
// start panel and the About dialog.
#include <QActionGroup>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTextBrowser>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "About.h"
#include "AppInfo.h"
#include "GameBoard.h"
#include "Version.h"
#include "WindowFixture.h"
#include "XPButton.h"

namespace {

// One line per entry: the action's name (or "-" for a separator, or the submenu's name with
// its title), its caption, and the marks "checkable", "checked", "disabled".
QStringList Describe(const QList<QAction*>& actions) {
    QStringList lines;
    for (const QAction* action : actions) {
        if (action->isSeparator()) {
            lines << QStringLiteral("-");
            continue;
        }
        QString name = action->menu() ? action->menu()->objectName() : action->objectName();
        QString line = name + QLatin1Char(' ') + action->text();
        if (action->isCheckable()) line += action->isChecked() ? " [x]" : " [ ]";
        if (!action->isEnabled()) line += QStringLiteral(" disabled");
        lines << line;
    }
    return lines;
}

// The version number that follows "版本" in a text, or an empty string.
QString VersionIn(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("版本\\s*([0-9.]*[0-9])"));
    return pattern.match(text).captured(1);
}

int PanelWidth(const TForm1& form, int panel) {
    return form.findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(panel))->width();
}

}  // namespace

class WindowShellTest : public QObject {
    Q_OBJECT

  private slots:
    void menusAreCreatedInOrderWithTheirMarks() {
        ShownWindow w;
        const auto* menuBar = w.form->findChild<QMenuBar*>(QStringLiteral("MainMenu1"));
        QCOMPARE(Describe(menuBar->actions()),
                 QStringList({"N1 游戏", "N7 游戏参数设置", "N5 官方网站",
                              "LanguageMenu 语言 / Language"}));
        QCOMPARE(Describe(w.form->findChild<QMenu*>(QStringLiteral("N1"))->actions()),
                 QStringList({"Action1 新游戏", "ResumeAction 继续上局 disabled", "Action7 打开",
                              "RecentMenu 最近打开 disabled", "Action6 保存", "-", "Action3 关于",
                              "Action2 退出游戏"}));
        QCOMPARE(Describe(w.form->findChild<QMenu*>(QStringLiteral("RecentMenu"))->actions()),
                 QStringList({"-", "ClearRecentAction 清除列表"}));
        QCOMPARE(Describe(w.form->findChild<QMenu*>(QStringLiteral("LanguageMenu"))->actions()),
                 QStringList({"ChineseAction 中文 [x]", "EnglishAction English [ ]"}));
        QCOMPARE(
            Describe(w.form->findChild<QMenu*>(QStringLiteral("N7"))->actions()),
            QStringList(
                {"N8 显示步数 [ ]", "Action9 启动计时 [ ]", "-", "Action4 向前一步 disabled",
                 "Action5 向后一步 disabled", "ActionHint 提示", "ActionLine 显示必胜棋路 disabled",
                 "-", "N10 游戏模式", "N16 电脑先走 [x]", "LevelMenu 难度", "OpponentMenu 对手",
                 "EngineLogCommand 引擎日志", "-", "N13 显示状态栏 [x]", "N14 显示工具栏 [x]"}));
        QCOMPARE(Describe(w.form->findChild<QMenu*>(QStringLiteral("N10"))->actions()),
                 QStringList({"N11 人机对战 [x]", "N12 双人对战 [ ]"}));
        // Additions: the built-in computer is the opponent unless an engine is chosen.
        QCOMPARE(Describe(w.form->findChild<QMenu*>(QStringLiteral("OpponentMenu"))->actions()),
                 QStringList({"BuiltInOpponent 内置电脑 [x]", "EngineOpponent 外部引擎… [ ]"}));
        QVERIFY(w.Action("N11")->actionGroup()->isExclusive());
        QCOMPARE(w.Action("N11")->actionGroup(), w.Action("N12")->actionGroup());
        QCOMPARE(w.Action("Action4")->toolTip(), QStringLiteral("前一步"));
        QCOMPARE(w.Action("Action5")->toolTip(), QStringLiteral("后一步"));
        QCOMPARE(w.Action("Action1")->toolTip(), QStringLiteral("新建游戏"));
    }

    void toolbarHoldsItsButtonsGapsAndTheRestartButton() {
        ShownWindow w;
        auto* toolBar = w.form->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
        QStringList names;
        for (QAction* action : toolBar->actions()) {
            names << toolBar->widgetForAction(action)->objectName();
        }
        QCOMPARE(names, QStringList({"ToolButton1", "ToolButton8", "ToolButton2", "ToolButton7",
                                     "ToolButton9", "ToolButton10", "ToolButton5", "ToolButton6",
                                     "ToolButton3", "ToolButton4"}));
        for (const char* gap : {"ToolButton7", "ToolButton10", "ToolButton3"}) {
            QCOMPARE(toolBar->findChild<QWidget*>(QLatin1String(gap))->width(), 20);
        }
        QCOMPARE(toolBar->height(), 26);
        // Edge to edge: the exit button ends where the restart button begins, at 221.
        QCOMPARE(toolBar->findChild<QWidget*>(QStringLiteral("ToolButton4"))->geometry().right(),
                 220);
        auto* modeButton = toolBar->findChild<QToolButton*>(QStringLiteral("ToolButton9"));
        QVERIFY(modeButton->isDown() || modeButton->isChecked());
        QCOMPARE(modeButton->toolTip(), QStringLiteral("切换模式"));

        auto* restart = toolBar->findChild<wuziqi::TXPButton*>(QStringLiteral("XPButton1"));
        QCOMPARE(restart->geometry(), QRect(221, 2, 100, 22));
        // The narrowest window still shows it whole, outside any overflow menu.
        const QSize size = w.form->size();
        w.form->resize(1, size.height());
        QVERIFY(restart->isVisible());
        QVERIFY(toolBar->rect().contains(restart->geometry()));
        w.form->resize(size);
        QCOMPARE(restart->Caption(), QStringLiteral("重新开局游戏"));
        w.Action("Action8")->trigger();
        QVERIFY(!modeButton->isChecked());
        w.Click(3, 3);
        QCOMPARE(w.form->Record().HistoryCursor, 2);
        QTest::mouseClick(restart, Qt::LeftButton);
        QCOMPARE(w.form->Record().HistoryCursor, 1);
        QCOMPARE(w.form->Board().GetCell(3, 3), wuziqi::Empty);
    }

    void windowAndStatusBarAreLaidOutAsCreated() {
        ShownWindow w;
        TForm1& form = *w.form;
        QCOMPARE(form.windowTitle(), QStringLiteral("五子棋"));
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(form.findChild<QStatusBar*>(QStringLiteral("StatusBar1"))->height(), 19);
        const int widths[] = {100, 50, 200, 200, 50};
        for (int panel = 0; panel < 5; ++panel)
            QCOMPARE(PanelWidth(form, panel), widths[panel]);
        for (int panel = 0; panel < 5; ++panel)
            QVERIFY(form.StatusText(panel).isEmpty());
    }

    void theClockCountsForTheSideToMove() {
        QLocale::setDefault(QLocale::c());
        ShownWindow w;
        TForm1& form = *w.form;
        auto* timer = form.findChild<QTimer*>(QStringLiteral("Timer1"));
        QCOMPARE(timer->interval(), 100);
        QVERIFY(!timer->isActive());

        form.Record().CurrentColour = wuziqi::Black;
        form.Record().BlackClock = 123;
        form.Timer1Timer();
        QCOMPARE(form.StatusText(2), QStringLiteral("黑方所用时间: 12.3 秒"));
        QCOMPARE(form.StatusText(3), QStringLiteral("白方所用时间: 0 秒"));

        // A window too busy to tick loses no time: the first tick after the thread was held
        // for 350 ms gives the side to move every tenth that passed, not one.
        form.Record().CurrentColour = wuziqi::White;
        w.Action("Action9")->trigger();
        QVERIFY(timer->isActive());
        QThread::msleep(350);
        while (form.Record().WhiteClock == 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const int white = form.Record().WhiteClock;
        QVERIFY2(white >= 3, qPrintable(QString::number(white)));
        QCOMPARE(form.StatusText(3),
                 QStringLiteral("白方所用时间: %1 秒").arg(QLocale::c().toString(white / 10.0)));
        QCOMPARE(form.Record().BlackClock, 123);

        // Switching the clock on and off keeps the counters.
        w.Action("Action9")->trigger();
        QVERIFY(!timer->isActive());
        w.Action("Action9")->trigger();
        QVERIFY(timer->isActive());
        QVERIFY(form.Record().WhiteClock >= white);
        QCOMPARE(form.Record().BlackClock, 123);

        // A new game resets both counters and keeps the timer matching the check mark.
        w.Action("Action1")->trigger();
        QCOMPARE(form.Record().BlackClock, 0);
        QCOMPARE(form.Record().WhiteClock, 0);
        QVERIFY(timer->isActive());
        w.Action("Action9")->trigger();
        w.Action("Action1")->trigger();
        QVERIFY(!timer->isActive());
    }

    void theClockUsesTheLocalesDecimalSeparatorWithoutGrouping() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ShownWindow w;
        TForm1& form = *w.form;
        form.Record().CurrentColour = wuziqi::Black;
        form.Record().BlackClock = 12345;
        form.Timer1Timer();
        QCOMPARE(form.StatusText(2), QStringLiteral("黑方所用时间: 1234,5 秒"));
        QLocale::setDefault(QLocale::c());
    }

    void hidingAndShowingABarKeepsTheBoardSquare_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("bar");
        QTest::addColumn<int>("barHeight");
        QTest::newRow("status bar") << "N13"
                                    << "StatusBar1" << 19;
        QTest::newRow("toolbar") << "N14"
                                 << "ToolBar1" << 26;
    }

    void hidingAndShowingABarKeepsTheBoardSquare() {
        QFETCH(QString, item);
        QFETCH(QString, bar);
        QFETCH(int, barHeight);
        ShownWindow w;
        TForm1& form = *w.form;
        auto* action = form.findChild<QAction*>(item);
        auto* barWidget = form.findChild<QWidget*>(bar);
        const int height = form.height();
        const QSize board = w.image->size();

        action->trigger();
        QVERIFY(!action->isChecked());
        QVERIFY(barWidget->isHidden());
        QCOMPARE(form.height(), height - barHeight);
        QCOMPARE(w.image->size(), board);
        QCOMPARE(form.Picture().size(), board);

        action->trigger();
        QVERIFY(action->isChecked());
        QVERIFY(!barWidget->isHidden());
        QCOMPARE(form.height(), height);
        QCOMPARE(w.image->size(), board);
        QCOMPARE(CellOf(form), 29);
    }

    void theStartButtonOnlyUncoversTheBoard() {
        ShownWindow w;
        TForm1& form = *w.form;
        auto* panel = form.findChild<QFrame*>(QStringLiteral("Panel3"));
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->size(), QSize(335, 283));
        auto* start = panel->findChild<wuziqi::TXPButton*>(QStringLiteral("XPButton2"));
        QCOMPARE(start->geometry(), QRect(96, 160, 145, 41));
        QCOMPARE(start->Caption(), QStringLiteral("开始游戏"));
        QVERIFY(start->font().bold());
        QCOMPARE(start->font().pixelSize(), 21);
        QCOMPARE(start->FontColor(), wuziqi::clPurple);
        QCOMPARE(start->ButtonStyle(), wuziqi::bsGradient);
        QVERIFY(start->BorderDraw());

        const QPoint corner = panel->pos();
        form.resize(form.width() + 64, form.height() + 64);
        QCOMPARE(panel->pos(), corner);

        w.Click(7, 7);
        form.Record().BlackClock = 5;
        const QImage picture = form.Picture();
        const auto history = form.Record().MoveHistory;
        QTest::mouseClick(start, Qt::LeftButton);
        QVERIFY(panel->isHidden());
        QCOMPARE(form.Picture(), picture);
        QVERIFY(form.Record().MoveHistory == history);
        QCOMPARE(form.Record().BlackClock, 5);
    }

    // 官方网站 with no browser to open the home page gives its address to open by hand.
    void theWebSiteCommandSaysWhenNoBrowserOpens() {
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            QSKIP("only the offscreen platform surely opens no browser");
        ShownWindow w;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("openUrl")));
        w.Action("N5")->trigger();
        QCOMPARE(w.messages.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(w.messages.back()).contains(wuziqi::HomePageAddress));
    }

    void theStartPageAndTheAboutDialogShowTheProgramsVersion() {
        const QString version = QString::fromLatin1(wuziqi::ProgramVersion);
        TForm1 form;
        QCOMPARE(
            VersionIn(form.findChild<QTextBrowser*>(QStringLiteral("WebBrowser1"))->toPlainText()),
            version);
        TForm2 about;
        QCOMPARE(VersionIn(about.findChild<QLabel*>(QStringLiteral("Version"))->text()), version);
    }

    void theAboutDialogIsAFixedBoxWithItsButtonFocused() {
        TForm2 about;
        QCOMPARE(about.windowTitle(), QStringLiteral("关于"));
        about.show();
        QCOMPARE(about.size(), QSize(342, 269));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        auto* ok = about.findChild<QPushButton*>(QStringLiteral("OKButton"));
        QCOMPARE(ok->text(), QStringLiteral("确定"));
        QCOMPARE(ok->geometry(), QRect(136, 224, 75, 25));
        QVERIFY(ok->hasFocus() || about.focusWidget() == ok);
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(about.isHidden());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(WindowShellTest)
#include "WindowShellTest.moc"
