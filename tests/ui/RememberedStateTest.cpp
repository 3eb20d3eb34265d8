// What the window keeps between runs, with the settings and the data folder in a temporary
// home: its options, the recent games, and the game it closed on.
#include <QActionGroup>
#include <QFileDialog>
#include <QFrame>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

#include "GameSnapshot.h"
#include "KeptGameFile.h"
#include "Language.h"
#include "Settings.h"
#include "SettingsTestMain.h"

namespace {

// Every option away from its default.
RememberedOptions Changed(const QString& folder) {
    RememberedOptions options;
    options.toolBarShown = false;
    options.statusBarShown = false;
    options.moveNumbers = true;
    options.clockRunning = true;
    options.twoPlayers = true;
    options.computerFirst = false;
    options.level = wuziqi::PlayLevel::Master;
    options.masterSeconds = 3;
    options.lastFolder = folder;
    options.language = Language::English;
    return options;
}

bool StartPanelShown(const ShownWindow& w) {
    return w.form->findChild<QFrame*>(QStringLiteral("Panel3"))->isVisible();
}

// Closes the window as the person does, which keeps what it keeps.
void Close(ShownWindow& w) {
    QVERIFY(w.form->close());
}

}  // namespace

class RememberedStateTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        FirstStartSettings clean(true);
        QFile::remove(KeptGamePath());
    }

    void everyOptionComesBackAsTheWindowWasLeft() {
        QRect firstPlace;
        {
            // A first start writes down no choice, whatever the system's language.
            ShownWindow w;
            firstPlace = w.form->geometry();
            QCOMPARE(w.form->CurrentOptions().language, Language::Chinese);
            Close(w);
            for (const QString& key : QSettings().allKeys())
                QVERIFY2(key.startsWith("window/"), qPrintable(key));
            RememberedOptions read = ReadOptions(QSettings());
            read.geometry.clear();
            read.frame = QRect();
            QCOMPARE(read, RememberedOptions{});
        }
        QTemporaryDir folder;
        RememberedOptions left = Changed(folder.path());
        {
            ShownWindow w;
            w.form->ApplyOptions(left);
            w.form->resize(500, 600);
            left.geometry = w.form->saveGeometry();
            left.frame = w.form->frameGeometry();
            left.language = Language::Chinese;  // the window speaks what the application does
            QCOMPARE(w.form->CurrentOptions(), left);
            UseLanguage(Language::English);
            Close(w);
        }
        UseLanguage(Language::Chinese);
        QCOMPARE(RememberedLanguage(), Language::English);
        ShownWindow w(ShownWindow::OpenedAgain);
        const RememberedOptions back = w.form->CurrentOptions();
        QCOMPARE(back.lastFolder, left.lastFolder);
        QCOMPARE(w.form->size(), QSize(500, 600));
        QVERIFY(!w.form->findChild<QToolBar*>(QStringLiteral("ToolBar1"))->isVisible());
        QVERIFY(w.Action("N12")->isChecked() && !w.Action("Action8")->isChecked());
        QVERIFY(!w.Action("N16")->isChecked() && !w.Action("N16")->isEnabled());
        QVERIFY(w.Action("N8")->isChecked() &&
                w.form->findChild<QAction*>(QStringLiteral("N8"))->isChecked());
        QVERIFY(w.form->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        QCOMPARE(w.form->Record().HistoryCursor, 0);  // the person opens: the computer does not
        QCOMPARE(w.form->findChild<QFileDialog*>(QStringLiteral("OpenDialog1"))->directory(),
                 QDir(folder.path()));

        // A place no screen shows any more is not restored.
        w.form->move(5000, 5000);
        Close(w);
        ShownWindow again(ShownWindow::OpenedAgain);
        QCOMPARE(again.form->geometry().topLeft(), firstPlace.topLeft());
    }

    void damagedSettingsFallBackToTheDefaults() {
        const QString file = QSettings().fileName();
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile damaged(file);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(
            "[view]\ntoolBar=maybe\nstatusBar=@ByteArray(false)\nmoveNumbers=1\n"
            "clock=\xff\xfe\x00\n[game]\ntwoPlayers=2\ncomputerFirst=\n"
            "[files]\nlastFolder=/no/such/folder\n[interface]\nlanguage=fr\n"
            "[window]\ngeometry=not a geometry\n[recent\nfiles=@Variant(\x01\x02\n");
        damaged.close();
        QCOMPARE(ReadOptions(QSettings()), RememberedOptions{});
        ShownWindow w(ShownWindow::OpenedAgain);
        QVERIFY(w.form->RecentFiles().isEmpty());
        QCOMPARE(w.form->CurrentOptions().twoPlayers, false);
        QVERIFY(w.form->findChild<QToolBar*>(QStringLiteral("ToolBar1"))->isVisible());
        QCOMPARE(w.form->Record().HistoryCursor, 1);  // the computer's opening stone
    }

    void recentGamesKeepTheirOrderAndCapAndDropMissingFiles() {
        QTemporaryDir folder;
        QStringList saved;
        {
            ShownWindow w;
            for (int i = 1; i <= 10; ++i) {
                saved.prepend(folder.filePath(QStringLiteral("game%1.wzq").arg(i)));
                QVERIFY(w.form->SaveGameFile(saved.first()));
            }
            QCOMPARE(w.form->RecentFiles(), saved.mid(0, 8));
            QVERIFY(w.form->LoadGameFile(saved[5]));  // an opened file comes first, once
            QVERIFY(StartPanelShown(w));              // as 打开 leaves it
            saved.move(5, 0);
            QCOMPARE(w.form->RecentFiles(), saved.mid(0, 8));
        }
        ShownWindow w(ShownWindow::OpenedAgain);
        QCOMPARE(w.form->RecentFiles(), saved.mid(0, 8));
        QVERIFY(QFile::remove(saved[2]));
        w.Action("RecentGame3")->trigger();
        QVERIFY(QString::fromStdString(w.messages.back()).contains(QFileInfo(saved[2]).fileName()));
        QVERIFY(StartPanelShown(w));
        saved.removeAt(2);
        QCOMPARE(w.form->RecentFiles(), saved.mid(0, 7));
        w.Action("RecentGame2")->trigger();
        QCOMPARE(w.messages.back(), std::string("成功读入! 总步数：1"));
        QVERIFY(!StartPanelShown(w));  // the game chosen is in sight
        w.Action("ClearRecentAction")->trigger();
        QVERIFY(w.form->RecentFiles().isEmpty());
        QVERIFY(
            !w.form->findChild<QMenu*>(QStringLiteral("RecentMenu"))->menuAction()->isEnabled());
    }

    void resumedGameEqualsTheClosedOne() {
        QTemporaryDir folder;
        const QString loaded = folder.filePath(QStringLiteral("loaded.wzq"));
        // Against the computer with moves stepped back, two players, and a loaded game under
        // review, each with its clocks.
        const std::function<void(ShownWindow&)> games[] = {
            [](ShownWindow& w) {
                w.Click(7, 7);
                w.Click(10, 12);
                w.Action("Action4")->trigger();
            },
            [](ShownWindow& w) {
                w.Action("N12")->trigger();
                w.Click(7, 7);
                w.Click(9, 9);
            },
            [&loaded](ShownWindow& w) {
                w.Click(7, 7);
                QVERIFY(w.form->SaveGameFile(loaded));
                QVERIFY(w.form->LoadGameFile(loaded));
                w.Action("Action5")->trigger();
            },
        };
        for (const auto& play : games) {
            init();
            std::optional<GameSnapshot> closed;
            {
                ShownWindow w;
                QVERIFY(!w.Action("ResumeAction")->isEnabled());
                play(w);
                w.form->Record().BlackClock = 123;
                w.form->Record().WhiteClock = 45;
                closed.emplace(w);
                Close(w);
            }
            ShownWindow w(ShownWindow::OpenedAgain);
            w.Action("N11")->trigger();  // the other mode first: the game brings its own
            w.Action("ResumeAction")->trigger();
            QVERIFY(GameSnapshot(w) == *closed);
            QCOMPARE(w.Action("N12")->isChecked(), closed->mode == wuziqi::ModeTwoPlayers);
            QVERIFY(!w.Action("ResumeAction")->isEnabled());
        }
    }

    void gameClosedWhileTheComputerThinksGetsItsReply() {
        ShownWindow answered;
        answered.Click(7, 7);
        {
            ShownWindow w;
            // The reply cannot arrive before the window has gone back to its event loop.
            QTest::mouseClick(w.image, Qt::LeftButton, {}, w.PixelOf(7, 7));
            QVERIFY(w.form->Session().OpponentThinking());
            Close(w);
        }
        ShownWindow w(ShownWindow::OpenedAgain);
        QVERIFY(StartPanelShown(w));
        w.Action("ResumeAction")->trigger();
        QVERIFY(!StartPanelShown(w));  // the game and the reply to come are in sight
        w.WaitForComputer();
        QVERIFY(GameSnapshot(w) == GameSnapshot(answered));
    }

    void damagedResumeFileIsRefusedWithTheLoadersMessage() {
        QDir().mkpath(QFileInfo(KeptGamePath()).absolutePath());
        QFile damaged(KeptGamePath());
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("\x06WZQ1.0\x05\x00\x00\x00\x08\x08", 13);
        damaged.close();
        ShownWindow w;
        const GameSnapshot fresh(w);
        w.Action("ResumeAction")->trigger();
        QVERIFY(StartPanelShown(w));
        QCOMPARE(QString::fromStdString(w.messages.back()),
                 QStringLiteral("不是棋盘文件！\n文件中的棋步比记录的步数少，文件不完整。"));
        QVERIFY(GameSnapshot(w) == fresh);
        QVERIFY(!w.Action("ResumeAction")->isEnabled());
    }
};

WUZIQI_SETTINGS_TEST_MAIN(RememberedStateTest)
#include "RememberedStateTest.moc"
