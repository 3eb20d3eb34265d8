// An external engine as the opponent in the real window, played by a scripted fake engine:
// what the engine is told as the game moves on, a reply called off, and every fault, after
// which the game stays and the built-in computer answers the move the engine owed.
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextBlock>
#include <QThread>
#include <QtTest>
#include <memory>

#include "EngineLog.h"
#include "EnginePlayer.h"
#include "GameBoard.h"
#include "OpponentSettings.h"
#include "ReviewStart.h"
#include "SettingsTestMain.h"
#include "WindowFixture.h"

namespace {

const QString FakeEngine = QStringLiteral(FAKE_PBRAIN_PATH);

// The fake reads what to do wrong, and at which of its moves, from its environment.
void PlayAgainstFake(ShownWindow& w, const char* fault, int faultAt = 1, int turnSeconds = 1) {
    qputenv("FAKE_PBRAIN_FAULT", fault);
    qputenv("FAKE_PBRAIN_FAULT_AT", QByteArray::number(faultAt));
    w.form->PlayAgainstEngine(FakeEngine, turnSeconds);
}

EnginePlayer* EngineOf(const TForm1& form) {
    return form.findChild<EnginePlayer*>(QStringLiteral("Engine"));
}

qint64 EngineProcessId(const TForm1& form) {
    return EngineOf(form)->findChild<QProcess*>()->processId();
}

// The processes of the process group the given process leads that still run (zombies, which
// only wait for their parent or for init to collect them, run no more), read from /proc.
QList<qint64> RunningInGroup(qint64 leader) {
    QList<qint64> members;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isProcess = false;
        const qint64 pid = entry.toLongLong(&isProcess);
        if (!isProcess) continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly)) continue;
        // "pid (name) state ppid pgrp …", where the name may hold spaces and parentheses.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 2 && fields[0] != "Z" && fields[2].toLongLong() == leader)
            members << pid;
    }
    return members;
}

// Every line the window sends to its engine from now on.
struct Transcript {
    explicit Transcript(ShownWindow& w) {
        QObject::connect(EngineOf(*w.form), &EnginePlayer::LineSent, &receiver,
                         [this](const QString& line) { lines << line; });
    }
    // The lines sent since the last call.
    QStringList Fresh() { return lines.mid(std::exchange(read, lines.size())); }
    QObject receiver;  // ends the connection with the transcript
    QStringList lines;
    qsizetype read = 0;
};

}  // namespace

class EngineFaultTest : public QObject {
    Q_OBJECT

  private slots:
    void theEngineIsToldTheBoardTheWindowShows() {
        ShownWindow w;
        PlayAgainstFake(w, "norestart", 99);
        Transcript sent(w);
        w.Click(7, 7);  // the window's opening stone and the person's are new to the engine
        QCOMPARE(
            sent.Fresh(),
            (QStringList{"START 15", "INFO timeout_turn 1000", "INFO timeout_match 0",
                         "INFO time_left 2147483647", "INFO game_type 0", "INFO rule 0", "ABOUT",
                         "INFO time_left 2147483647", "BOARD", "7,7,1", "6,6,2", "DONE"}));
        QCOMPARE(w.form->Board().GetCell(1, 1), wuziqi::Black);  // the fake's first free point
        QCOMPARE(w.form->StatusText(0), QStringLiteral("pbrain-fake 0.1"));

        w.Click(9, 9);  // only the person's stone is new
        QCOMPARE(sent.Fresh(), (QStringList{"INFO time_left 2147483647", "TURN 8,8"}));
        QCOMPARE(w.form->Board().GetCell(2, 1), wuziqi::Black);

        // After a step back the engine's board is set again; this one cannot RESTART and is
        // started afresh.
        w.Action("Action4")->trigger();
        w.Click(10, 10);
        QCOMPARE(sent.Fresh(), (QStringList{"RESTART", "START 15", "INFO time_left 2147483647",
                                            "BOARD", "7,7,1", "6,6,2", "0,0,1", "9,9,2", "DONE"}));

        // A new game: the engine opens on the empty board.
        w.Action("Action1")->trigger();
        w.WaitForComputer();
        QCOMPARE(sent.Fresh(),
                 (QStringList{"RESTART", "START 15", "INFO time_left 2147483647", "BEGIN"}));
        QCOMPARE(w.form->Record().MoveHistory, (std::vector<wuziqi::MoveRecord>{{1, 1}}));
        QCOMPARE(w.form->Record().CurrentColour, std::uint8_t{wuziqi::White});

        QTRY_VERIFY(w.form->findChild<QPlainTextEdit*>(QStringLiteral("EngineLogText"))
                        ->toPlainText()
                        .contains(QStringLiteral("pbrain-fake: MESSAGE move 4\n"
                                                 "pbrain-fake: DEBUG thinking about move 4")));
        QVERIFY(w.messages.empty());

        // The choice is remembered: the next window starts the engine.
        TForm1 next;
        QVERIFY(EngineOf(next));
        QVERIFY(next.findChild<QAction*>(QStringLiteral("EngineOpponent"))->isChecked());
    }

