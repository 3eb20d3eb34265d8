#include "ForcedLine.h"

#include <utility>

#include "ComputerPlayer.h"

ForcedLine::ForcedLine(const wuziqi::TGameBoard& board, QObject* parent)
    : QObject(parent),
      board(board),
      // Asked for the reply with its line, so that working the line out never stands in the
      // way of the opponent's reply or of a hint.
      finder(new ComputerPlayer(wuziqi::SearchDepth, this, ComputerPlayer::ForcedLines::Found)) {
    connect(finder, &GamePlayer::MoveChosen, this, [this](const wuziqi::ComputerAnswer& answer) {
        // Anything that changed the proof on show has called the search off: this is its line.
        ProvedWin* proof = MutableOnShow(askedForHint);
        if (!proof) return;
        proof->line = answer.line;
        proof->lineShown = true;
        emit Changed();
    });
}

void ForcedLine::KeepReplyProof(const std::optional<MoveRequest>& asked,
                                const wuziqi::ComputerAnswer& answer) {
    reply.reset();
    if (asked && answer.point && wuziqi::ProvesForcedWin(answer.verdict))
        reply = ProvedWin{*asked, answer.point,
                          answer.line.empty() ? std::nullopt : std::optional(answer.line), false};
}

void ForcedLine::SetLevel(wuziqi::PlayLevel level, int masterMilliseconds) {
    finder->SetLevel(level, masterMilliseconds);
}

void ForcedLine::KeepHintProof(const std::optional<MoveRequest>& asked,
                               const wuziqi::ComputerAnswer& answer) {
    Hide();
    hint.reset();
    if (asked && answer.point && wuziqi::ProvesForcedWin(answer.verdict))
        hint = ProvedWin{*asked, std::nullopt, std::nullopt, false};
}

const ProvedWin* ForcedLine::OnShow(bool hintShown) const {
    const std::optional<ProvedWin>& proof = hintShown ? hint : reply;
    return proof && proof->StillOn(board) ? &*proof : nullptr;
}

ProvedWin* ForcedLine::MutableOnShow(bool hintShown) {
    return const_cast<ProvedWin*>(std::as_const(*this).OnShow(hintShown));
}

ProvedWin::Ahead ForcedLine::Drawn(bool hintShown) const {
    const ProvedWin* proof = OnShow(hintShown);
    return proof && proof->lineShown ? proof->LineAhead() : ProvedWin::Ahead{};
}

bool ForcedLine::Thinking() const {
    return finder->Thinking();
}

void ForcedLine::Flip(bool hintShown) {
    ProvedWin* proof = MutableOnShow(hintShown);
    if (!proof) return;
    if (proof->lineShown || finder->Thinking()) {
        Hide();
        return;
    }
    if (proof->line) {
        proof->lineShown = true;
        emit Changed();
        return;
    }
    askedForHint = hintShown;
    finder->RequestMove(proof->asked);
}

void ForcedLine::Follow(bool hintShown) {
    if (!OnShow(hintShown)) Hide();
}

void ForcedLine::Hide() {
    finder->CancelMove();
    bool shown = false;
    for (std::optional<ProvedWin>* proof : {&reply, &hint}) {
        if (*proof && (*proof)->lineShown) {
            (*proof)->lineShown = false;
            shown = true;
        }
    }
    if (shown) emit Changed();
}
