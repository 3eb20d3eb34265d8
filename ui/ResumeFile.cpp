#include "ResumeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <limits>

#include "GameBoard.h"
#include "SafeFileWriter.h"
#include "SavedGame.h"
#include "Settings.h"

namespace {

const QString MoveCountKey = QStringLiteral("resume/moveCount");
const QString CursorKey = QStringLiteral("resume/historyCursor");
const QString ModeKey = QStringLiteral("resume/gameMode");
const QString ColourKey = QStringLiteral("resume/currentColour");
const QString BlackClockKey = QStringLiteral("resume/blackClock");
const QString WhiteClockKey = QStringLiteral("resume/whiteClock");
const QString PreviousKey = QStringLiteral("resume/previousEnabled");
const QString NextKey = QStringLiteral("resume/nextEnabled");
const QString ComputerToMoveKey = QStringLiteral("resume/computerToMove");

constexpr int MostTicks = std::numeric_limits<std::int32_t>::max();

}  // namespace

QString ResumeFilePath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("last-game.wzq"));
}

bool ResumeFileExists() {
    return QFileInfo::exists(ResumeFilePath());
}

bool KeepGame(const wuziqi::GameRecord& record, bool computerToMove, QSettings& settings) {
    const QString path = ResumeFilePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    const std::vector<std::uint8_t> bytes = wuziqi::EncodeSavedGame(record.MoveHistory);
    if (WriteFileSafely(path, QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size()))))
        return false;
    settings.setValue(MoveCountKey, static_cast<int>(record.MoveHistory.size()));
    settings.setValue(CursorKey, record.HistoryCursor);
    settings.setValue(ModeKey, static_cast<int>(record.GameMode));
    settings.setValue(ColourKey, static_cast<int>(record.CurrentColour));
    settings.setValue(BlackClockKey, record.BlackClock);
    settings.setValue(WhiteClockKey, record.WhiteClock);
    settings.setValue(PreviousKey, record.Action4Enabled);
    settings.setValue(NextKey, record.Action5Enabled);
    settings.setValue(ComputerToMoveKey, computerToMove);
    return true;
}

std::optional<ResumeState> ReadResumeState(const QSettings& settings, int moveCount) {
    if (ReadInt(settings, MoveCountKey, 0, moveCount, -1) != moveCount) return std::nullopt;
    ResumeState state;
    state.moveCount = moveCount;
    state.historyCursor = ReadInt(settings, CursorKey, 0, moveCount, -1);
    const int mode =
        ReadInt(settings, ModeKey, wuziqi::ModeAgainstComputer, wuziqi::ModeReview, -1);
    const int colour = ReadInt(settings, ColourKey, wuziqi::Black, wuziqi::White, -1);
    state.blackClock = ReadInt(settings, BlackClockKey, 0, MostTicks, -1);
    state.whiteClock = ReadInt(settings, WhiteClockKey, 0, MostTicks, -1);
    if (state.historyCursor < 0 || mode < 0 || colour < 0 || state.blackClock < 0 ||
        state.whiteClock < 0)
        return std::nullopt;
    state.gameMode = static_cast<std::uint8_t>(mode);
    state.currentColour = static_cast<std::uint8_t>(colour);
    state.previousEnabled = ReadBool(settings, PreviousKey, false);
    state.nextEnabled = ReadBool(settings, NextKey, false);
    // Only a game against the computer, with a stone on the board, waits for its reply.
    state.computerToMove = ReadBool(settings, ComputerToMoveKey, false) &&
                           state.gameMode == wuziqi::ModeAgainstComputer && state.historyCursor > 0;
    return state;
}

void RestoreGame(wuziqi::GameRecord& record, std::vector<wuziqi::MoveRecord> moves,
                 const ResumeState& state) {
    wuziqi::TGameBoard& board = record.GetBoard();
    wuziqi::GameReporter* reporter = board.GetReporter();
    board.SetReporter(nullptr);
    record.MoveHistory = std::move(moves);
    record.HistoryCursor = 0;
    board.Reset();
    record.CurrentColour = wuziqi::Black;
    record.GameMode = state.gameMode;
    record.StepForward(state.historyCursor);
    if (state.historyCursor == 0) record.LastMove = wuziqi::NoLastMove;
    board.SetReporter(reporter);

    record.CurrentColour = state.currentColour;
    record.BlackClock = state.blackClock;
    record.WhiteClock = state.whiteClock;
    record.Action4Enabled = state.previousEnabled;
    record.Action5Enabled = state.nextEnabled;
}
