// What the window keeps between runs: its options, read when it is created and written when it
// closes, and the game on the board, kept when it closes and put back by "继续上局".
#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileDialog>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

#include "GameBoard.h"
#include "GameTexts.h"
#include "KeptGameFile.h"
#include "Language.h"
#include "MainForm.h"
#include "RecentGames.h"
#include "ReviewStart.h"
#include "SavedGeometry.h"
#include "ui_MainForm.h"

void TForm1::ApplyRememberedState() {
    connect(ui->ResumeAction, &QAction::triggered, this, &TForm1::ResumeActionExecute);
    connect(ui->ClearRecentAction, &QAction::triggered, this, &TForm1::ClearRecentActionExecute);
    connect(ui->LanguageGroup, &QActionGroup::triggered, this, &TForm1::ChooseLanguage);
    AppSettings = OpenSettings();
    Recent = std::make_unique<RecentGames>(AppSettings.get());
    ShowRecentGames();
    if (AppSettings) MoveOldKeptGame(*AppSettings);
    ui->ResumeAction->setEnabled(AppSettings && KeptGameExists());
    if (AppSettings) ApplyOptions(ReadOptions(*AppSettings));
}

RememberedOptions TForm1::CurrentOptions() const {
    RememberedOptions options;
    options.geometry = saveGeometry();
    options.frame = frameGeometry();
    // The check marks, not the bars: a window that is not shown shows no bar.
    options.toolBarShown = ui->N14->isChecked();
    options.statusBarShown = ui->N13->isChecked();
    options.moveNumbers = ShowMoveNumbers;
    options.clockRunning = ui->Action9->isChecked();
    options.twoPlayers = PlayMode() == wuziqi::ModeTwoPlayers;
    options.computerFirst = ComputerFirst;
    options.lastFolder = LastGameFolder;
    options.language = CurrentLanguage();
    return options;
}

void TForm1::ApplyOptions(const RememberedOptions& options) {
    // Each option as its own command sets it, so that what goes with it follows.
    if (ui->N14->isChecked() != options.toolBarShown) ui->N14->trigger();
    if (ui->N13->isChecked() != options.statusBarShown) ui->N13->trigger();
    if (ShowMoveNumbers != options.moveNumbers) ui->N8->trigger();
    // NewGame starts the clock when the window is first shown.
    ui->Action9->setChecked(options.clockRunning);
    // Before the mode: in two-player mode "电脑先走" cannot be chosen.
    if (ComputerFirst != options.computerFirst) ui->N16->trigger();
    if (options.twoPlayers != (PlayMode() == wuziqi::ModeTwoPlayers))
        (options.twoPlayers ? ui->N12 : ui->N11)->trigger();
    if (!options.lastFolder.isEmpty()) {
        LastGameFolder = options.lastFolder;
        SaveDialog1->setDirectory(options.lastFolder);
        OpenDialog1->setDirectory(options.lastFolder);
    }
    // A place on a screen that is no longer there, that no longer holds the whole window, or
    // that is too small for it, is not restored: the window keeps the first start's place.
    const std::optional<SavedGeometry> saved = ReadSavedGeometry(options.geometry);
    if (saved && FitsOneArea(*saved, options.frame, AvailableScreenAreas(), minimumSize()))
        restoreGeometry(options.geometry);
}

void TForm1::KeepForNextStart(bool computerToMove, bool quietly) {
    if (!AppSettings) return;
    WriteOptions(*AppSettings, CurrentOptions());
    AppSettings->sync();
    // A game the person has not touched (the computer's opening stone, a file opened and only
    // looked at) leaves the game kept before as it was.
    if (!GameWorthKeeping) return;
    const std::optional<QString> failure = KeepGame(KeptGameOf(*GameState, computerToMove));
    if (failure && !quietly)
        ShowMessage(tr("这局棋没能保存，下次不能继续：无法写入文件 \"%1\"。%2")
                        .arg(QDir::toNativeSeparators(KeptGamePath()), *failure));
}

void TForm1::ResumeActionExecute() {
    // The game comes back in sight, and so does the computer's answer to it.
    if (ResumeLastGame()) XPButton2Click();
}

bool TForm1::ResumeLastGame() {
    // Offered once a run: the game it brings back is then on the board.
    ui->ResumeAction->setEnabled(false);
    if (!AppSettings) return false;
    const std::optional<wuziqi::KeptGame> game = ReadKeptGame();
    if (!game) return false;
    CancelComputerMove();
    // The play mode first, as its commands set it, while the record still has its own.
    const bool twoPlayers = game->gameMode == wuziqi::ModeTwoPlayers;
    if (game->gameMode != wuziqi::ModeReview &&
        twoPlayers != (PlayMode() == wuziqi::ModeTwoPlayers))
        (twoPlayers ? ui->N12 : ui->N11)->trigger();
    RestoreGame(*GameState, *game);
    GameWorthKeeping = false;
    GameFromFile = true;
    SyncStepCommands();
    ClockFollowsGame();
    RedrawBoard();
    if (game->computerToMove) ComputerMove(GameState->LastMove.x, GameState->LastMove.y);
    return true;
}

std::optional<wuziqi::KeptGame> TForm1::ReadKeptGame() {
    const QString path = KeptGamePath();
    const std::optional<QByteArray> bytes = ReadGameBytes(path);
    if (!bytes) return std::nullopt;
    const std::string_view text(bytes->constData(), static_cast<std::size_t>(bytes->size()));
    if (wuziqi::LooksLikeKeptGame(text)) {
        wuziqi::DecodedKeptGame decoded = wuziqi::DecodeKeptGame(text);
        if (!decoded.ok()) {
            ShowMessage(GameTexts::KeptGameRefusal(decoded));
            return std::nullopt;
        }
        return std::move(decoded.game);
    }
    // Anything else was kept as a game file (a damaged one moved from the version before):
    // read as Open reads it, it comes back as a loaded game does.
    ReadGameFileResult read = DecodeAnyGameFile(*bytes, path);
    if (!read.refusal.isEmpty()) {
        ShowMessage(read.refusal);
        return std::nullopt;
    }
    wuziqi::TGameBoard board;
    wuziqi::GameRecord record(board);
    wuziqi::StartReview(record, std::move(read.moves));
    return KeptGameOf(record, false);
}
