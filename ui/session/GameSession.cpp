#include "GameSession.h"

#include <QTimer>
#include <utility>

#include "ComputerPlayer.h"
#include "ComputerReply.h"
#include "ForcedLine.h"
#include "GameBoard.h"
#include "HintAdvisor.h"
#include "HumanPlayer.h"
#include "ReviewStart.h"

namespace {

std::size_t SeatOf(std::uint8_t colour) {
    return colour == wuziqi::White ? 1 : 0;
}

// The built-in computer opens on the centre point, at once; an engine chooses its own opening.
constexpr wuziqi::BoardPoint Centre{8, 8};

}  // namespace

// A refusal or a wrong colour leaves the board as it was and is said at once; a pattern
// mismatch only fills a status panel. A win is reported before its stone is set, so it waits
// until the stone stands and the record has it (AnnounceWins): nothing is shown from inside
// a change of the board.
class GameSession::BoardReporter : public wuziqi::GameReporter {
  public:
    explicit BoardReporter(GameSession& session) : session(session) {}

    void PlacementRefused(wuziqi::PlaceRefusal reason) override {
        emit session.PlacementRefused(reason);
    }
    void StoneWins(std::uint8_t colour, int x, int y) override {
        session.wins.emplace_back(colour, wuziqi::BoardPoint{x, y});
    }
    void WrongColour() override { emit session.WrongColour(); }
    void PatternMismatch(int count) override { emit session.PatternMismatch(count); }

  private:
    GameSession& session;
};

GameSession::GameSession(QObject* parent)
    : QObject(parent),
      reporter(std::make_unique<BoardReporter>(*this)),
      board(std::make_unique<wuziqi::TGameBoard>(reporter.get())),
      record(std::make_unique<wuziqi::GameRecord>(*board)),
      builtIn(new ComputerPlayer(wuziqi::SearchDepth, this)),
      hint(new HintAdvisor(this)),
      line(new ForcedLine(*board, this)),
      thinkingNotice(new QTimer(this)),
      clock(new QTimer(this)) {
    record->LastMove = wuziqi::NoLastMove;
    for (HumanPlayer*& person : people) {
        person = new HumanPlayer(this);
        connect(person, &GamePlayer::MoveChosen, this, &GameSession::PersonPlayed);
    }
    Seat(builtIn);
    connect(hint, &HintAdvisor::Found, this, &GameSession::HintFound);
    connect(line, &ForcedLine::Changed, this, &GameSession::SceneChanged);
    thinkingNotice->setSingleShot(true);
    thinkingNotice->setInterval(ThinkingNoticeDelay);
    connect(thinkingNotice, &QTimer::timeout, this, &GameSession::ShowThinking);
    clock->setObjectName(QStringLiteral("Timer1"));
    clock->setInterval(100);
    connect(clock, &QTimer::timeout, this, &GameSession::TickClock);
}

GameSession::~GameSession() {
    // Every search still running is stopped and waited for before the game it answers goes.
    CallOffReply();
    delete hint;
    delete line;
    delete builtIn;
    board->SetReporter(nullptr);
}

std::uint8_t GameSession::PlayMode() const {
    if (record->GameMode != wuziqi::ModeReview) return record->GameMode;
    return againstComputer ? wuziqi::ModeAgainstComputer : wuziqi::ModeTwoPlayers;
}

bool GameSession::OpponentThinking() const {
    return opponent->Thinking();
}

bool GameSession::HintThinking() const {
    return hint->Thinking();
}

bool GameSession::LineThinking() const {
    return line->Thinking();
}

bool GameSession::HintOffered() const {
    return !OpponentThinking() && !hint->Thinking();
}

bool GameSession::LineOffered() const {
    return line->OnShow(HintShown()) != nullptr;
}

bool GameSession::HintShown() const {
    return hint->OnShow().has_value();
}

std::optional<wuziqi::BoardPoint> GameSession::HintPoint() const {
    return HintShown() ? hint->OnShow()->point : std::nullopt;
}

ProvedWin::Ahead GameSession::LineDrawn() const {
    return line->Drawn(HintShown());
}

void GameSession::NewGame() {
    CallOffReply();
    ClearHint();
    worthKeeping = false;
    fromFile = false;
    // A new game leaves the review of a loaded game first, for the mode the mode command names,
    // so the opening stone is recorded and the history keeps Black on the even entries.
    if (record->GameMode == wuziqi::ModeReview) record->GameMode = PlayMode();
    record->CurrentColour = wuziqi::Black;
    record->BlackClock = 0;
    record->WhiteClock = 0;
    record->ClearHistory();
    board->Reset();
    const bool opponentOpens = computerFirst && opponent->ChoosesOwnOpening() &&
                               record->GameMode == wuziqi::ModeAgainstComputer;
    if (computerFirst && !opponentOpens) {
        PlayStone(Centre, wuziqi::Black);
        record->CurrentColour = wuziqi::White;
    }
    StonesChanged();
    if (clockWanted) {
        clockTenths.Restart();
        clock->start();
    } else {
        clock->stop();
    }
    if (opponentOpens) AskOpponent(RequestForSideToMove({0, 0}));
}

