#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "GameRecord.h"
#include "MoveRecord.h"

class QSettings;

// The game on the board when the window closed, kept for the next start: its moves as a .wzq
// file in the application's data folder, and what that format cannot hold (keys "resume/")
// in the settings beside it.
struct ResumeState {
    int moveCount = 0;  // tells this state from one written beside another file
    int historyCursor = 0;
    std::uint8_t gameMode = wuziqi::ModeAgainstComputer;
    std::uint8_t currentColour = wuziqi::Black;
    std::int32_t blackClock = 0;
    std::int32_t whiteClock = 0;
    bool previousEnabled = false;
    bool nextEnabled = false;
    // The window closed while the computer was thinking: its reply is still to come.
    bool computerToMove = false;
};

QString ResumeFilePath();
bool ResumeFileExists();

// Writes the game through a temporary file, as Save does, then its state. False when the
// file could not be written; the file and state kept before are then left as they were.
bool KeepGame(const wuziqi::GameRecord& record, bool computerToMove, QSettings& settings);

// The state kept beside a file of moveCount moves; nothing when it is missing, belongs to
// another file or does not fit the game.
std::optional<ResumeState> ReadResumeState(const QSettings& settings, int moveCount);

// Puts the record and its board back into the state, replaying the moves on the board without
// announcing anything.
void RestoreGame(wuziqi::GameRecord& record, std::vector<wuziqi::MoveRecord> moves,
                 const ResumeState& state);
