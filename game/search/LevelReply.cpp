#include "LevelReply.h"

#include <utility>

#include "BeginnerPlayer.h"
#include "GameBoard.h"

namespace wuziqi {

std::optional<PlayLevel> ParsePlayLevel(std::string_view text) {
    if (text == "beginner") return PlayLevel::Beginner;
    if (text == "standard") return PlayLevel::Standard;
    if (text == "master") return PlayLevel::Master;
    return std::nullopt;
}

const char* PlayLevelName(PlayLevel level) {
    switch (level) {
        case PlayLevel::Beginner: return "beginner";
        case PlayLevel::Master: return "master";
        case PlayLevel::Standard: break;
    }
    return "standard";
}

MasterAnswer LevelReply(PlayLevel level, TGameBoard& board, std::uint8_t colour, BoardPoint last,
                        MasterPlayer& master, const SearchLimits& limits, std::stop_token stop) {
    switch (level) {
        case PlayLevel::Standard: {
            ComputerAnswer reply = ComputerReply(board, colour, last, SearchDepth, std::move(stop));
            MasterAnswer answer;
            answer.point = reply.point;
            answer.verdict = reply.verdict;
            answer.line = std::move(reply.line);
            return answer;
        }
        case PlayLevel::Master: return master.Reply(board, colour, limits, std::move(stop));
        case PlayLevel::Beginner: break;
    }
    // The beginner thinks for no time at all: it is not worth stopping.
    ComputerAnswer reply = BeginnerReply(board, colour, last, BeginnerSeed);
    MasterAnswer answer;
    answer.point = reply.point;
    answer.verdict = reply.verdict;
    return answer;
}

}  // namespace wuziqi
