#include "KeptGameFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "GameBoard.h"
#include "SafeFileWriter.h"

QString KeptGamePath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("kept-game.txt"));
}

bool KeptGameExists() {
    return QFileInfo::exists(KeptGamePath());
}

wuziqi::KeptGame KeptGameOf(const wuziqi::GameRecord& record, bool computerToMove) {
    wuziqi::KeptGame game;
    game.moves = record.MoveHistory;
    game.historyCursor = record.HistoryCursor;
    game.gameMode = record.GameMode;
    game.currentColour = record.CurrentColour;
    game.blackClock = record.BlackClock;
    game.whiteClock = record.WhiteClock;
    game.previousEnabled = record.Action4Enabled;
    game.nextEnabled = record.Action5Enabled;
    // Only a game against the computer, with a stone on the board, waits for its reply.
    game.computerToMove = computerToMove && record.GameMode == wuziqi::ModeAgainstComputer &&
                          record.HistoryCursor > 0;
    return game;
}

std::optional<QString> KeepGame(const wuziqi::KeptGame& game) {
    const QString path = KeptGamePath();
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return QCoreApplication::translate("KeptGameFile", "无法创建文件夹 \"%1\"。")
            .arg(QDir::toNativeSeparators(folder));
    return WriteFileSafely(path, QByteArray::fromStdString(wuziqi::EncodeKeptGame(game)));
}

void RestoreGame(wuziqi::GameRecord& record, const wuziqi::KeptGame& game) {
    wuziqi::TGameBoard& board = record.GetBoard();
    wuziqi::GameReporter* reporter = board.GetReporter();
    board.SetReporter(nullptr);
    record.MoveHistory = game.moves;
    record.HistoryCursor = 0;
    board.Reset();
    record.CurrentColour = wuziqi::Black;
    record.GameMode = game.gameMode;
    record.StepForward(game.historyCursor);
    if (game.historyCursor == 0) record.LastMove = wuziqi::NoLastMove;
    board.SetReporter(reporter);

    record.CurrentColour = game.currentColour;
    record.BlackClock = game.blackClock;
    record.WhiteClock = game.whiteClock;
    record.Action4Enabled = game.previousEnabled;
    record.Action5Enabled = game.nextEnabled;
}
