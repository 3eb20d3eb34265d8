#include "EngineShutdown.h"

#include <QProcess>
#include <QTimer>

#include "EngineProcessGroup.h"

EngineShutdown::EngineShutdown(QProcess* process, qint64 leader, int graceMilliseconds,
                               QObject* parent)
    : QObject(parent), process(process), leader(leader), deadline(graceMilliseconds) {
    setObjectName(QStringLiteral("EngineShutdown"));
    process->setParent(this);
    if (process->state() == QProcess::NotRunning) {
        Finished();
        return;
    }
    connect(process, &QProcess::finished, this, &EngineShutdown::Finished);
    if (graceMilliseconds <= 0)
        Kill();
    else
        QTimer::singleShot(graceMilliseconds, this, &EngineShutdown::Kill);
}

EngineShutdown::~EngineShutdown() {
    if (process->state() != QProcess::NotRunning) {
        process->waitForFinished(static_cast<int>(deadline.remainingTime()));
        if (process->state() != QProcess::NotRunning) {
            Kill();
            // Without this the process's own destructor would wait up to 30 seconds.
            process->waitForFinished(ReapMilliseconds);
        }
    }
    KillProcessGroup(leader);
}

void EngineShutdown::Kill() {
    KillProcessGroup(leader);
    process->kill();
}

void EngineShutdown::Finished() {
    // The engine is gone, but what it started may not be.
    KillProcessGroup(leader);
    leader = 0;
    deleteLater();
}
