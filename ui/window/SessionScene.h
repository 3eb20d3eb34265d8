#pragma once

#include "BoardScene.h"

class GameSession;

// What the board widget is to draw of the session's game.
BoardScene SceneOf(const GameSession& session, bool showMoveNumbers);
