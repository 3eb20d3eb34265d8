#include "EnginePlayer.h"

#include <QFileInfo>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "ComputerReply.h"
#include "EngineProcessGroup.h"
#include "EngineShutdown.h"

namespace {

// The manager's own lines end with CR LF, as the protocol has it.
constexpr char LineEnd[] = "\r\n";
// A longer line is cut here; the rest up to its end is dropped.
constexpr qsizetype LongestLine = 64 * 1024;
// The whole match has no time limit, which the protocol writes as the largest number.
constexpr char NoMatchLimit[] = "2147483647";

}  // namespace

EnginePlayer::EnginePlayer(const QString& program, int turnMilliseconds, QObject* parent)
    : GamePlayer(parent),
      process(new QProcess(this)),
      watchdog(new QTimer(this)),
      program(program),
      turnMilliseconds(turnMilliseconds) {
    watchdog->setSingleShot(true);
    connect(watchdog, &QTimer::timeout, this, &EnginePlayer::TimedOut);
    connect(process, &QProcess::started, this, [this] {
        running = true;
        Pump();
    });
    connect(process, &QProcess::readyReadStandardOutput, this, &EnginePlayer::ReadOutput);
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            Fail(tr("无法启动：%1").arg(process->errorString()));
        else if (error == QProcess::WriteError)
            Fail(tr("无法向它发送命令：%1").arg(process->errorString()));
    });
    connect(process, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        Fail(status == QProcess::CrashExit ? tr("崩溃了")
                                           : tr("自己退出了（退出码 %1）").arg(code));
    });
}

EnginePlayer::~EnginePlayer() {
    Stop();
}

QString EnginePlayer::Name() const {
    return name.isEmpty() ? QFileInfo(program).fileName() : name;
}

QString EnginePlayer::Title() const {
    return version.isEmpty() ? Name() : Name() + QLatin1Char(' ') + version;
}

void EnginePlayer::Start() {
    const QString turn = QString::number(turnMilliseconds);
    steps = {{{QStringLiteral("START 15")}, Await::Ok},
             {{QStringLiteral("INFO timeout_turn ") + turn, QStringLiteral("INFO timeout_match 0"),
               QStringLiteral("INFO time_left ") + QLatin1String(NoMatchLimit),
               QStringLiteral("INFO game_type 0"), QStringLiteral("INFO rule 0")},
              Await::Nothing},
             {{QStringLiteral("ABOUT")}, Await::About}};
    // Its own folder, where an engine looks for its files; what it writes to stderr is not
    // read, so that it can never fill a pipe.
    const QFileInfo file(program);
    process->setWorkingDirectory(file.absolutePath());
    process->setStandardErrorFile(QProcess::nullDevice());
    RunInOwnProcessGroup(*process);
    // By its whole path: a path relative to here means nothing from the engine's folder.
    process->start(file.absoluteFilePath(), {});
    // Known from the fork on, before the start is reported: an engine stopped before that may
    // have started helpers already. (A start that failed at once has handed the process over.)
    if (process) leader = process->processId();
}

void EnginePlayer::Stop() {
    Halt(true);
}

void EnginePlayer::Halt(bool sayEnd) {
    if (stopped) return;
    stopped = true;
    running = false;
    wanted = 0;
    watchdog->stop();
    process->disconnect(this);
    const bool told = sayEnd && process->state() == QProcess::Running;
    if (told) {
        Send(QStringLiteral("END"));
        emit Logged(tr("已结束"));
    }
    // The engine ends in its own time under this player's parent (the window), so that the
    // player can go at once and nothing waits for the engine until the window itself goes.
    new EngineShutdown(std::exchange(process, nullptr), leader, told ? GraceMilliseconds : 0,
                       parent());
}

void EnginePlayer::RequestMove(MoveRequest request) {
    CancelMove();
    wanted = ++serial;
    if (!wuziqi::NearestEmptyToCentre(request.position)) {
        // On a full board there is nothing to ask: the engine passes, as the built-in
        // computer does, and the answer comes later like any other.
        QTimer::singleShot(0, this, [this, passing = wanted] {
            if (wanted != passing) return;
            wanted = 0;
            emit MoveChosen({std::nullopt, wuziqi::Verdict::Unchanged, {}});
        });
        return;
    }
    queued = Asked{std::move(request), wanted};
    Pump();
}

void EnginePlayer::CancelMove() {
    wanted = 0;
    queued.reset();
}

void EnginePlayer::Pump() {
    while (running && awaiting == Await::Nothing) {
        if (steps.empty()) {
            if (!queued) return;
            Asked next = std::move(*queued);
            queued.reset();
            PlanMove(std::move(next));
        }
        const Step step = steps.front();
        steps.pop_front();
        for (const QString& line : step.lines)
            Send(line);
        awaiting = step.await;
        awaitedCommand = step.lines.last().section(QLatin1Char(' '), 0, 0);
        if (awaiting != Await::Nothing)
            watchdog->start(awaiting == Await::Move ? turnMilliseconds + GraceMilliseconds
                                                    : SetUpMilliseconds);
    }
}

