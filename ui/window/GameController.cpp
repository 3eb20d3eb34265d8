// The game controller: a click on the board becomes the person's stone and, against the
// computer, a request for the computer's reply, which comes back later from its worker thread;
// new game, step back and forward, and the mode commands.
#include <QAction>
#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "ComputerReply.h"
#include "FiveLines.h"
#include "GameBoard.h"
#include "GamePlayer.h"
#include "GameTexts.h"
#include "MainForm.h"
#include "ui_MainForm.h"

bool TForm1::PlayStone(int x, int y, std::uint8_t colour) {
    // A winning stone is announced inside Place, before it is set, so the message comes first.
    if (!GameBoard->Place(x, y, static_cast<wuziqi::CellState>(colour))) return false;
    ClearHint();
    wuziqi::GameRecord& record = *GameState;
    UpdatePoint(record.LastMove);
    record.LastMove = wuziqi::BoardPoint{x, y};
    if (record.GameMode != wuziqi::ModeReview) record.AddMove(x, y);
    SyncStepCommands();
    UpdatePoint(record.LastMove);
    // The mark through a new line of five reaches beyond the stone's own square.
    const auto lines = wuziqi::FindFiveLines(*GameBoard);
    if (std::any_of(lines.begin(), lines.end(), [&](const wuziqi::FiveLine& line) {
            return line.Contains({x, y});
        }))
        RedrawBoard();
    return true;
}

void TForm1::NewGame() {
    CancelComputerMove();
    ClearHint();
    GameWorthKeeping = false;
    GameFromFile = false;
    wuziqi::GameRecord& record = *GameState;
    // A new game leaves the review of a loaded game first, for the mode Action8 names, so the
    // opening stone is recorded and the history keeps Black on the even entries.
    if (record.GameMode == wuziqi::ModeReview) record.GameMode = PlayMode();
    record.CurrentColour = wuziqi::Black;
    record.BlackClock = 0;
    record.WhiteClock = 0;
    record.ClearHistory();
    GameBoard->Reset();
    // An external engine opens the game itself, on the empty board.
    const bool engineOpens =
        ComputerFirst && Engine && record.GameMode == wuziqi::ModeAgainstComputer;
    if (ComputerFirst && !engineOpens) {
        PlayStone(8, 8, wuziqi::Black);
        record.CurrentColour = wuziqi::White;
    }
    RedrawBoard();
    SyncLineCommand();
    if (ui->Action9->isChecked()) {
        Timer1->start();
    } else {
        Timer1->stop();
    }
    if (engineOpens) ComputerMove(0, 0);
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
    // While the computer thinks the board takes no stones.
    if (ComputerThinking()) return;
    wuziqi::GameRecord& record = *GameState;
    if (record.GameMode == wuziqi::ModeReview) record.GameMode = PlayMode();
    if (!PlayStone(column, row, record.CurrentColour)) return;
    GameWorthKeeping = true;
    record.CurrentColour = wuziqi::Opponent(record.CurrentColour);
    // On a full board the computer is still asked: it passes, and the turn comes back.
    AnnounceFullBoard();
    if (record.GameMode != wuziqi::ModeAgainstComputer) return;
    ComputerMove(column, row);
}

bool TForm1::ComputerThinking() const {
    return Computer->Thinking();
}

void TForm1::ComputerMove(int x, int y) {
    AskOpponent(RequestForSideToMove({x, y}));
}

MoveRequest TForm1::RequestForSideToMove(wuziqi::BoardPoint last) const {
    const wuziqi::GameRecord& record = *GameState;
    MoveRequest request{*GameBoard, {}, record.CurrentColour, last};
    request.position.SetReporter(nullptr);  // the worker's copy talks to nobody
    request.moves.assign(record.MoveHistory.begin(),
                         record.MoveHistory.begin() + record.HistoryCursor);
    return request;
}

void TForm1::AskOpponent(const MoveRequest& request) {
    PendingRequest = request;
    Computer->RequestMove(request);
    ThinkingNotice->start();
    SyncHintCommand();
}

void TForm1::ComputerAnswered(const wuziqi::ComputerAnswer& answer) {
    const std::optional<MoveRequest> asked = std::exchange(PendingRequest, std::nullopt);
    EndThinking();
    ShowVerdict(answer.verdict);
    wuziqi::GameRecord& record = *GameState;
    // On a full board the computer has nowhere to play and passes; the turn goes back anyway.
    const bool placed =
        answer.point && PlayStone(answer.point->x, answer.point->y, record.CurrentColour);
    record.CurrentColour = wuziqi::Opponent(record.CurrentColour);
    if (placed) AnnounceFullBoard();
    KeepReplyProof(asked, answer);
}

bool TForm1::CancelComputerMove() {
    if (!ComputerThinking()) return false;
    PendingRequest.reset();
    Computer->CancelMove();
    EndThinking();
    return true;
}

void TForm1::ShowThinking() {
    Status.thinking = true;
    ShowStatusLine();
    setCursor(Qt::BusyCursor);
    ThinkingShown = true;
}

void TForm1::EndThinking() {
    ThinkingNotice->stop();
    SyncHintCommand();
    if (!ThinkingShown) return;
    // The comment of the last answer stands until the next one replaces it.
    Status.thinking = false;
    ShowStatusLine();
    unsetCursor();
    ThinkingShown = false;
}

void TForm1::Action4Execute() {
    wuziqi::GameRecord& record = *GameState;
    if (GameFromFile) GameWorthKeeping = true;
    if (CancelComputerMove()) {
        // The person's stone is still unanswered: taking it back gives the person the move.
        record.StepBack(1);
    } else {
        record.StepBack(1);
        if (record.GameMode == wuziqi::ModeAgainstComputer) record.StepBack(1);
    }
    SyncStepCommands();
    ClockFollowsGame();
    RedrawBoard();
}

void TForm1::Action5Execute() {
    CancelComputerMove();
    wuziqi::GameRecord& record = *GameState;
    if (GameFromFile) GameWorthKeeping = true;
    record.StepForward(1);
    if (record.GameMode == wuziqi::ModeAgainstComputer) record.StepForward(1);
    SyncStepCommands();
    ClockFollowsGame();
    RedrawBoard();
}

void TForm1::Action8Execute() {
    CancelComputerMove();
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
    // Stones are placed, stepped over and loaded only together with these two commands' states:
    // a forced line is offered for the stones it was proved on alone.
    SyncLineCommand();
}

void TForm1::AnnounceFullBoard() {
    // No one is left a point to play: the clock stops and the window says so, once, rather
    // than passing turns in silence.
    if (wuziqi::NearestEmptyToCentre(*GameBoard)) return;
    ClockFollowsGame();
    ShowMessage(tr("和棋！"));
}
