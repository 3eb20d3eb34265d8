#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

#include "EngineLine.h"
#include "EnginePosition.h"
#include "GamePlayer.h"

class QTimer;

// A Gomocup engine (a pbrain-… program) as the opponent: run with QProcess and spoken to in
// the Gomocup protocol, one command at a time, each answer awaited before the next command.
// It is told the board the window shows before every move (see EnginePosition). An engine
// that cannot start, exits, answers what is not a legal point or misses the time limit by
// more than a second is stopped, and PlayerFailed says why; nothing is emitted after that.
class EnginePlayer : public GamePlayer {
    Q_OBJECT

  public:
    EnginePlayer(const QString& program, int turnMilliseconds, QObject* parent = nullptr);
    // Stops the engine as Stop does.
    ~EnginePlayer() override;

    // Starts the program and sets up the game: START 15, the INFO lines, ABOUT.
    void Start();
    // Says END, and kills the engine with everything it started if it is still there a second
    // later. Returns at once: the engine ends after this player has gone (see EngineShutdown).
    void Stop();

    void RequestMove(MoveRequest request) override;
    // The engine cannot be interrupted: its answer is awaited and dropped.
    void CancelMove() override;
    bool Thinking() const override { return wanted != 0; }
    bool ChoosesOwnOpening() const override { return true; }

    // The engine's name as it gives it, or the program's file name.
    QString Name() const;
    // Name and version, for the status bar.
    QString Title() const;

    // How long past the time limit an answer is still taken.
    static constexpr int GraceMilliseconds = 1000;
    // How long START, RESTART and ABOUT may take: an engine may load a lot first.
    static constexpr int SetUpMilliseconds = 30000;

  signals:
    // ABOUT was answered.
    void Identified(const QString& title);
    // For the engine log: MESSAGE and DEBUG lines, its ABOUT, its end, answers nobody asked
    // for and faults.
    void Logged(const QString& line);
    // Every line each way, as it goes.
    void LineSent(const QString& line);
    void LineReceived(const QString& line);

  private:
    enum class Await { Nothing, Ok, About, Move };
    struct Step {
        QStringList lines;
        Await await = Await::Nothing;
    };
    // A request and the number it was given, so that the answer to a cancelled one is known.
    struct Asked {
        MoveRequest request;
        int serial = 0;
    };

    // Sends the next steps until one awaits an answer.
    void Pump();
    void PlanMove(Asked asked);
    void Send(const QString& line);
    void ReadOutput();
    void Handle(const QString& line);
    void HandleMove(const EngineLine& line, const QString& raw);
    void Answered();
    // Ends the engine: with END and a second's grace first, or at once.
    void Halt(bool sayEnd);
    void Fail(const QString& reason);
    void TimedOut();
    // A time in seconds, with its unit, as the fault messages say it.
    static QString Seconds(double seconds);

    QProcess* process;  // handed over when the engine is stopped
    qint64 leader = 0;  // the engine's process id, which leads its process group
    QTimer* watchdog;
    QString program;
    int turnMilliseconds;
    bool running = false;  // started and not yet stopped or failed
    bool stopped = false;  // stopped or failed: nothing more is said or emitted
    std::deque<Step> steps;
    Await awaiting = Await::Nothing;
    QString awaitedCommand;
    std::optional<Asked> queued;  // asked for and not yet sent
    std::optional<Asked> sent;    // the request the awaited move answers
    int serial = 0;
    int wanted = 0;  // the serial of the request the window waits for; 0 for none
    EnginePosition position;
    QString name;
    QString version;
    QByteArray output;  // what was read of a line not yet complete
    bool cutting = false;
};
