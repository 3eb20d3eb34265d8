#include "GameFiles.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>

#include "GameBoard.h"
#include "GameSession.h"
#include "GameTexts.h"
#include "KeptGameFile.h"
#include "RecentGames.h"
#include "ReviewStart.h"
#include "SafeFileReader.h"
#include "SafeFileWriter.h"
#include "SavedGame.h"

namespace {

QString ShownPath(const QString& fileName) {
    return QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
}

// How wide a path may be in the menu before its middle gives way to "…".
constexpr int WidestEntry = 400;

}  // namespace

GameFiles::GameFiles(GameSession& session, QWidget* window, QMenu* recentMenu, QSettings* settings,
                     PlayersOfGame players)
    : QObject(window),
      session(session),
      window(window),
      recentMenu(recentMenu),
      players(std::move(players)),
      recent(std::make_unique<RecentGames>(settings)) {
    CreateDialogs();
    ShowRecent();
}

GameFiles::~GameFiles() = default;

void GameFiles::CreateDialogs() {
    saveDialog = new QFileDialog(window);
    saveDialog->setObjectName(QStringLiteral("SaveDialog1"));
    saveDialog->setAcceptMode(QFileDialog::AcceptSave);
    saveDialog->setFileMode(QFileDialog::AnyFile);
    saveDialog->setOption(QFileDialog::DontConfirmOverwrite, false);

    openDialog = new QFileDialog(window);
    openDialog->setObjectName(QStringLiteral("OpenDialog1"));
    openDialog->setAcceptMode(QFileDialog::AcceptOpen);
    openDialog->setFileMode(QFileDialog::ExistingFile);

    // A bare file name gets the extension of the format the filter picks.
    for (QFileDialog* dialog : {saveDialog, openDialog})
        connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
            dialog->setDefaultSuffix(SuffixOf(FormatOfFilter(filter)));
        });
}

void GameFiles::RemakeDialogs() {
    // Qt's dialog keeps a few texts in the language it was made in (the sidebar's "Computer"),
    // so after a change of language both are made anew, each in the folder it was showing. The
    // old ones go once the change has reached every window. One that is open stays.
    if (saveDialog->isVisible() || openDialog->isVisible()) return;
    const QDir saveFolder = saveDialog->directory();
    const QDir openFolder = openDialog->directory();
    for (QFileDialog* old : {saveDialog, openDialog}) {
        old->setParent(nullptr);
        old->deleteLater();
    }
    CreateDialogs();
    saveDialog->setDirectory(saveFolder);
    openDialog->setDirectory(openFolder);
}

void GameFiles::SetFolder(const QString& chosen) {
    folder = chosen;
    saveDialog->setDirectory(chosen);
    openDialog->setDirectory(chosen);
}

void GameFiles::SaveChosen() {
    const ChosenGameFile file = Choose(saveDialog);
    if (!file.name.isEmpty()) Save(file.name, file.format);
}

void GameFiles::OpenChosen() {
    const ChosenGameFile file = Choose(openDialog);
    if (!file.name.isEmpty()) Load(file.name);
}

