// What the window keeps between runs: its options, read when it is created and written when it
// closes, and the game on the board, kept when it closes and put back by "继续上局".
#include <QAction>
#include <QActionGroup>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

#include "Language.h"
#include "MainForm.h"
#include "RecentGames.h"
#include "ResumeFile.h"
#include "ReviewStart.h"
#include "ui_MainForm.h"

namespace {

bool FitsOnAScreen(const QRect& area) {
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(area)) return true;
    return false;
}

}  // namespace

void TForm1::ApplyRememberedState() {
    connect(ui->ResumeAction, &QAction::triggered, this, &TForm1::ResumeActionExecute);
    connect(ui->ClearRecentAction, &QAction::triggered, this, &TForm1::ClearRecentActionExecute);
    connect(ui->LanguageGroup, &QActionGroup::triggered, this, &TForm1::ChooseLanguage);
    AppSettings = OpenSettings();
    Recent = std::make_unique<RecentGames>(AppSettings.get());
    ShowRecentGames();
    ui->ResumeAction->setEnabled(AppSettings && ResumeFileExists());
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
    // A place on a screen that is no longer there, or that no longer holds the whole window,
    // is not restored.
    if (!options.geometry.isEmpty() && FitsOnAScreen(options.frame))
        restoreGeometry(options.geometry);
}

void TForm1::KeepForNextStart(bool computerToMove) {
    if (!AppSettings) return;
    WriteOptions(*AppSettings, CurrentOptions());
    // A window closed before any move keeps the game kept before.
    if (!GameState->MoveHistory.empty()) KeepGame(*GameState, computerToMove, *AppSettings);
    AppSettings->sync();
}

void TForm1::ResumeActionExecute() {
    ResumeLastGame();
}

bool TForm1::ResumeLastGame() {
    // Offered once a run: the game it brings back is then on the board.
    ui->ResumeAction->setEnabled(false);
    if (!AppSettings) return false;
    std::optional<std::vector<wuziqi::MoveRecord>> moves = ReadGameFile(ResumeFilePath());
    if (!moves) return false;
    CancelComputerMove();
    const std::optional<ResumeState> state =
        ReadResumeState(*AppSettings, static_cast<int>(moves->size()));
    if (!state) {
        // Moves without the state they were left in come back as a loaded game does.
        wuziqi::StartReview(*GameState, std::move(*moves));
    } else {
        // The play mode first, as its commands set it, while the record still has its own.
        const bool twoPlayers = state->gameMode == wuziqi::ModeTwoPlayers;
        if (state->gameMode != wuziqi::ModeReview &&
            twoPlayers != (PlayMode() == wuziqi::ModeTwoPlayers))
            (twoPlayers ? ui->N12 : ui->N11)->trigger();
        RestoreGame(*GameState, std::move(*moves), *state);
    }
    SyncStepCommands();
    ClockFollowsGame();
    RedrawBoard();
    if (state && state->computerToMove) ComputerMove(GameState->LastMove.x, GameState->LastMove.y);
    return true;
}
