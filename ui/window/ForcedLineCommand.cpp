// The forced line: while status panel 0 announces a forced win (the computer's "我赢了! " or
// "你赢了! ", or a hint's) and the board still shows the position it was proved on, the command
// has the line the search proved there worked out on a worker thread, as the reply is, and
// draws it over the board as numbered half-transparent stones from the next move on. The line
// stays until the stones change or the command is used again.
#include <QAction>
#include <QHelpEvent>
#include <QMenu>
#include <QToolTip>
#include <utility>

#include "ComputerPlayer.h"
#include "MainForm.h"
#include "ui_MainForm.h"

namespace {

// The text as rich text, one paragraph a line: Qt wraps a rich-text tooltip to a readable width
// (some 80 characters), where plain text makes each line as wide as it is long.
QString Wrapped(const QString& text) {
    QStringList paragraphs = text.toHtmlEscaped().split(QLatin1Char('\n'));
    for (QString& paragraph : paragraphs)
        paragraph = QStringLiteral("<p>%1</p>").arg(paragraph);
    return paragraphs.join(QString());
}

// Menus show no tooltips, and the other commands' tooltips only repeat their captions; this
// one says what the line is worth, so the menu shows it for this command alone.
class MenuToolTip : public QObject {
  public:
    MenuToolTip(QMenu* menu, QAction* action) : QObject(menu), menu(menu), action(action) {
        menu->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return false;
        const auto* help = static_cast<QHelpEvent*>(event);
        if (menu->actionAt(help->pos()) == action)
            QToolTip::showText(help->globalPos(), Wrapped(action->toolTip()), menu);
        else
            QToolTip::hideText();
        return true;
    }

  private:
    QMenu* menu;
    QAction* action;
};

}  // namespace

void TForm1::CreateLineCommand() {
    // A player of its own, asked for the reply with its line, so that working the line out
    // never stands in the way of the computer's reply or of a hint.
    LineFinder = new ComputerPlayer(wuziqi::SearchDepth, this, ComputerPlayer::ForcedLines::Found);
    connect(LineFinder, &GamePlayer::MoveChosen, this, &TForm1::LineFound);
    connect(ui->ActionLine, &QAction::triggered, this, &TForm1::ActionLineExecute);
    new MenuToolTip(ui->N7, ui->ActionLine);
    SyncLineCommand();
}

const ProvedWin* TForm1::ShownProof() const {
    // A hint in panel 0 speaks for the position in place of the computer's last reply.
    const std::optional<ProvedWin>& proof = Status.hint ? HintProof : ReplyProof;
    return proof && proof->StillOn(*GameBoard) ? &*proof : nullptr;
}

ProvedWin* TForm1::ShownProof() {
    return const_cast<ProvedWin*>(std::as_const(*this).ShownProof());
}

std::vector<wuziqi::BoardPoint> TForm1::ShownLine() const {
    const ProvedWin* proof = ShownProof();
    return proof && proof->lineShown ? proof->LineAhead().moves : std::vector<wuziqi::BoardPoint>{};
}

bool TForm1::LineThinking() const {
    return LineFinder->Thinking();
}

void TForm1::ActionLineExecute() {
    ProvedWin* proof = ShownProof();
    if (!proof) return;
    // Used again, the command takes the line away, or calls off the one being worked out.
    if (proof->lineShown || LineFinder->Thinking()) {
        HideLine();
        return;
    }
    if (proof->line) {
        proof->lineShown = true;
        RedrawBoard();
        return;
    }
    LineFinder->RequestMove(proof->asked);
}

void TForm1::LineFound(const wuziqi::ComputerAnswer& answer) {
    // Anything that changed the proof on show has called the search off, so this is its line.
    ProvedWin* proof = ShownProof();
    if (!proof) return;
    proof->line = answer.line;
    proof->lineShown = true;
    RedrawBoard();
}

void TForm1::HideLine() {
    LineFinder->CancelMove();
    bool shown = false;
    for (std::optional<ProvedWin>* proof : {&ReplyProof, &HintProof}) {
        if (*proof && (*proof)->lineShown) {
            (*proof)->lineShown = false;
            shown = true;
        }
    }
    if (shown) RedrawBoard();
}

void TForm1::KeepReplyProof(const std::optional<MoveRequest>& asked,
                            const wuziqi::ComputerAnswer& answer) {
    ReplyProof.reset();
    if (asked && answer.point && wuziqi::ProvesForcedWin(answer.verdict))
        ReplyProof = ProvedWin{*asked, answer.point, std::nullopt, false};
    SyncLineCommand();
}

void TForm1::KeepHintProof(const wuziqi::ComputerAnswer& answer) {
    HideLine();
    HintProof.reset();
    if (answer.point && wuziqi::ProvesForcedWin(answer.verdict))
        HintProof =
            ProvedWin{RequestForSideToMove(GameState->LastMove), std::nullopt, std::nullopt, false};
    SyncLineCommand();
}

void TForm1::SyncLineCommand() {
    // A line belongs to the position it was proved on: once the stones change, it goes.
    if (!ShownProof()) HideLine();
    ui->ActionLine->setEnabled(ShownProof() != nullptr);
}