void EnginePlayer::PlanMove(Asked asked) {
    const MoveRequest& request = asked.request;
    const EnginePosition::Plan plan = position.PlanFor(request);
    if (plan.restart) {
        steps.push_back({{QStringLiteral("RESTART")}, Await::Ok});
        position.Clear();
    }
    Step move{{QStringLiteral("INFO time_left ") + QLatin1String(NoMatchLimit)}, Await::Move};
    switch (plan.way) {
        case EnginePosition::Way::Begin: move.lines << QStringLiteral("BEGIN"); break;
        case EnginePosition::Way::Turn:
            move.lines << QStringLiteral("TURN ") + WirePoint(request.last);
            break;
        case EnginePosition::Way::Board: move.lines << BoardCommand(request); break;
    }
    steps.push_back(move);
    position.Told(request);
    sent = std::move(asked);
}

void EnginePlayer::Send(const QString& line) {
    if (!process) return;
    emit LineSent(line);
    process->write(line.toUtf8() + LineEnd);
}

void EnginePlayer::ReadOutput() {
    output += process->readAllStandardOutput();
    // Lines end with CR LF, LF or CR; the empty line between CR and LF is blank.
    while (!stopped) {
        const qsizetype lf = output.indexOf('\n'), cr = output.indexOf('\r');
        const qsizetype end = lf < 0 ? cr : cr < 0 ? lf : std::min(lf, cr);
        if (end < 0) break;
        const QByteArray line = output.left(end);
        output.remove(0, end + 1);
        if (!std::exchange(cutting, false)) Handle(QString::fromUtf8(line));
    }
    if (!stopped && output.size() > LongestLine) {
        const QByteArray line = output.left(LongestLine);
        output.clear();
        if (!std::exchange(cutting, true)) Handle(QString::fromUtf8(line));
    }
}

void EnginePlayer::Handle(const QString& raw) {
    const EngineLine line = ReadEngineLine(raw);
    if (line.kind == EngineLine::Kind::Blank) return;
    emit LineReceived(raw);
    if (line.kind == EngineLine::Kind::Message || line.kind == EngineLine::Kind::Debug) {
        emit Logged(raw.trimmed());
        return;
    }
    switch (awaiting) {
        case Await::Nothing: emit Logged(tr("（没有问它时的回答）%1").arg(raw.trimmed())); return;
        case Await::Ok:
            if (line.kind == EngineLine::Kind::Ok) return Answered();
            // An engine that cannot restart is started afresh.
            if (awaitedCommand == QLatin1String("RESTART") &&
                (line.kind == EngineLine::Kind::Unknown || line.kind == EngineLine::Kind::Error)) {
                steps.push_front({{QStringLiteral("START 15")}, Await::Ok});
                return Answered();
            }
            return Fail(tr("对 %1 的回答不是 OK，而是“%2”").arg(awaitedCommand, raw.trimmed()));
        case Await::About:
            if (line.kind != EngineLine::Kind::Unknown && line.kind != EngineLine::Kind::Error) {
                const EngineAbout about = ReadEngineAbout(raw);
                name = about.name;
                version = about.version;
            }
            emit Logged(tr("已启动：%1").arg(raw.trimmed()));
            Answered();
            emit Identified(Title());
            return;
        case Await::Move: return HandleMove(line, raw.trimmed());
    }
}

void EnginePlayer::HandleMove(const EngineLine& line, const QString& raw) {
    switch (line.kind) {
        case EngineLine::Kind::Point: break;
        case EngineLine::Kind::Suggest:
            // The manager takes the suggestion, as tournaments do.
            Send(QStringLiteral("PLAY %1,%2").arg(line.x).arg(line.y));
            return;
        case EngineLine::Kind::Error: return Fail(tr("报告错误：%1").arg(line.text));
        case EngineLine::Kind::Unknown: return Fail(tr("不认识 %1 命令").arg(awaitedCommand));
        default: return Fail(tr("回答的不是一个点：“%1”").arg(raw));
    }
    const wuziqi::BoardPoint point{line.x + 1, line.y + 1};
    const MoveRequest& request = sent->request;
    if (!wuziqi::InRange(point.x, 1, wuziqi::BoardSize) ||
        !wuziqi::InRange(point.y, 1, wuziqi::BoardSize))
        return Fail(tr("下在了棋盘外：“%1”").arg(raw));
    if (request.position.Grid[point.x][point.y] != wuziqi::Empty)
        return Fail(tr("下在了已有棋子的点上：“%1”").arg(raw));
    position.Played(point, request.colour);
    const bool deliver = sent->serial == wanted;
    sent.reset();
    if (deliver) wanted = 0;
    awaiting = Await::Nothing;
    watchdog->stop();
    if (deliver) emit MoveChosen({point, wuziqi::Verdict::Unchanged, {}});
    Pump();
}

void EnginePlayer::Answered() {
    awaiting = Await::Nothing;
    watchdog->stop();
    Pump();
}

QString EnginePlayer::Seconds(double seconds) {
    // A message box wraps its text at spaces; the number and its unit stay on one line.
    return tr("%1 秒").arg(seconds).replace(QLatin1Char(' '), QChar::Nbsp);
}

void EnginePlayer::TimedOut() {
    if (awaiting == Await::Move)
        Fail(tr("超过每步时限 %1 仍没有落子").arg(Seconds(turnMilliseconds / 1000.0)));
    else
        Fail(tr("%1 内没有回答 %2").arg(Seconds(SetUpMilliseconds / 1000), awaitedCommand));
}

void EnginePlayer::Fail(const QString& reason) {
    if (stopped) return;
    Halt(false);
    emit Logged(tr("出错：%1").arg(reason));
    emit PlayerFailed(reason);
}
