#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "ElapsedTenths.h"
#include "GamePlayer.h"
#include "GameRecord.h"
#include "GameReporter.h"
#include "KeptGame.h"
#include "LevelReply.h"
#include "ProvedWin.h"
#include "StatusLine.h"

class ComputerPlayer;
class ForcedLine;
class HintAdvisor;
class HumanPlayer;
class QTimer;

// One game: the board, its record, the clock and the seats of the two players, and the turns
// between them. The person's points come in through PointChosen and are the move of the person
// seated at the colour to move; against the computer the other seat holds the opponent (the
// built-in computer, or an engine the window hands over), asked for its reply and answering
// later. What happens leaves as signals carrying values; nothing here knows a widget.
//
// The game has no end: a winning stone is announced and play goes on, the opponent answering
// it too. Only the board filling up stops the clock.
class GameSession : public QObject {
    Q_OBJECT

  public:
    // How long the opponent may think before the session says it is thinking.
    static constexpr int ThinkingNoticeDelay = 150;

    explicit GameSession(QObject* parent = nullptr);
    // Stops every search still running and waits for it.
    ~GameSession() override;

    const wuziqi::TGameBoard& Board() const { return *board; }
    wuziqi::TGameBoard& Board() { return *board; }
    const wuziqi::GameRecord& Record() const { return *record; }
    wuziqi::GameRecord& Record() { return *record; }
    const StatusLine& Status() const { return status; }

    // The mode the next play uses: in review, the one the mode command names.
    std::uint8_t PlayMode() const;
    bool ComputerFirst() const { return computerFirst; }
    // Whether the person placed a stone in this game, or stepped through one that came from a
    // file: the game is then worth keeping for the next start.
    bool WorthKeeping() const { return worthKeeping; }

    // True from the person's stone until the opponent's answer is on the board.
    bool OpponentThinking() const;
    GamePlayer* Opponent() const { return opponent; }
    bool HintThinking() const;
    bool LineThinking() const;
    // Which commands make sense now.
    bool HintOffered() const;
    bool LineOffered() const;

    // What is drawn over the stones: the hint's point, and the forced line's moves to come.
    std::optional<wuziqi::BoardPoint> HintPoint() const;
    ProvedWin::Ahead LineDrawn() const;

    // The commands of a game.
    void NewGame();
    void PointChosen(wuziqi::BoardPoint point);
    void StepBack();
    void StepForward();
    void SetAgainstComputer(bool againstComputer);
    void SetComputerFirst(bool first);
    // The clock runs while it is wanted and a point is left to play (ClockFollowsGame, and
    // every new game); the counters carry on where they stood.
    void SetClockWanted(bool wanted);
    void ClockFollowsGame();
    void TickClock();
    void AskHint();
    void ClearHint();
    void FlipLine();
    // A game read from a file, for review from its first move; and the game kept at the last
    // close, as it stood.
    void Review(std::vector<wuziqi::MoveRecord> moves);
    void Restore(const wuziqi::KeptGame& game);
    // The game as it is to be kept now, and whether the opponent still owes a reply to it.
    wuziqi::KeptGame Kept() const;

    // The built-in computer's level of play, and the master's time for a move; the hint and
    // the forced line follow it.
    void SetLevel(wuziqi::PlayLevel level, int masterMilliseconds);
    wuziqi::PlayLevel Level() const { return level; }
    int MasterMilliseconds() const { return masterMilliseconds; }

    // Seats the player as the opponent (none: the built-in computer). A reply still owed is
    // asked of it instead.
    void UseOpponent(GamePlayer* player);
    // Said in the first status panel in place of the last verdict; empty for none.
    void SetOpponentTitle(const QString& title);
    // A reply still being worked out is not wanted any more (the window goes, a game is
    // restored); false when none was owed.
    bool CallOffReply();

  signals:
    // A stone of the colour completed five or more at the point. Sent after the stone is set
    // and before the scene changes, so the announcement comes before the stone is seen.
    void StoneWins(std::uint8_t colour, wuziqi::BoardPoint point);
    void PlacementRefused(wuziqi::PlaceRefusal reason);
    void WrongColour();
    void PatternMismatch(int count);
    // The stones, the last-move point, the hint or the forced line changed.
    void SceneChanged();
    void StatusChanged();
    // The commands' states changed: the step commands, the hint, the forced line, the mode.
    void CommandsChanged();
    void ClockChanged();
    // No point is left to play on: it is a draw, and the clock has stopped.
    void BoardFull();
    // The thinking notice came or went.
    void BusyChanged(bool busy);
    // The opponent cannot play on. The built-in computer has taken its seat; a reply still owed
    // is asked of it once this signal has been handled.
    void OpponentFailed(const QString& reason);

  private:
    // What the board reports while it changes.
    class BoardReporter;

    bool PlayStone(wuziqi::BoardPoint point, std::uint8_t colour);
    // Announces the wins the board reported during the last change, in their order.
    void AnnounceWins();
    void PersonPlayed(const wuziqi::ComputerAnswer& answer);
    void OpponentAnswered(const wuziqi::ComputerAnswer& answer);
    void OpponentBroke(const QString& reason);
    // The player takes the opponent's seat: its answers and failures reach the session.
    void Seat(GamePlayer* player);
    void AskOpponent(const MoveRequest& request);
    MoveRequest RequestForSideToMove(wuziqi::BoardPoint last) const;
    void ShowThinking();
    void EndThinking();
    void HintFound();
    void AnnounceFullBoard();
    // After the stones changed: the step commands, the forced line and the scene follow.
    void StonesChanged();
    bool HintShown() const;
    void ShowVerdict(wuziqi::Verdict verdict);

    std::unique_ptr<BoardReporter> reporter;
    std::unique_ptr<wuziqi::TGameBoard> board;
    std::unique_ptr<wuziqi::GameRecord> record;
    // The seats: a person at each colour, and the opponent who sits at the colour the person
    // does not play against the computer.
    std::array<HumanPlayer*, 2> people{};
    ComputerPlayer* builtIn = nullptr;
    GamePlayer* opponent = nullptr;
    std::optional<MoveRequest> pending;  // what the opponent was asked and owes
    HintAdvisor* hint = nullptr;
    ForcedLine* line = nullptr;
    QTimer* thinkingNotice = nullptr;
    QTimer* clock = nullptr;
    ElapsedTenths clockTenths;  // what the clock's ticks give the side to move
    bool clockWanted = false;
    bool againstComputer = true;
    bool computerFirst = true;
    wuziqi::PlayLevel level = wuziqi::PlayLevel::Standard;
    int masterMilliseconds = 1000;
    bool worthKeeping = false;
    bool fromFile = false;
    std::vector<std::pair<std::uint8_t, wuziqi::BoardPoint>> wins;  // reported, not yet announced
    StatusLine status;
};
