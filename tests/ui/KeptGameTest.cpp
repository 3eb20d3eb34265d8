// The game kept for 继续上局 through the real close: replaced only by a game the person played,
// kept whole in one file and read back strictly, moved once from the version before, never
// lost without a word, and kept when the program is told to end.
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <csignal>

#include "GameSnapshot.h"
#include "KeptGameFile.h"
#include "QuitSignals.h"
#include "SettingsTestMain.h"

namespace {

QByteArray KeptBytes() {
    QFile file(KeptGamePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QString OldKeptGamePath() {
    return QFileInfo(KeptGamePath()).dir().filePath(QStringLiteral("last-game.wzq"));
}

}  // namespace

class KeptGameTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        FirstStartSettings clean(true);
        QFile::remove(KeptGamePath());
        QFile::remove(OldKeptGamePath());
    }

    void untouchedGamesLeaveTheKeptGameAsItWas() {
        QTemporaryDir folder;
        const QString saved = folder.filePath(QStringLiteral("saved.wzq"));
        {
            ShownWindow w;
            w.Click(7, 7);
            w.Click(3, 3);
            QVERIFY(w.form->SaveGameFile(saved));
            QVERIFY(w.form->close());
        }
        const QByteArray kept = KeptBytes();
        QVERIFY(kept.contains("moves 8,8 7,7"));
        // Opened and closed in each mode and with each option; a file opened and looked at; the
        // kept game itself put back and closed again.
        const std::function<void(ShownWindow&)> untouched[] = {
            [](ShownWindow&) {},
            [](ShownWindow& w) { w.Action("N12")->trigger(); },  // two players, computer first
            [](ShownWindow& w) {
                w.Action("N16")->trigger();
                w.Action("Action1")->trigger();
            },
            [&saved](ShownWindow& w) { QVERIFY(w.form->LoadGameFile(saved)); },
            [](ShownWindow& w) { QVERIFY(w.form->ResumeLastGame()); },
        };
        for (const auto& look : untouched) {
            ShownWindow w(ShownWindow::OpenedAgain);
            look(w);
            QVERIFY(w.form->close());
            QCOMPARE(KeptBytes(), kept);
        }
        // Stepping through a game that came from a file changes it.
        ShownWindow w(ShownWindow::OpenedAgain);
        QVERIFY(w.form->LoadGameFile(saved));
        w.Action("Action5")->trigger();
        QVERIFY(w.form->close());
        QVERIFY(KeptBytes().contains("mode 2\nturn 2\ncursor 2\n"));
    }

    void aStateThatDoesNotFitTheMovesIsRefused() {
        wuziqi::KeptGame game;
        game.moves = {{8, 8}, {7, 7}};
        game.historyCursor = 2;
        game.currentColour = wuziqi::White;  // Black is to move after two stones
        WriteFile(KeptGamePath(), QByteArray::fromStdString(wuziqi::EncodeKeptGame(game)));
        ShownWindow w;
        const GameSnapshot fresh(w);
        QVERIFY(!w.form->ResumeLastGame());
        QCOMPARE(QString::fromStdString(w.messages.back()),
                 QStringLiteral("不是棋盘文件！\n轮到走棋的一方与棋盘上的棋子不符。"));
        QVERIFY(GameSnapshot(w) == fresh);
    }

    void theVersionBeforesKeptGameIsMovedOnce() {
        // Three moves with their state in the settings, and the same with a colour that
        // contradicts them, which comes back as a loaded game.
        for (const int colour : {wuziqi::White, wuziqi::Black}) {
            init();
            WriteFile(OldKeptGamePath(),
                      QByteArray("\x06WZQ1.0\x03\0\0\0\x08\x08\x07\x07\x09\x09", 17));
            {
                QSettings settings;
                settings.setValue("resume/moveCount", 3);
                settings.setValue("resume/historyCursor", 3);
                settings.setValue("resume/gameMode", 1);
                settings.setValue("resume/currentColour", colour);
                settings.setValue("resume/blackClock", 70);
                settings.setValue("resume/whiteClock", 20);
                settings.setValue("resume/previousEnabled", true);
            }
            ShownWindow w(ShownWindow::OpenedAgain);
            QVERIFY(!QFile::exists(OldKeptGamePath()));
            QVERIFY(QSettings().childGroups().filter("resume").isEmpty());
            QVERIFY(w.form->ResumeLastGame());
            const wuziqi::GameRecord& record = w.form->Record();
            QCOMPARE(record.MoveHistory.size(), std::size_t{3});
            if (colour == wuziqi::White) {
                QCOMPARE(record.GameMode, wuziqi::ModeTwoPlayers);
                QCOMPARE(record.HistoryCursor, 3);
                QCOMPARE(record.BlackClock, 70);
            } else {
                QCOMPARE(record.GameMode, wuziqi::ModeReview);
                QCOMPARE(record.HistoryCursor, 1);
                QCOMPARE(record.CurrentColour, wuziqi::White);
            }
        }
    }

    void aGameThatCannotBeKeptIsSaidAndTheWindowStillCloses() {
        // A folder where the file goes: even root cannot replace it.
        QVERIFY(QDir().mkpath(KeptGamePath()));
        ShownWindow w;
        w.Click(7, 7);
        QVERIFY(w.form->close());
        QVERIFY(QDir().rmdir(KeptGamePath()));
        QCOMPARE(w.messages.size(), std::size_t{1});
        const QString message = QString::fromStdString(w.messages.back());
        QVERIFY2(message.contains(QDir::toNativeSeparators(KeptGamePath())), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("不是普通文件")), qPrintable(message));
    }

    void aSignalToEndKeepsTheGameWithoutAWord() {
        ShownWindow w;
        QuitSignals quitSignals;
        connect(&quitSignals, &QuitSignals::QuitRequested, w.form.get(), &TForm1::EndSession);
        w.Click(7, 7);
        const wuziqi::KeptGame expected = wuziqi::KeptGameOf(w.form->Record(), false);
        ::kill(::getpid(), SIGTERM);
        QTRY_VERIFY(KeptGameExists());
        const wuziqi::DecodedKeptGame kept = wuziqi::DecodeKeptGame(KeptBytes().toStdString());
        QVERIFY(kept.ok());
        QVERIFY(kept.game == expected);
        QVERIFY(w.messages.empty());
        // Kept once: the close that follows keeps nothing more.
        QFile::remove(KeptGamePath());
        QVERIFY(w.form->close());
        QVERIFY(!KeptGameExists());
    }
};

WUZIQI_SETTINGS_TEST_MAIN(KeptGameTest)
#include "KeptGameTest.moc"