void GameSession::PointChosen(wuziqi::BoardPoint point) {
    // While the opponent thinks the board takes no stones.
    if (OpponentThinking()) return;
    people[SeatOf(record->CurrentColour)]->PointChosen(point);
}

void GameSession::PersonPlayed(const wuziqi::ComputerAnswer& answer) {
    if (!answer.point) return;
    if (record->GameMode == wuziqi::ModeReview) record->GameMode = PlayMode();
    if (!PlayStone(*answer.point, record->CurrentColour)) return;
    worthKeeping = true;
    record->CurrentColour = wuziqi::Opponent(record->CurrentColour);
    // On a full board the opponent is still asked: it passes, and the turn comes back. Between
    // two people the next point simply comes from the other seat.
    AnnounceFullBoard();
    if (record->GameMode == wuziqi::ModeAgainstComputer)
        AskOpponent(RequestForSideToMove(*answer.point));
}

bool GameSession::PlayStone(wuziqi::BoardPoint point, std::uint8_t colour) {
    if (!board->Place(point.x, point.y, static_cast<wuziqi::CellState>(colour))) return false;
    record->LastMove = point;
    if (record->GameMode != wuziqi::ModeReview) record->AddMove(point.x, point.y);
    AnnounceWins();
    ClearHint();
    StonesChanged();
    return true;
}

void GameSession::AnnounceWins() {
    for (const auto& [colour, point] : std::exchange(wins, {}))
        emit StoneWins(colour, point);
}

MoveRequest GameSession::RequestForSideToMove(wuziqi::BoardPoint last) const {
    MoveRequest request{*board, {}, record->CurrentColour, last};
    request.position.SetReporter(nullptr);  // the worker's copy talks to nobody
    request.moves.assign(record->MoveHistory.begin(),
                         record->MoveHistory.begin() + record->HistoryCursor);
    return request;
}

void GameSession::AskOpponent(const MoveRequest& request) {
    pending = request;
    opponent->RequestMove(request);
    thinkingNotice->start();
    emit CommandsChanged();
}

void GameSession::OpponentAnswered(const wuziqi::ComputerAnswer& answer) {
    const std::optional<MoveRequest> asked = std::exchange(pending, std::nullopt);
    EndThinking();
    ShowVerdict(answer.verdict);
    // On a full board the opponent has nowhere to play and passes; the turn goes back anyway.
    const bool placed = answer.point && PlayStone(*answer.point, record->CurrentColour);
    record->CurrentColour = wuziqi::Opponent(record->CurrentColour);
    if (placed) AnnounceFullBoard();
    line->KeepReplyProof(asked, answer);
    emit CommandsChanged();
}

bool GameSession::CallOffReply() {
    if (!OpponentThinking()) return false;
    pending.reset();
    opponent->CancelMove();
    EndThinking();
    return true;
}

void GameSession::ShowThinking() {
    status.thinking = true;
    emit StatusChanged();
    emit BusyChanged(true);
}

void GameSession::EndThinking() {
    thinkingNotice->stop();
    emit CommandsChanged();
    if (!status.thinking) return;
    // The comment of the last answer stands until the next one replaces it.
    status.thinking = false;
    emit StatusChanged();
    emit BusyChanged(false);
}

void GameSession::ShowVerdict(wuziqi::Verdict verdict) {
    // A choice that was not made leaves the last comment standing.
    if (verdict == wuziqi::Verdict::Unchanged) return;
    status.note = verdict;
    emit StatusChanged();
}

void GameSession::StepBack() {
    if (fromFile) worthKeeping = true;
    if (CallOffReply()) {
        // The person's stone is still unanswered: taking it back gives the person the move.
        record->StepBack(1);
    } else {
        record->StepBack(1);
        if (record->GameMode == wuziqi::ModeAgainstComputer) record->StepBack(1);
    }
    StonesChanged();
    ClockFollowsGame();
}

void GameSession::StepForward() {
    CallOffReply();
    if (fromFile) worthKeeping = true;
    record->StepForward(1);
    if (record->GameMode == wuziqi::ModeAgainstComputer) record->StepForward(1);
    AnnounceWins();
    StonesChanged();
    ClockFollowsGame();
}

