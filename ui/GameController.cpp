// The game controller: a click on the board becomes the person's stone and, against the
// computer, the computer's reply; new game, step back and forward, and the mode commands.
#include <QAction>
#include <QTimer>

#include "ComputerReply.h"
#include "GameBoard.h"
#include "MainForm.h"
#include "ui_MainForm.h"

namespace {
constexpr int SearchDepth = 16;
}

bool TForm1::PlayStone(int x, int y, std::uint8_t colour) {
    if (!GameBoard->Place(x, y, static_cast<wuziqi::CellState>(colour))) return false;
    wuziqi::GameRecord& record = *GameState;
    DrawPointMarker(record.LastMove.x, record.LastMove.y, LastMoveMarkerColour);
    DrawPointMarker(x, y, LastMoveMarkerColour);
    record.LastMove = wuziqi::BoardPoint{x, y};
    if (record.GameMode != wuziqi::ModeReview) record.AddMove(x, y);
    SyncStepCommands();
    DrawStone(x, y, colour);
    if (ShowMoveNumbers) DrawMoveNumber(x, y, record.HistoryCursor);
    return true;
}

void TForm1::NewGame() {
    wuziqi::GameRecord& record = *GameState;
    // A new game leaves the review of a loaded game first, for the mode Action8 names, so the
    // opening stone is recorded and the history keeps Black on the even entries.
    if (record.GameMode == wuziqi::ModeReview) record.GameMode = PlayMode();
    record.CurrentColour = wuziqi::Black;
    record.BlackClock = 0;
    record.WhiteClock = 0;
    record.ClearHistory();
    GameBoard->Reset();
    if (ComputerFirst) {
        PlayStone(8, 8, wuziqi::Black);
        record.CurrentColour = wuziqi::White;
    }
    RedrawBoard();
    if (ui->Action9->isChecked()) {
        Timer1->start();
    } else {
        Timer1->stop();
    }
}

void TForm1::Action1Execute() {
    NewGame();
}

void TForm1::XPButton1Click() {
    NewGame();
}

void TForm1::Image1MouseDown(int x, int y) {
    int column = 0;
    int row = 0;
    if (!PixelToPoint(x, y, column, row)) return;
    wuziqi::GameRecord& record = *GameState;
    if (record.GameMode == wuziqi::ModeReview) record.GameMode = PlayMode();
    if (!PlayStone(column, row, record.CurrentColour)) return;
    record.CurrentColour = wuziqi::Opponent(record.CurrentColour);
    if (record.GameMode != wuziqi::ModeAgainstComputer) return;
    ComputerMove(column, row);
    record.CurrentColour = wuziqi::Opponent(record.CurrentColour);
}

void TForm1::ComputerMove(int x, int y) {
    const std::uint8_t colour = GameState->CurrentColour;
    const wuziqi::ComputerAnswer answer =
        wuziqi::ComputerReply(*GameBoard, colour, {x, y}, SearchDepth);
    ShowVerdict(answer.verdict);
    // On a full board the computer has nowhere to play and simply passes.
    if (answer.point) PlayStone(answer.point->x, answer.point->y, colour);
}

void TForm1::Action4Execute() {
    wuziqi::GameRecord& record = *GameState;
    record.StepBack(1);
    if (record.GameMode == wuziqi::ModeAgainstComputer) record.StepBack(1);
    SyncStepCommands();
    RedrawBoard();
}

void TForm1::Action5Execute() {
    wuziqi::GameRecord& record = *GameState;
    record.StepForward(1);
    if (record.GameMode == wuziqi::ModeAgainstComputer) record.StepForward(1);
    SyncStepCommands();
    RedrawBoard();
}

void TForm1::Action8Execute() {
    // The action has flipped its own check mark; ToolButton9 shows it pressed while checked.
    const bool againstComputer = ui->Action8->isChecked();
    GameState->GameMode = againstComputer ? wuziqi::ModeAgainstComputer : wuziqi::ModeTwoPlayers;
    ui->N16->setEnabled(againstComputer);
}

void TForm1::N11Click() {
    // In review the pending mode is the one Action8 names, not the review mode itself.
    if (PlayMode() == wuziqi::ModeTwoPlayers) ui->Action8->trigger();
    ui->N11->setChecked(true);
}

void TForm1::N12Click() {
    if (PlayMode() == wuziqi::ModeAgainstComputer) ui->Action8->trigger();
    ui->N12->setChecked(true);
}

void TForm1::N16Click() {
    ComputerFirst = ui->N16->isChecked();
}

std::uint8_t TForm1::PlayMode() const {
    if (GameState->GameMode != wuziqi::ModeReview) return GameState->GameMode;
    return ui->Action8->isChecked() ? wuziqi::ModeAgainstComputer : wuziqi::ModeTwoPlayers;
}

void TForm1::SyncStepCommands() {
    ui->Action4->setEnabled(GameState->Action4Enabled);
    ui->Action5->setEnabled(GameState->Action5Enabled);
}
