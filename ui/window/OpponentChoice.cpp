#include "OpponentChoice.h"

#include <QAction>

#include "EngineDialog.h"
#include "EngineLog.h"
#include "EnginePlayer.h"
#include "GameSession.h"
#include "OpponentSettings.h"

OpponentChoice::OpponentChoice(GameSession& session, QWidget* window, Items items)
    : QObject(window), session(session), window(window), items(items), log(new EngineLog(window)) {
    connect(items.builtIn, &QAction::triggered, this, &OpponentChoice::PlayAgainstBuiltInComputer);
    connect(items.engine, &QAction::triggered, this, &OpponentChoice::ChooseEngine);
    connect(items.log, &QAction::triggered, log, [this] {
        log->show();
        log->raise();
        log->activateWindow();
    });
    connect(&session, &GameSession::OpponentFailed, this, &OpponentChoice::Failed);
}

void OpponentChoice::UseRemembered() {
    const OpponentSettings settings = OpponentSettings::Load();
    if (settings.useEngine) UseEngine(settings.enginePath, settings.turnSeconds);
}

void OpponentChoice::ChooseEngine() {
    EngineDialog dialog(OpponentSettings::Load(), window);
    if (dialog.exec() != QDialog::Accepted) {
        // The menu goes back to the opponent there is.
        (engine ? items.engine : items.builtIn)->setChecked(true);
        return;
    }
    const OpponentSettings chosen = dialog.Chosen();
    PlayAgainstEngine(chosen.enginePath, chosen.turnSeconds);
}

void OpponentChoice::PlayAgainstEngine(const QString& program, int turnSeconds) {
    OpponentSettings settings = OpponentSettings::Load();
    settings.useEngine = true;
    settings.enginePath = program;
    settings.turnSeconds = turnSeconds;
    settings.Save();
    UseEngine(program, turnSeconds);
}

void OpponentChoice::PlayAgainstBuiltInComputer() {
    OpponentSettings settings = OpponentSettings::Load();
    settings.useEngine = false;
    settings.Save();
    session.UseOpponent(nullptr);
    StopEngine();
    items.builtIn->setChecked(true);
}

void OpponentChoice::UseEngine(const QString& program, int turnSeconds) {
    auto* next = new EnginePlayer(program, turnSeconds * 1000, this);
    next->setObjectName(QStringLiteral("Engine"));
    connect(next, &EnginePlayer::Identified, this, &OpponentChoice::TitleChanged);
    connect(next, &EnginePlayer::Logged, log,
            [this, next](const QString& line) { log->Append(next->Name(), line); });
    // A reply still owed is asked of the new engine; the old one is told to end.
    session.UseOpponent(next);
    StopEngine();
    engine = next;
    items.engine->setChecked(true);
    engine->Start();
}

void OpponentChoice::StopEngine() {
    if (!engine) return;
    if (session.Opponent() == engine) session.UseOpponent(nullptr);
    engine->Stop();
    engine->deleteLater();
    engine = nullptr;
    emit TitleChanged({});
}

void OpponentChoice::Failed(const QString& reason) {
    // The session has seated the built-in computer already; the move the engine owed is asked
    // of it after the message.
    const QString name = engine ? engine->Name() : QString();
    StopEngine();
    items.builtIn->setChecked(true);
    OpponentSettings settings = OpponentSettings::Load();
    settings.useEngine = false;
    settings.Save();
    emit Message(
        tr("外部引擎 %1 出错：%2。\n棋局保持原样，对手换回了内置电脑。").arg(name, reason));
}

wuziqi::SgfPlayers OpponentChoice::PlayersOfGame() const {
    const wuziqi::GameRecord& record = session.Record();
    if (record.GameMode != wuziqi::ModeAgainstComputer) return {};
    // The person's colour is the one to move, unless the opponent is thinking.
    const std::uint8_t opponentColour =
        session.OpponentThinking() ? record.CurrentColour : wuziqi::Opponent(record.CurrentColour);
    const std::string opponent = (engine ? engine->Title() : tr("内置电脑")).toStdString();
    const std::string person = tr("玩家").toStdString();
    if (opponentColour == wuziqi::Black) return {opponent, person};
    return {person, opponent};
}
