#pragma once

#include <QObject>
#include <optional>
#include <vector>

#include "LevelReply.h"
#include "ProvedWin.h"

class ComputerPlayer;

// The forced line: while the first status panel announces a forced win (the opponent's
// "我赢了! " or "你赢了! ", or a hint's) and the board still shows the position it was proved
// on, the line the search proved there can be worked out, on a worker thread of its own, and
// shown from the next move on. It goes once the stones change or it is asked for again.
class ForcedLine : public QObject {
    Q_OBJECT

  public:
    ForcedLine(const wuziqi::TGameBoard& board, QObject* parent = nullptr);

    // The line is worked out at the level that announced the win.
    void SetLevel(wuziqi::PlayLevel level, int masterMilliseconds);

    // The proofs the first status panel may announce: the opponent's last reply's (with its
    // line, when the reply came with one), and the hint's on show (none: the hint went).
    void KeepReplyProof(const std::optional<MoveRequest>& asked,
                        const wuziqi::ComputerAnswer& answer);
    void KeepHintProof(const std::optional<MoveRequest>& asked,
                       const wuziqi::ComputerAnswer& answer);

    // The proof on show: the hint's while a hint is shown, otherwise the last reply's, and only
    // while the board still shows its position.
    const ProvedWin* OnShow(bool hintShown) const;
    // The moves drawn over the board, with the colour of the first of them.
    ProvedWin::Ahead Drawn(bool hintShown) const;
    bool Thinking() const;

    // The command: shows the line of the proof on show, or takes it away, or calls off the one
    // being worked out.
    void Flip(bool hintShown);
    // After the stones changed: a line that no longer fits goes.
    void Follow(bool hintShown);

  signals:
    // The line drawn over the board came or went.
    void Changed();

  private:
    ProvedWin* MutableOnShow(bool hintShown);
    void Hide();

    const wuziqi::TGameBoard& board;
    ComputerPlayer* finder;
    std::optional<ProvedWin> reply;
    std::optional<ProvedWin> hint;
    bool askedForHint = false;  // whose line the finder works out
};
