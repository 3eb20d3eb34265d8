// The hint: the built-in computer works out, on its own worker thread, what it would play for
// the side to move; the window shows that point and the verdict for that side until the next
// stone or the next command. Nothing of the game changes.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QToolBar>

#include "GameBoard.h"
#include "GamePlayer.h"
#include "MainForm.h"
#include "ui_MainForm.h"

namespace {

// Every command of the window: whatever the menus and the toolbar hold.
QSet<QAction*> Commands(QMenuBar* menuBar, QToolBar* toolBar) {
    QSet<QAction*> commands;
    for (QAction* action : toolBar->actions())
        commands.insert(action);
    for (QAction* action : menuBar->actions())
        commands.insert(action);
    for (QMenu* menu : menuBar->findChildren<QMenu*>()) {
        for (QAction* action : menu->actions())
            commands.insert(action);
    }
    return commands;
}

}  // namespace

void TForm1::CreateHintCommand() {
    // A player of its own, so the hint never stands in the way of the computer's reply.
    connect(Hinter, &GamePlayer::MoveChosen, this, &TForm1::HintAnswered);
    connect(ui->ActionHint, &QAction::triggered, this, &TForm1::ActionHintExecute);
    // Any other command takes the hint away; connected before the commands' own handlers. The
    // forced line's command shows the hint's line and leaves the hint be.
    for (QAction* command : Commands(ui->MainMenu1, ui->ToolBar1)) {
        if (command != ui->ActionHint && command != ui->ActionLine && !command->isSeparator() &&
            !command->menu())
            connect(command, &QAction::triggered, this, &TForm1::ClearHint);
    }
}

QString TForm1::HintVerdictText(wuziqi::Verdict verdict) {
    // The search's verdict is said by the side it chose for; the hint says it to that side.
    switch (verdict) {
        case wuziqi::Verdict::Unchanged:
        case wuziqi::Verdict::None: return QStringLiteral(" ");
        case wuziqi::Verdict::IWin: return tr("你赢了! ");
        case wuziqi::Verdict::YouWin: return tr("对方赢了! ");
        case wuziqi::Verdict::YouMightWin: return tr("对方有可能赢哦! ");
        case wuziqi::Verdict::IMightWin: return tr("你有可能赢哦! ");
    }
    return QStringLiteral(" ");
}

bool TForm1::HintThinking() const {
    return Hinter->Thinking();
}

void TForm1::ActionHintExecute() {
    ClearHint();
    if (ComputerThinking()) return;
    Hinter->RequestMove(RequestForSideToMove(GameState->LastMove));
    SyncHintCommand();
}

void TForm1::HintAnswered(const wuziqi::ComputerAnswer& answer) {
    Status.hint = answer.point ? std::optional(answer.verdict) : std::nullopt;
    ShowStatusLine();
    HintPoint = answer.point;
    if (HintPoint) UpdatePoint(*HintPoint);
    KeepHintProof(answer);
    SyncHintCommand();
}

void TForm1::ClearHint() {
    if (Hinter->Thinking()) {
        Hinter->CancelMove();
        SyncHintCommand();
        return;
    }
    if (!Status.hint) return;
    Status.hint.reset();
    ShowStatusLine();
    if (HintPoint) UpdatePoint(*HintPoint);
    HintPoint.reset();
    KeepHintProof({});  // the hint's forced win, if any, goes with it
}

void TForm1::SyncHintCommand() {
    ui->ActionHint->setEnabled(!ComputerThinking() && !Hinter->Thinking());
}
