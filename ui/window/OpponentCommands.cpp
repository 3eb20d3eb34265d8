// The opponent against the person: the built-in computer or an external Gomocup engine,
// chosen in 游戏参数设置 → 对手 and remembered for the next run; the engine log; and what
// happens when an engine fails.
#include <QAction>
#include <QLabel>
#include <QTimer>

#include "ComputerPlayer.h"
#include "EngineDialog.h"
#include "EngineLog.h"
#include "EnginePlayer.h"
#include "MainForm.h"
#include "OpponentSettings.h"
#include "ui_MainForm.h"

void TForm1::SetUpOpponents() {
    EngineLogWindow = new EngineLog(this);
    connect(ui->BuiltInOpponent, &QAction::triggered, this, &TForm1::PlayAgainstBuiltInComputer);
    connect(ui->EngineOpponent, &QAction::triggered, this, &TForm1::ChooseEngine);
    connect(ui->EngineLogCommand, &QAction::triggered, EngineLogWindow, [this] {
        EngineLogWindow->show();
        EngineLogWindow->raise();
        EngineLogWindow->activateWindow();
    });
    const OpponentSettings settings = OpponentSettings::Load();
    if (settings.useEngine) UseEngine(settings.enginePath, settings.turnSeconds);
}

void TForm1::ChooseEngine() {
    EngineDialog dialog(OpponentSettings::Load(), this);
    if (dialog.exec() != QDialog::Accepted) {
        // The menu goes back to the opponent there is.
        (Engine ? ui->EngineOpponent : ui->BuiltInOpponent)->setChecked(true);
        return;
    }
    const OpponentSettings chosen = dialog.Chosen();
    PlayAgainstEngine(chosen.enginePath, chosen.turnSeconds);
}

void TForm1::PlayAgainstEngine(const QString& program, int turnSeconds) {
    OpponentSettings settings = OpponentSettings::Load();
    settings.useEngine = true;
    settings.enginePath = program;
    settings.turnSeconds = turnSeconds;
    settings.Save();
    UseEngine(program, turnSeconds);
}

void TForm1::PlayAgainstBuiltInComputer() {
    OpponentSettings settings = OpponentSettings::Load();
    settings.useEngine = false;
    settings.Save();
    UseBuiltInComputer();
}

void TForm1::UseEngine(const QString& program, int turnSeconds) {
    auto* engine = new EnginePlayer(program, turnSeconds * 1000, this);
    engine->setObjectName(QStringLiteral("Engine"));
    connect(engine, &GamePlayer::MoveChosen, this, &TForm1::ComputerAnswered);
    connect(engine, &GamePlayer::PlayerFailed, this, &TForm1::OpponentFailed);
    connect(engine, &EnginePlayer::Identified, this, &TForm1::ShowOpponentTitle);
    connect(engine, &EnginePlayer::Logged, EngineLogWindow,
            [this, engine](const QString& line) { EngineLogWindow->Append(engine->Name(), line); });
    SwitchOpponent(engine);
    Engine = engine;
    ui->EngineOpponent->setChecked(true);
    engine->Start();
}

void TForm1::UseBuiltInComputer() {
    SwitchOpponent(BuiltInComputer);
    ui->BuiltInOpponent->setChecked(true);
}

void TForm1::SwitchOpponent(GamePlayer* player) {
    const std::optional<MoveRequest> owed = PendingRequest;
    CancelComputerMove();
    StopEngine();
    Computer = player;
    if (owed) AskOpponent(*owed);
}

void TForm1::StopEngine() {
    if (!Engine) return;
    Engine->Stop();
    Engine->deleteLater();
    if (Computer == Engine) Computer = BuiltInComputer;
    Engine = nullptr;
    ShowOpponentTitle({});
}

void TForm1::OpponentFailed(const QString& reason) {
    const QString name = Engine ? Engine->Name() : QString();
    // The move the engine owed is asked of the built-in computer, after the message.
    const std::optional<MoveRequest> owed = PendingRequest;
    PendingRequest.reset();
    EndThinking();
    StopEngine();
    ui->BuiltInOpponent->setChecked(true);
    OpponentSettings settings = OpponentSettings::Load();
    settings.useEngine = false;
    settings.Save();
    ShowMessage(tr("外部引擎 %1 出错：%2。\n棋局保持原样，对手换回了内置电脑。").arg(name, reason));
    if (owed) AskOpponent(*owed);
}

void TForm1::ShowOpponentTitle(const QString& title) {
    // In place of the last verdict, until the opponent's first answer; none without an engine.
    if (title.isEmpty()) {
        Status.note = std::monostate{};
    } else {
        Status.note = title;
    }
    ShowStatusLine();
    StatusPanels[0]->setToolTip(title);
}

wuziqi::SgfPlayers TForm1::PlayersOfGame() const {
    const wuziqi::GameRecord& record = *GameState;
    if (record.GameMode != wuziqi::ModeAgainstComputer) return {};
    // The person's colour is the one to move, unless the opponent is thinking.
    const std::uint8_t opponentColour =
        ComputerThinking() ? record.CurrentColour : wuziqi::Opponent(record.CurrentColour);
    const std::string opponent = (Engine ? Engine->Title() : tr("内置电脑")).toStdString();
    const std::string person = tr("玩家").toStdString();
    if (opponentColour == wuziqi::Black) return {opponent, person};
    return {person, opponent};
}
