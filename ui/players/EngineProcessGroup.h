#pragma once

#include <QtGlobal>

class QProcess;

// An engine and everything it starts, as one process group: so that stopping the engine stops
// the helpers it started too (a shell script's `sleep`, a worker it forked), which would
// otherwise live on after the window has gone. Where there are no process groups (not Unix)
// the engine alone is stopped.

// Makes the process, once started, the leader of a process group of its own.
void RunInOwnProcessGroup(QProcess& process);

// Kills every process of the group the process with this id leads, at once (SIGKILL). A group
// that no longer exists is left alone.
void KillProcessGroup(qint64 leader);
