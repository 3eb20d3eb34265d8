// Save and Open in the real window: the dialogs, the messages, what loading does to the game,
// and files that are refused with the game left exactly as it was.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <system_error>
#include <tuple>

#include "GameBoard.h"
#include "GameSnapshot.h"
#include "GameTexts.h"
#include "SavedGame.h"
#include "WindowFixture.h"

namespace {

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int StonesOnBoard(ShownWindow& w) {
    int stones = 0;
    for (int x = 1; x <= 15; ++x)
        for (int y = 1; y <= 15; ++y)
            stones += w.form->Board().GetCell(x, y) != wuziqi::Empty;
    return stones;
}

}  // namespace

class SavedGameWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(directory.isValid()); }

    void savedGameComesBackForReviewStepByStep() {
        ShownWindow w;
        w.Click(7, 7);    // the person's white stone and the computer's reply
        w.Click(10, 12);  // and another exchange
        QCOMPARE(w.form->Record().HistoryCursor, 5);
        w.Action("Action4")->trigger();  // step back over the last exchange: still saved
        const std::vector<wuziqi::MoveRecord> played = w.form->Record().MoveHistory;

        const QString path = directory.filePath(QStringLiteral("game.wzq"));
        QVERIFY(w.form->SaveGameFile(path));
        QCOMPARE(w.messages.back(), std::string("保存完毕！ 总步数：5"));
        const std::vector<std::uint8_t> expected = wuziqi::EncodeSavedGame(played);
        QCOMPARE(ReadFile(path), QByteArray(reinterpret_cast<const char*>(expected.data()),
                                            static_cast<qsizetype>(expected.size())));

        w.Action("Action1")->trigger();
        QVERIFY(w.form->LoadGameFile(path));
        QCOMPARE(w.messages.back(), std::string("成功读入! 总步数：5"));
        QCOMPARE(w.form->Record().GameMode, wuziqi::ModeReview);
        QCOMPARE(StonesOnBoard(w), 1);
        QCOMPARE(w.form->Board().GetCell(8, 8), wuziqi::Black);
        QVERIFY(!w.Action("Action4")->isEnabled());
        QVERIFY(w.Action("Action5")->isEnabled());

        for (int step = 2; step <= 5; ++step) {
            w.Action("Action5")->trigger();  // one stone at a time while reviewing
            QCOMPARE(w.form->Record().HistoryCursor, step);
            QCOMPARE(StonesOnBoard(w), step);
        }
        QVERIFY(!w.Action("Action5")->isEnabled());
        for (std::size_t i = 0; i < played.size(); ++i)
            QCOMPARE(w.form->Board().GetCell(played[i].x, played[i].y),
                     i % 2 == 0 ? wuziqi::Black : wuziqi::White);
    }

    void refusedFilesLeaveTheGameAsItWas() {
        ShownWindow w;
        w.Click(7, 7);
        const QString missing = directory.filePath(QStringLiteral("missing.wzq"));
        struct Bad {
            const char* name;
            QByteArray bytes;
            const char* message;
        };
        const Bad files[] = {
            {"five.wzq", Bytes({5, 'W', 'Z', 'Q', '1', '.', '0', 0, 0, 0, 0}), "不是棋盘文件！\n"},
            {"short.wzq", Bytes({6, 'W', 'Z', 'Q', '1', '.', '0', 1}), "不是棋盘文件！\n"},
            {"negative.wzq", Bytes({6, 'W', 'Z', 'Q', '1', '.', '0', 0xFF, 0xFF, 0xFF, 0xFF}),
             "不是棋盘文件！\n"},
            {"huge.wzq", Bytes({6, 'W', 'Z', 'Q', '1', '.', '0', 0xFF, 0xFF, 0xFF, 0x7F, 8, 8}),
             "不是棋盘文件！\n"},
            {"trailing.wzq", Bytes({6, 'W', 'Z', 'Q', '1', '.', '0', 1, 0, 0, 0, 8, 8, 0}),
             "不是棋盘文件！\n"},
            {"offboard.wzq", Bytes({6, 'W', 'Z', 'Q', '1', '.', '0', 1, 0, 0, 0, 0, 8}),
             "不是棋盘文件！\n"},
            {"taken.wzq", Bytes({6, 'W', 'Z', 'Q', '1', '.', '0', 2, 0, 0, 0, 8, 8, 8, 8}),
             "不是棋盘文件！\n"},
        };
        const GameSnapshot before(w);
        for (const Bad& bad : files) {
            const QString path = directory.filePath(QString::fromLatin1(bad.name));
            WriteFile(path, bad.bytes);
            QVERIFY2(!w.form->LoadGameFile(path), bad.name);
            QVERIFY2(w.messages.back().rfind(bad.message, 0) == 0, bad.name);
            QVERIFY2(GameSnapshot(w) == before, bad.name);
        }

        // Files of other programs are refused the same way, each with its reason.
        const std::tuple<const char*, QByteArray, const char*> others[] = {
            {"big.psq", "Piskvorky 20x20, 0:0, 0\n10,10,0\n", "20x20"},
            {"taken.psq", "Piskvorky 15x15, 0:0, 0\n8,8,0\n8,8,0\n",
             "第 2 步（8,8）落在已有棋子的位置上"},
            {"go.sgf", "(;GM[1]SZ[15];B[hh])", "GM[1]"},
            {"setup.sgf", "(;GM[4]AB[hh];W[ii])", "AB"},
            {"broken.sgf", "(;GM[4];B[hh]", "第 14 个字节"},
        };
        for (const auto& [name, bytes, reason] : others) {
            const QString path = directory.filePath(QString::fromLatin1(name));
            WriteFile(path, bytes);
            QVERIFY2(!w.form->LoadGameFile(path), name);
            QVERIFY2(w.messages.back().rfind("不是棋盘文件！\n", 0) == 0, name);
            QVERIFY2(w.messages.back().find(reason) != std::string::npos,
                     w.messages.back().c_str());
            QVERIFY2(GameSnapshot(w) == before, name);
        }

        // A file that opens like none of the formats, whatever its name, says why for each.
        const std::pair<const char*, QByteArray> unknown[] = {
            {"empty.wzq", ""},
            {"five.psq", Bytes({5, 'W', 'Z', 'Q', '1', '.', '0', 0, 0, 0, 0})},
            {"notes.sgf", "(GM[4];B[hh])"},
            {"notes.txt", " Piskvorky 15x15\n"}};
        for (const auto& [name, bytes] : unknown) {
            const QString path = directory.filePath(QString::fromLatin1(name));
            WriteFile(path, bytes);
            QVERIFY2(!w.form->LoadGameFile(path), name);
            QCOMPARE(w.messages.back(),
                     std::string("不是棋盘文件！\n"
                                 "不是 .wzq：文件开头没有棋盘文件的标识。\n"
                                 "不是 .psq：第一行不是 .psq 棋谱的开头“Piskvorky 15x15, …”。\n"
                                 "不是 .sgf：文件不是以 SGF 棋谱的“(;”开头。"));
            QVERIFY2(GameSnapshot(w) == before, name);
        }

        QVERIFY(!w.form->LoadGameFile(missing));
        QVERIFY(w.messages.back().rfind("Cannot open file \"", 0) == 0);
        QVERIFY(w.messages.back().find("missing.wzq") != std::string::npos);
        QVERIFY(GameSnapshot(w) == before);

        // Over the size limit, however well its count matches: a sparse file of nearly 1 GiB.
        const QString huge = directory.filePath(QStringLiteral("huge.wzq"));
        WriteFile(huge, Bytes({6, 'W', 'Z', 'Q', '1', '.', '0', 0xFA, 0xFF, 0xFF, 0x1F}));
        QVERIFY(QFile::resize(huge, 11 + 2 * qint64(0x1FFFFFFA)));
        QVERIFY(!w.form->LoadGameFile(huge));
        QCOMPARE(w.messages.back(),
                 GameTexts::SavedGameRefusal(wuziqi::SavedGameError::FileTooLarge).toStdString());
        QVERIFY(GameSnapshot(w) == before);
    }

    void specialFilesAreRefusedWithoutWaiting() {
        ShownWindow w;
        w.Click(7, 7);
        const GameSnapshot before(w);
        const QString fifo = directory.filePath(QStringLiteral("pipe.wzq"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        // Opening a pipe with no writer would block for good: end the test instead of hanging.
        struct Deadline {
            Deadline() { alarm(30); }
            ~Deadline() { alarm(0); }
        } deadline;
        for (const QString& path :
             {fifo, QStringLiteral("/dev/null"), QStringLiteral("/dev/zero"), directory.path()}) {
            QVERIFY2(!w.form->LoadGameFile(path), qPrintable(path));
            QCOMPARE(
                w.messages.back(),
                GameTexts::SavedGameRefusal(wuziqi::SavedGameError::NotARegularFile).toStdString());
            QVERIFY2(GameSnapshot(w) == before, qPrintable(path));
        }

        // Saving is refused too: replacing the pipe would swap the special file for a plain one.
        QVERIFY(!w.form->SaveGameFile(fifo));
        QVERIFY(w.messages.back().rfind("Cannot create file \"", 0) == 0);
        QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
    }

    void failedSaveSaysSoAndKeepsTheOldFile() {
        ShownWindow w;
        const QString nowhere = directory.filePath(QStringLiteral("no/such/folder/game.wzq"));
        const std::size_t messagesBefore = w.messages.size();
        QVERIFY(!w.form->SaveGameFile(nowhere));
        QCOMPARE(w.messages.size(), messagesBefore + 1);
        const std::string& message = w.messages.back();
        QVERIFY(message.rfind("Cannot create file \"", 0) == 0);
        QVERIFY(message.find("game.wzq") != std::string::npos);

        // Saving over an existing file replaces it whole.
        const QString path = directory.filePath(QStringLiteral("old.wzq"));
        WriteFile(path, QByteArray(100, 'x'));
        QVERIFY(w.form->SaveGameFile(path));
        QCOMPARE(ReadFile(path).size(), 13);  // the opening stone only

        // The disk fills up during the save: here a file size limit of 5 bytes, with the signal
        // that would end the process ignored, so that the write itself fails.
        const QByteArray old = ReadFile(path);
        w.Click(7, 7);
        rlimit limit{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit small{5, limit.rlim_max};
        const auto previous = signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool saved = w.form->SaveGameFile(path);
        setrlimit(RLIMIT_FSIZE, &limit);
        signal(SIGXFSZ, previous);
        QVERIFY(!saved);
        QCOMPARE(ReadFile(path), old);
        QVERIFY(w.messages.back().rfind("Cannot create file \"", 0) == 0);
        QVERIFY2(
            w.messages.back().find(std::generic_category().message(EFBIG)) != std::string::npos,
            w.messages.back().c_str());
        QCOMPARE(QDir(directory.path(), QStringLiteral("old.wzq*"))
                     .entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("old.wzq")});  // no temporary file left behind
    }

    void dialogsOfferWzqFilesAndCancelChangesNothing() {
        ShownWindow w;
        const GameSnapshot before(w);
        for (const char* dialogName : {"SaveDialog1", "OpenDialog1"}) {
            auto* dialog = w.form->findChild<QFileDialog*>(QString::fromLatin1(dialogName));
            QVERIFY(dialog);
            QTimer::singleShot(0, dialog, &QDialog::reject);
            w.Action(dialog->acceptMode() == QFileDialog::AcceptSave ? "Action6" : "Action7")
                ->trigger();
            QCOMPARE(dialog->nameFilters(),
                     (QStringList{"*.wzq", "Gomocup 棋谱 (*.psq)", "SGF 棋谱 (*.sgf)"}));
            QCOMPARE(dialog->selectedNameFilter(), QStringLiteral("*.wzq"));
            QCOMPARE(dialog->defaultSuffix(), QStringLiteral("wzq"));
        }
        QVERIFY(GameSnapshot(w) == before);
        QVERIFY(!w.form->findChild<QFileDialog*>(QStringLiteral("SaveDialog1"))
                     ->testOption(QFileDialog::DontConfirmOverwrite));
    }

    void saveDialogWritesTheChosenFileWithTheDefaultExtension() {
        ShownWindow w;
        auto* dialog = w.form->findChild<QFileDialog*>(QStringLiteral("SaveDialog1"));
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->setDirectory(directory.path());
        QTimer::singleShot(0, dialog, [dialog] {
            dialog->selectFile(QStringLiteral("chosen"));
            static_cast<QDialog*>(dialog)->accept();  // as the dialog's Save button does
        });
        w.Action("Action6")->trigger();
        QCOMPARE(ReadFile(directory.filePath(QStringLiteral("chosen.wzq"))).size(), 13);
        QCOMPARE(w.messages.back(), std::string("保存完毕！ 总步数：1"));

        // Another filter picks another format, with its extension; Open reads it back.
        for (QFileDialog* chooser :
             {dialog, w.form->findChild<QFileDialog*>(QStringLiteral("OpenDialog1"))}) {
            chooser->setOption(QFileDialog::DontUseNativeDialog);
            chooser->setDirectory(directory.path());
            QTimer::singleShot(0, chooser, [chooser] {
                const QString sgf = GameFileFilters().at(2);
                chooser->selectNameFilter(sgf);
                emit chooser->filterSelected(sgf);  // as choosing it in the dialog does
                chooser->selectFile(QStringLiteral("chosen"));
                static_cast<QDialog*>(chooser)->accept();
            });
            w.Action(chooser == dialog ? "Action6" : "Action7")->trigger();
        }
        QCOMPARE(ReadFile(directory.filePath(QStringLiteral("chosen.sgf"))),
                 QByteArray("(;FF[4]GM[4]SZ[15]CA[UTF-8]PB[内置电脑]PW[玩家]\n;B[hh])\n"));
        QCOMPARE(w.messages.back(), std::string("成功读入! 总步数：1"));
        QCOMPARE(w.form->Record().GameMode, wuziqi::ModeReview);
    }

    void typedExtensionPicksTheFormatAndOpenGoesByContent() {
        ShownWindow w;
        w.Click(7, 7);
        const std::vector<wuziqi::MoveRecord> played = w.form->Record().MoveHistory;
        auto* save = w.form->findChild<QFileDialog*>(QStringLiteral("SaveDialog1"));
        auto* open = w.form->findChild<QFileDialog*>(QStringLiteral("OpenDialog1"));
        // Each dialog left at its .wzq filter, as it opens, with the name typed.
        const auto choose = [this, &w](QFileDialog* dialog, const char* action, QString name) {
            dialog->setOption(QFileDialog::DontUseNativeDialog);
            dialog->setDirectory(directory.path());
            QTimer::singleShot(0, dialog, [dialog, name] {
                dialog->selectFile(name);
                static_cast<QDialog*>(dialog)->accept();
            });
            w.Action(action)->trigger();
        };
        const std::pair<const char*, QByteArray> typed[] = {
            {"game.sgf", "(;FF[4]GM[4]SZ[15]CA[UTF-8]PB[内置电脑]PW[玩家]\n;B[hh];W[gg];B["},
            {"GAME.PSQ", "Piskvorky 15x15, 0:0, 0\n8,8,0\n7,7,0\n"},
            {"game.Wzq", Bytes({6, 'W', 'Z', 'Q', '1', '.', '0', 3, 0, 0, 0, 8, 8, 7, 7})}};
        for (const auto& [name, opening] : typed) {
            choose(save, "Action6", QString::fromLatin1(name));
            const QString path = directory.filePath(QString::fromLatin1(name));
            QVERIFY2(ReadFile(path).startsWith(opening), name);

            w.Action("Action1")->trigger();
            choose(open, "Action7", QString::fromLatin1(name));
            QCOMPARE(w.messages.back(), std::string("成功读入! 总步数：3"));
            QCOMPARE(w.form->Record().MoveHistory, played);
        }

        // A file whose name says otherwise, such as one an earlier version saved as .wzq under
        // an .sgf name, opens by what it holds from 最近打开 too.
        const QString misnamed = directory.filePath(QStringLiteral("misnamed.sgf"));
        QVERIFY(w.form->SaveGameFile(misnamed, GameFileFormat::Wzq));
        w.Action("Action1")->trigger();
        w.Action("RecentGame1")->trigger();
        QCOMPARE(w.messages.back(), std::string("成功读入! 总步数：3"));
        QCOMPARE(w.form->Record().MoveHistory, played);
    }

  private:
    QTemporaryDir directory;
};

QTEST_MAIN(SavedGameWindowTest)
#include "SavedGameWindowTest.moc"
