#include "SessionScene.h"

#include "FiveLines.h"
#include "GameBoard.h"
#include "GameSession.h"

BoardScene SceneOf(const GameSession& session, bool showMoveNumbers) {
    BoardScene scene;
    const wuziqi::TGameBoard& board = session.Board();
    for (int x = 1; x <= wuziqi::BoardSize; ++x) {
        for (int y = 1; y <= wuziqi::BoardSize; ++y)
            scene.stones[static_cast<std::size_t>(x - 1)][static_cast<std::size_t>(y - 1)] =
                board.GetCell(x, y);
    }
    const wuziqi::GameRecord& record = session.Record();
    scene.lastMove = record.LastMove;
    // Only the moves on the board: those stepped back over are not numbered.
    for (int n = 0; n < record.HistoryCursor; ++n) {
        const wuziqi::MoveRecord& move = record.MoveHistory[static_cast<std::size_t>(n)];
        scene.played.push_back({move.x, move.y});
    }
    scene.showMoveNumbers = showMoveNumbers;
    scene.fives = wuziqi::FindFiveLines(board);
    scene.hint = session.HintPoint();
    ProvedWin::Ahead ahead = session.LineDrawn();
    scene.line = std::move(ahead.moves);
    scene.lineColour = ahead.colour;
    return scene;
}
