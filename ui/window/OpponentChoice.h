#pragma once

#include <QObject>
#include <QString>

#include "SgfFile.h"

class EngineLog;
class EnginePlayer;
class GameSession;
class QAction;
class QWidget;

// The opponent against the person: the built-in computer or an external Gomocup engine, chosen
// in 游戏参数设置 → 对手 and remembered for the next run; the engine log; and what happens when
// an engine fails. The engine it starts is seated in the game session.
class OpponentChoice : public QObject {
    Q_OBJECT

  public:
    struct Items {
        QAction* builtIn;
        QAction* engine;
        QAction* log;
    };

    OpponentChoice(GameSession& session, QWidget* window, Items items);

    // The opponent the settings name, at start.
    void UseRemembered();
    // The engine dialog; an engine chosen there becomes the opponent.
    void ChooseEngine();
    // Each remembered for the next run.
    void PlayAgainstEngine(const QString& program, int turnSeconds);
    void PlayAgainstBuiltInComputer();
    // Says END to an engine, which ends on its own time.
    void StopEngine();
    // The players' names for a game file: the opponent's colour is known against the computer.
    wuziqi::SgfPlayers PlayersOfGame() const;

  signals:
    void Message(const QString& text);
    // An engine's name and version, or empty without one.
    void TitleChanged(const QString& title);

  private:
    void UseEngine(const QString& program, int turnSeconds);
    void Failed(const QString& reason);

    GameSession& session;
    QWidget* window;
    Items items;
    EngineLog* log;
    EnginePlayer* engine = nullptr;
};
