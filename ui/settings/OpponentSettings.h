#pragma once

#include <QString>

// Who plays against the person, as remembered between runs: the built-in computer (the
// default) or an external engine, with the engine's program and its time limit per move.
struct OpponentSettings {
    static constexpr int DefaultTurnSeconds = 5;
    static constexpr int LongestTurnSeconds = 3600;

    bool useEngine = false;
    QString enginePath;
    int turnSeconds = DefaultTurnSeconds;

    // The remembered choice; the defaults where nothing is remembered or a value is unusable.
    static OpponentSettings Load();
    void Save() const;
};