void GameSession::SetAgainstComputer(bool computer) {
    CallOffReply();
    againstComputer = computer;
    record->GameMode = computer ? wuziqi::ModeAgainstComputer : wuziqi::ModeTwoPlayers;
    emit CommandsChanged();
}

void GameSession::SetComputerFirst(bool first) {
    computerFirst = first;
}

void GameSession::SetClockWanted(bool wanted) {
    clockWanted = wanted;
}

void GameSession::ClockFollowsGame() {
    // On a full board no one is to move, so no one's time runs.
    const bool runs = clockWanted && wuziqi::NearestEmptyToCentre(*board);
    if (runs == clock->isActive()) return;
    if (runs) {
        clockTenths.Restart();
        clock->start();
    } else {
        clock->stop();
    }
}

void GameSession::TickClock() {
    const int tenths = clockTenths.Take();
    if (record->CurrentColour == wuziqi::White)
        record->WhiteClock += tenths;
    else
        record->BlackClock += tenths;
    emit ClockChanged();
}

void GameSession::AnnounceFullBoard() {
    // No one is left a point to play: the clock stops and the session says so, once, rather
    // than passing turns in silence.
    if (wuziqi::NearestEmptyToCentre(*board)) return;
    ClockFollowsGame();
    emit BoardFull();
}

void GameSession::AskHint() {
    ClearHint();
    if (OpponentThinking()) return;
    hint->Ask(RequestForSideToMove(record->LastMove));
    emit CommandsChanged();
}

void GameSession::HintFound() {
    const HintAdvisor::Hint& shown = *hint->OnShow();
    status.hint = shown.point ? std::optional(shown.verdict) : std::nullopt;
    emit StatusChanged();
    line->KeepHintProof(shown.asked, wuziqi::ComputerAnswer{shown.point, shown.verdict, {}});
    emit SceneChanged();
    emit CommandsChanged();
}

void GameSession::ClearHint() {
    const bool working = hint->Thinking();
    if (!hint->Clear()) return;
    if (!working) {
        status.hint.reset();
        emit StatusChanged();
        // The hint's forced win, if any, goes with it.
        line->KeepHintProof(std::nullopt, {});
        emit SceneChanged();
    }
    emit CommandsChanged();
}

void GameSession::FlipLine() {
    line->Flip(HintShown());
}

void GameSession::StonesChanged() {
    // A line belongs to the position it was proved on: once the stones change, it goes.
    line->Follow(HintShown());
    emit SceneChanged();
    emit CommandsChanged();
}

void GameSession::Review(std::vector<wuziqi::MoveRecord> moves) {
    // The loaded game replaces the one the opponent was answering.
    CallOffReply();
    wuziqi::StartReview(*record, std::move(moves));
    AnnounceWins();
    worthKeeping = false;
    fromFile = true;
    StonesChanged();
}

void GameSession::Restore(const wuziqi::KeptGame& game) {
    CallOffReply();
    wuziqi::RestoreGame(*record, game);
    worthKeeping = false;
    fromFile = true;
    StonesChanged();
    ClockFollowsGame();
    if (game.computerToMove) AskOpponent(RequestForSideToMove(record->LastMove));
}

wuziqi::KeptGame GameSession::Kept() const {
    return wuziqi::KeptGameOf(*record, OpponentThinking());
}

void GameSession::SetLevel(wuziqi::PlayLevel playLevel, int milliseconds) {
    level = playLevel;
    masterMilliseconds = milliseconds;
    builtIn->SetLevel(playLevel, milliseconds);
    hint->SetLevel(playLevel, milliseconds);
    line->SetLevel(playLevel, milliseconds);
}

void GameSession::UseOpponent(GamePlayer* player) {
    GamePlayer* next = player ? player : builtIn;
    const std::optional<MoveRequest> owed = pending;
    CallOffReply();
    Seat(next);
    if (owed) AskOpponent(*owed);
}

void GameSession::Seat(GamePlayer* player) {
    if (opponent) disconnect(opponent, nullptr, this, nullptr);
    opponent = player;
    connect(opponent, &GamePlayer::MoveChosen, this, &GameSession::OpponentAnswered);
    connect(opponent, &GamePlayer::PlayerFailed, this, &GameSession::OpponentBroke);
}

void GameSession::OpponentBroke(const QString& reason) {
    const std::optional<MoveRequest> owed = std::exchange(pending, std::nullopt);
    EndThinking();
    Seat(builtIn);
    emit OpponentFailed(reason);
    if (owed) AskOpponent(*owed);
}

void GameSession::SetOpponentTitle(const QString& title) {
    if (title.isEmpty())
        status.note = std::monostate{};
    else
        status.note = title;
    emit StatusChanged();
}
