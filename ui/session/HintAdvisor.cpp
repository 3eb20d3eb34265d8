#include "HintAdvisor.h"

#include <utility>

#include "ComputerPlayer.h"

HintAdvisor::HintAdvisor(QObject* parent)
    : QObject(parent), player(new ComputerPlayer(wuziqi::SearchDepth, this)) {
    connect(player, &GamePlayer::MoveChosen, this, [this](const wuziqi::ComputerAnswer& answer) {
        shown = Hint{answer.point, answer.verdict, std::move(*asked)};
        asked.reset();
        emit Found();
    });
}

void HintAdvisor::SetLevel(wuziqi::PlayLevel level, int masterMilliseconds) {
    player->SetLevel(level, masterMilliseconds);
}

void HintAdvisor::Ask(MoveRequest request) {
    asked = request;
    player->RequestMove(std::move(request));
}

bool HintAdvisor::Thinking() const {
    return player->Thinking();
}

bool HintAdvisor::Clear() {
    if (player->Thinking()) {
        player->CancelMove();
        asked.reset();
        return true;
    }
    return std::exchange(shown, std::nullopt).has_value();
}
