// The kept game as the version before left it: the moves in last-game.wzq, the state beside
// them in the settings' "resume/" keys, tied together by a move count. Read once and moved
// into the kept-game file.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <limits>

#include "GameBoard.h"
#include "KeptGameFile.h"
#include "ReviewStart.h"
#include "SafeFileReader.h"
#include "SafeFileWriter.h"
#include "SavedGame.h"
#include "Settings.h"

namespace {

const QString OldGroup = QStringLiteral("resume");

QString OldKeptGamePath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("last-game.wzq"));
}

// The state the old keys give the moves, checked as strictly as a kept-game file; nothing
// when they are missing, belong to another file or do not fit the moves.
std::optional<wuziqi::KeptGame> OldState(const QSettings& settings,
                                         std::vector<wuziqi::MoveRecord> moves) {
    const auto key = [](const char* name) { return OldGroup + QLatin1Char('/') + name; };
    const int count = static_cast<int>(moves.size());
    if (ReadInt(settings, key("moveCount"), 0, count, -1) != count) return std::nullopt;
    constexpr int MostTicks = std::numeric_limits<std::int32_t>::max();
    wuziqi::KeptGame game;
    game.moves = std::move(moves);
    game.historyCursor = ReadInt(settings, key("historyCursor"), 0, count, -1);
    const int mode =
        ReadInt(settings, key("gameMode"), wuziqi::ModeAgainstComputer, wuziqi::ModeReview, -1);
    const int colour = ReadInt(settings, key("currentColour"), wuziqi::Black, wuziqi::White, -1);
    game.blackClock = ReadInt(settings, key("blackClock"), 0, MostTicks, -1);
    game.whiteClock = ReadInt(settings, key("whiteClock"), 0, MostTicks, -1);
    if (game.historyCursor < 0 || mode < 0 || colour < 0 || game.blackClock < 0 ||
        game.whiteClock < 0)
        return std::nullopt;
    game.gameMode = static_cast<std::uint8_t>(mode);
    game.currentColour = static_cast<std::uint8_t>(colour);
    game.previousEnabled = ReadBool(settings, key("previousEnabled"), false);
    game.nextEnabled = ReadBool(settings, key("nextEnabled"), false);
    game.computerToMove = ReadBool(settings, key("computerToMove"), false) &&
                          game.gameMode == wuziqi::ModeAgainstComputer && game.historyCursor > 0;
    // Whatever the new reader would refuse is not carried over.
    if (!wuziqi::DecodeKeptGame(wuziqi::EncodeKeptGame(game)).ok()) return std::nullopt;
    return game;
}

// Moves without a state they fit come back as a loaded game does.
wuziqi::KeptGame AsLoadedGame(std::vector<wuziqi::MoveRecord> moves) {
    wuziqi::TGameBoard board;
    wuziqi::GameRecord record(board);
    wuziqi::StartReview(record, std::move(moves));
    return wuziqi::KeptGameOf(record, false);
}

}  // namespace

void MoveOldKeptGame(QSettings& settings) {
    const QString oldPath = OldKeptGamePath();
    const bool oldFile = QFileInfo::exists(oldPath);
    if (!oldFile && !settings.childGroups().contains(OldGroup)) return;
    if (oldFile && !KeptGameExists()) {
        const FileContents file =
            ReadRegularFile(oldPath, static_cast<qint64>(wuziqi::LargestSavedGameFile) + 1);
        // Left where it is when it cannot be read now: perhaps it can next time.
        if (file.outcome != FileContents::Outcome::Read) return;
        const auto* first = reinterpret_cast<const std::uint8_t*>(file.bytes.constData());
        wuziqi::DecodedGame decoded =
            wuziqi::DecodeSavedGame({first, static_cast<std::size_t>(file.bytes.size())});
        std::optional<QString> failure;
        if (decoded.ok()) {
            std::optional<wuziqi::KeptGame> game = OldState(settings, decoded.moves);
            failure = KeepGame(game ? *game : AsLoadedGame(std::move(decoded.moves)));
        } else {
            failure = WriteFileSafely(KeptGamePath(), file.bytes);
        }
        if (failure) return;
    }
    settings.remove(OldGroup);
    QFile::remove(oldPath);
}