    void theDialogChoosesTheEngineAndTheMenuGoesBack() {
        ShownWindow w;
        qputenv("FAKE_PBRAIN_FAULT", "");
        // Cancelled: nothing changes.
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        w.Action("EngineOpponent")->trigger();
        QVERIFY(w.Action("BuiltInOpponent")->isChecked());
        QVERIFY(!EngineOf(*w.form));

        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            auto* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            auto* program = dialog->findChild<QLineEdit*>(QStringLiteral("ProgramEdit"));
            program->setText(QStringLiteral("/nonexistent/pbrain-missing"));
            QVERIFY(!ok->isEnabled());
            program->setText(FakeEngine);
            QVERIFY(ok->isEnabled());
            dialog->findChild<QSpinBox*>(QStringLiteral("TurnTimeBox"))->setValue(7);
            ok->click();
        });
        w.Action("EngineOpponent")->trigger();
        QVERIFY(EngineOf(*w.form));
        QTRY_COMPARE(w.form->StatusText(0), QStringLiteral("pbrain-fake 0.1"));
        const OpponentSettings chosen = OpponentSettings::Load();
        QVERIFY(chosen.useEngine);
        QCOMPARE(chosen.enginePath, FakeEngine);
        QCOMPARE(chosen.turnSeconds, 7);

        w.Action("BuiltInOpponent")->trigger();
        QVERIFY(!OpponentSettings::Load().useEngine);
        QCOMPARE(w.form->StatusText(0), QString());
        w.Click(7, 7);  // the built-in computer answers
        QCOMPARE(w.form->Record().HistoryCursor, 3);
        QVERIFY(w.messages.empty());
    }

    void aReplyCalledOffIsDroppedAndTheEngineSetRight() {
        ShownWindow w;
        PlayAgainstFake(w, "slow", 1, 5);
        Transcript sent(w);
        QTRY_COMPARE(w.form->StatusText(0), QStringLiteral("pbrain-fake 0.1"));  // set up
        QTest::mouseClick(w.image, Qt::LeftButton, {}, w.PixelOf(7, 7));
        QVERIFY(w.form->Session().OpponentThinking());
        w.Action("Action4")->trigger();  // takes the unanswered stone back
        QVERIFY(!w.form->Session().OpponentThinking());
        QTest::qWait(1500);  // the late answer comes and is dropped
        QCOMPARE(w.form->Record().HistoryCursor, 1);
        QCOMPARE(w.form->Board().GetCell(1, 1), wuziqi::Empty);

        sent.Fresh();
        w.Click(7, 7);
        QCOMPARE(sent.Fresh().value(0), QStringLiteral("RESTART"));
        QCOMPARE(w.form->Board().GetCell(1, 1), wuziqi::Black);
        QVERIFY(w.messages.empty());
    }

    // Filled without a five: stripes two points wide, shifted by two from row to row.
    void onAFullBoardTheEnginePassesUnasked() {
        std::vector<wuziqi::MoveRecord> black, white, game;
        for (std::int8_t y = 1; y <= 15; ++y)
            for (std::int8_t x = 1; x <= 15; ++x)
                ((x - 1 + 2 * (y - 1)) / 2 % 2 ? white : black).push_back({x, y});
        for (std::size_t i = 0; i < black.size(); ++i) {
            game.push_back(black[i]);
            if (i < white.size()) game.push_back(white[i]);
        }
        ShownWindow w;
        PlayAgainstFake(w, "");
        Transcript sent(w);
        wuziqi::StartReview(w.form->Record(), {game.begin(), game.end() - 1});
        w.form->Record().StepForward(static_cast<int>(game.size()) - 2);
        w.Click(game.back().x, game.back().y);  // the person's Black fills the board
        QCOMPARE(w.form->Record().HistoryCursor, 225);
        QVERIFY(sent.Fresh().filter(QRegularExpression("^(BOARD|TURN|BEGIN)")).isEmpty());
        QCOMPARE(w.messages, std::vector<std::string>{"和棋！"});
        QVERIFY(EngineOf(*w.form));
    }

    // A reply that takes its time: after a moment the first panel and the pointer say so, and
    // the answer puts the panel back.
    void aLongThoughtIsShownAfterAMoment() {
        ShownWindow w;
        qputenv("FAKE_PBRAIN_FAULT", "slow");
        qputenv("FAKE_PBRAIN_FAULT_AT", "1");
        // Named by a path relative to the working folder, which is not the engine's own.
        w.form->PlayAgainstEngine(QDir::current().relativeFilePath(FakeEngine), 5);
        QTRY_COMPARE(w.form->StatusText(0), QStringLiteral("pbrain-fake 0.1"));  // its ABOUT
        const QString before = w.form->StatusText(0);
        QTest::mouseClick(w.image, Qt::LeftButton, {}, w.PixelOf(7, 7));
        QVERIFY(w.form->Session().OpponentThinking());
        QCOMPARE(w.form->StatusText(0), before);
        QTRY_COMPARE(w.form->StatusText(0), QStringLiteral("思考中…"));
        QCOMPARE(w.form->cursor().shape(), Qt::BusyCursor);
        w.WaitForComputer();
        QCOMPARE(w.form->StatusText(0), before);
        QCOMPARE(w.form->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(w.form->Record().HistoryCursor, 3);
    }

    // The engine's name stays in the first panel when the language changes.
    void theEnginesTitleOutlivesAChangeOfLanguage() {
        ShownWindow w;
        PlayAgainstFake(w, "");
        QTRY_COMPARE(w.form->StatusText(0), QStringLiteral("pbrain-fake 0.1"));
        w.Action("EnglishAction")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(w.form->StatusText(0), QStringLiteral("pbrain-fake 0.1"));
        w.Action("ChineseAction")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }

    // An engine that ignores END and has started a helper of its own. Dropped or closed with the
    // window, it is left to end while the window goes on; a second later it is killed with its
    // helper. Only the window's destructor waits for it, at most that second.
    void aStoppedEngineEndsWithItsHelpersAndTheWindowNeverWaits() {
        if (!QDir(QStringLiteral("/proc/self")).exists()) QSKIP("needs /proc");
        auto w = std::make_unique<ShownWindow>();
        PlayAgainstFake(*w, "deaf");
        QTRY_COMPARE(w->form->StatusText(0), QStringLiteral("pbrain-fake 0.1"));
        qint64 engine = EngineProcessId(*w->form);
        // The engine leads a group of its own, with its helper in it.
        QTRY_COMPARE(RunningInGroup(engine).size(), 2);

        w->Action("BuiltInOpponent")->trigger();
        QVERIFY(RunningInGroup(engine).contains(engine));  // the switch did not wait for it
        w->Click(7, 7);  // the built-in computer answers meanwhile
        QCOMPARE(w->form->Record().HistoryCursor, 3);
        QTRY_VERIFY_WITH_TIMEOUT(RunningInGroup(engine).isEmpty(), 10000);

        // An engine dropped before the window has heard that it started: the one a new window
        // starts for the remembered choice, dropped before the event loop ever turns.
        PlayAgainstFake(*w, "deaf");
        w.reset();
        w = std::make_unique<ShownWindow>(ShownWindow::OpenedAgain);
        engine = EngineProcessId(*w->form);
        for (int wait = 0; RunningInGroup(engine).size() < 2 && wait < 1000; ++wait)
            QThread::msleep(10);
        QCOMPARE(RunningInGroup(engine).size(), 2);
        w->Action("BuiltInOpponent")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(RunningInGroup(engine).isEmpty(), 10000);

        PlayAgainstFake(*w, "deaf");
        QTRY_COMPARE(w->form->StatusText(0), QStringLiteral("pbrain-fake 0.1"));
        engine = EngineProcessId(*w->form);
        QTRY_COMPARE(RunningInGroup(engine).size(), 2);
        w->form->close();
        QVERIFY(RunningInGroup(engine).contains(engine));  // closing did not wait for it
        w.reset();
        QVERIFY(!RunningInGroup(engine).contains(engine));  // the destructor did, and killed it
        QTRY_VERIFY_WITH_TIMEOUT(RunningInGroup(engine).isEmpty(), 10000);
    }

    // However long an engine's lines, the log opens at their start and at the newest line.
    void theEngineLogOpensAtTheStartOfItsNewestLines() {
        EngineLog log;
        const QString longLine = QStringLiteral("MESSAGE ") + QString(300, QLatin1Char('x'));
        for (int i = 0; i < 50; ++i)
            log.Append(QStringLiteral("pbrain-fake"), longLine);
        log.show();
        QVERIFY(QTest::qWaitForWindowExposed(&log));
        const auto* text = log.findChild<QPlainTextEdit*>();
        QVERIFY(text->horizontalScrollBar()->maximum() > 0);  // wider than the view
        QCOMPARE(text->horizontalScrollBar()->value(), 0);
        const QTextCursor newest(text->document()->lastBlock());
        QVERIFY(text->viewport()->rect().contains(text->cursorRect(newest)));
        log.Append(QStringLiteral("pbrain-fake"), longLine);
        QCOMPARE(text->horizontalScrollBar()->value(), 0);
    }

    void eachFaultStopsTheEngineAndTheGameGoesOn_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QByteArray>("fault");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("named");
        const QString missing = QStringLiteral("/nonexistent/pbrain-missing");
        QTest::newRow("crash") << FakeEngine << QByteArray("crash") << "pbrain-fake"
                               << "崩溃了";
        QTest::newRow("hang") << FakeEngine << QByteArray("hang") << "pbrain-fake"
                              << "超过每步时限 1\u00a0秒";  // one line, whatever the width
        QTest::newRow("garbage") << FakeEngine << QByteArray("garbage") << "pbrain-fake"
                                 << "回答的不是一个点：“I resign, you play too well”";
        QTest::newRow("taken") << FakeEngine << QByteArray("taken") << "pbrain-fake"
                               << "下在了已有棋子的点上：“6,6”";
        QTest::newRow("off board") << FakeEngine << QByteArray("offboard") << "pbrain-fake"
                                   << "下在了棋盘外：“15,0”";
        QTest::newRow("no program") << missing << QByteArray() << "pbrain-missing"
                                    << "无法启动";
    }

    void eachFaultStopsTheEngineAndTheGameGoesOn() {
        QFETCH(QString, program);
        QFETCH(QByteArray, fault);
        QFETCH(QString, name);
        QFETCH(QString, named);
        ShownWindow w;
        qputenv("FAKE_PBRAIN_FAULT", fault);
        qputenv("FAKE_PBRAIN_FAULT_AT", "1");
        w.form->PlayAgainstEngine(program, 1);
        w.Click(7, 7);
        QTRY_COMPARE(w.messages.size(), std::size_t{1});
        const QString message = QString::fromStdString(w.messages.back());
        QVERIFY2(message.contains(name) && message.contains(named), qPrintable(message));

        // The game stayed as it was, and the built-in computer answered the person's stone.
        w.WaitForComputer();
        const wuziqi::GameRecord& record = w.form->Record();
        QCOMPARE(record.HistoryCursor, 3);
        QCOMPARE(record.MoveHistory[0], (wuziqi::MoveRecord{8, 8}));
        QCOMPARE(record.MoveHistory[1], (wuziqi::MoveRecord{7, 7}));
        QCOMPARE(w.form->Board().GetCell(7, 7), wuziqi::White);
        QVERIFY(w.Action("BuiltInOpponent")->isChecked());
        QTRY_VERIFY(!EngineOf(*w.form));
        const OpponentSettings remembered = OpponentSettings::Load();
        QVERIFY(!remembered.useEngine);
        QCOMPARE(remembered.enginePath, program);
    }
};

WUZIQI_SETTINGS_TEST_MAIN(EngineFaultTest)
#include "EngineFaultTest.moc"
