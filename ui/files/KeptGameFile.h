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

// Replaces the kept game; nothing on success, or the system's reason, with the game kept
// before left as it was.
std::optional<QString> KeepGame(const wuziqi::KeptGame& game);

// The version before kept the moves in last-game.wzq and the state in the settings' "resume/"
// keys. Moves them, once, into the kept-game file (as they were, when the moves are damaged, so
// that 继续上局 still says why) and removes both.
void MoveOldKeptGame(QSettings& settings);
