#pragma once

#include <QObject>
#include <optional>

#include "ComputerReply.h"
#include "GamePlayer.h"
#include "LevelReply.h"

class ComputerPlayer;

// The hint: a built-in computer of its own works out, on its worker thread, what it would play
// for the side to move, so that the hint never stands in the way of the opponent's reply. The
// hint then stays on show until it is taken away; nothing of the game changes.
class HintAdvisor : public QObject {
    Q_OBJECT

  public:
    struct Hint {
        std::optional<wuziqi::BoardPoint> point;  // none on a full board
        wuziqi::Verdict verdict = wuziqi::Verdict::None;
        MoveRequest asked;
    };

    explicit HintAdvisor(QObject* parent = nullptr);

    // The hint is what the computer would play at the level that plays.
    void SetLevel(wuziqi::PlayLevel level, int masterMilliseconds);
    void Ask(MoveRequest request);
    bool Thinking() const;
    const std::optional<Hint>& OnShow() const { return shown; }
    // Calls off the hint being worked out, or else takes the one on show away; false when there
    // was neither.
    bool Clear();

  signals:
    // A hint is on show.
    void Found();

  private:
    ComputerPlayer* player;
    std::optional<MoveRequest> asked;
    std::optional<Hint> shown;
};
