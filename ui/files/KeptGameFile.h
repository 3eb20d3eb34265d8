#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "GameRecord.h"
#include "KeptGame.h"

class QSettings;

// The game on the board when the window closed, kept for the next start as one file in the
// application's data folder, moves and state together, written whole or not at all.
QString KeptGamePath();
bool KeptGameExists();

// The record's game with what 继续上局 needs to go on with it.
wuziqi::KeptGame KeptGameOf(const wuziqi::GameRecord& record, bool computerToMove);

// Replaces the kept game; nothing on success, or the system's reason, with the game kept
// before left as it was.
std::optional<QString> KeepGame(const wuziqi::KeptGame& game);

// Puts the record and its board back into the kept game, replaying the moves on the board
// without announcing anything.
void RestoreGame(wuziqi::GameRecord& record, const wuziqi::KeptGame& game);

// The version before kept the moves in last-game.wzq and the state in the settings' "resume/"
// keys. Moves them, once, into the kept-game file (as they were, when the moves are damaged, so
// that 继续上局 still says why) and removes both.
void MoveOldKeptGame(QSettings& settings);