ChosenGameFile GameFiles::Choose(QFileDialog* dialog) {
    // Every time the dialog opens on the .wzq filter.
    dialog->setNameFilters(GameFileFilters());
    dialog->selectNameFilter(GameFileFilters().first());
    dialog->setDefaultSuffix(SuffixOf(GameFileFormat::Wzq));
    if (dialog->exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog->selectedFiles();
    if (chosen.isEmpty()) return {};
    folder = QFileInfo(chosen.first()).absolutePath();
    // The filter only stands for a name typed without a game file's extension.
    const QString& name = chosen.first();
    return {name, FormatNamedBy(name).value_or(FormatOfFilter(dialog->selectedNameFilter()))};
}

bool GameFiles::Save(const QString& fileName, GameFileFormat format) {
    const auto& history = session.Record().MoveHistory;
    const QByteArray bytes = EncodeGameFile(format, history, players());
    const std::optional<QString> failure = WriteFileSafely(fileName, bytes);
    if (failure) {
        emit Message(tr("Cannot create file \"%1\". %2").arg(ShownPath(fileName), *failure));
        return false;
    }
    Remember(fileName);
    emit Message(tr("保存完毕！ 总步数：%1").arg(history.size()));
    return true;
}

std::optional<QByteArray> GameFiles::ReadBytes(const QString& fileName) {
    // One byte past the largest game file tells a file over the limit from one just at it.
    FileContents file = ReadRegularFile(fileName, LargestGameFile() + 1);
    if (file.outcome == FileContents::Outcome::NotRegularFile) {
        emit Message(GameTexts::SavedGameRefusal(wuziqi::SavedGameError::NotARegularFile));
        return std::nullopt;
    }
    if (file.outcome != FileContents::Outcome::Read) {
        const QString text = file.outcome == FileContents::Outcome::CannotOpen
                                 ? tr("Cannot open file \"%1\". %2")
                                 : tr("Cannot read file \"%1\". %2");
        emit Message(text.arg(ShownPath(fileName), file.reason));
        return std::nullopt;
    }
    return std::move(file.bytes);
}

std::optional<std::vector<wuziqi::MoveRecord>> GameFiles::ReadGame(const QString& fileName) {
    const std::optional<QByteArray> bytes = ReadBytes(fileName);
    if (!bytes) return std::nullopt;
    ReadGameFileResult decoded = DecodeAnyGameFile(*bytes, fileName);
    if (!decoded.refusal.isEmpty()) {
        emit Message(decoded.refusal);
        return std::nullopt;
    }
    return std::move(decoded.moves);
}

bool GameFiles::Load(const QString& fileName) {
    std::optional<std::vector<wuziqi::MoveRecord>> moves = ReadGame(fileName);
    if (!moves) return false;
    const std::size_t count = moves->size();
    session.Review(std::move(*moves));
    Remember(fileName);
    emit Message(tr("成功读入! 总步数：%1").arg(count));
    return true;
}

const QStringList& GameFiles::RecentFiles() const {
    return recent->Files();
}

void GameFiles::Remember(const QString& fileName) {
    recent->Add(fileName);
    ShowRecent();
}

void GameFiles::ShowRecent() {
    // Everything above the separator is an entry of the list.
    for (QAction* entry : recentMenu->actions()) {
        if (entry->isSeparator()) break;
        recentMenu->removeAction(entry);
        delete entry;
    }
    QAction* separator = recentMenu->actions().value(0);
    const QStringList& files = recent->Files();
    const QFontMetrics metrics(recentMenu->font());
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QString shown =
            metrics.elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle, WidestEntry);
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        auto* entry = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), recentMenu);
        entry->setObjectName(QStringLiteral("RecentGame%1").arg(i + 1));
        entry->setToolTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, this, [this, path] { OpenRecent(path); });
        recentMenu->insertAction(separator, entry);
    }
    recentMenu->menuAction()->setEnabled(!files.isEmpty());
}

bool GameFiles::OpenRecent(const QString& fileName) {
    if (!QFileInfo::exists(fileName)) {
        recent->Remove(fileName);
        ShowRecent();
        emit Message(tr("找不到文件“%1”，已从最近打开的列表中删除。")
                         .arg(QDir::toNativeSeparators(fileName)));
        return false;
    }
    // As the Open command does, which also puts the file first in the list; but the game is
    // then the one to look at.
    if (!Load(fileName)) return false;
    emit RecentGameOpened();
    return true;
}

void GameFiles::ClearRecent() {
    recent->Clear();
    ShowRecent();
}

std::optional<wuziqi::KeptGame> GameFiles::ReadKept() {
    const QString path = KeptGamePath();
    const std::optional<QByteArray> bytes = ReadBytes(path);
    if (!bytes) return std::nullopt;
    const std::string_view text(bytes->constData(), static_cast<std::size_t>(bytes->size()));
    if (wuziqi::LooksLikeKeptGame(text)) {
        wuziqi::DecodedKeptGame decoded = wuziqi::DecodeKeptGame(text);
        if (!decoded.ok()) {
            emit Message(GameTexts::KeptGameRefusal(decoded));
            return std::nullopt;
        }
        return std::move(decoded.game);
    }
    // Anything else was kept as a game file (a damaged one moved from the version before):
    // read as Open reads it, it comes back as a loaded game does.
    ReadGameFileResult read = DecodeAnyGameFile(*bytes, path);
    if (!read.refusal.isEmpty()) {
        emit Message(read.refusal);
        return std::nullopt;
    }
    wuziqi::TGameBoard board;
    wuziqi::GameRecord record(board);
    wuziqi::StartReview(record, std::move(read.moves));
    return wuziqi::KeptGameOf(record, false);
}

void GameFiles::Keep(const wuziqi::KeptGame& game, bool quietly) {
    const std::optional<QString> failure = KeepGame(game);
    if (failure && !quietly)
        emit Message(tr("这局棋没能保存，下次不能继续：无法写入文件 \"%1\"。%2")
                         .arg(QDir::toNativeSeparators(KeptGamePath()), *failure));
}
