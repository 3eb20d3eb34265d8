#pragma once

#include <cstdint>
#include <optional>
#include <stop_token>
#include <string_view>

#include "ComputerReply.h"
#include "GameRecord.h"
#include "MasterSearch.h"

namespace wuziqi {

class TGameBoard;

// The computer's levels of play: the beginner, the standard player of the game (ComputerReply
// at SearchDepth) and the master's game-tree search.
enum class PlayLevel { Beginner, Standard, Master };

// "beginner", "standard" or "master"; nothing for anything else.
std::optional<PlayLevel> ParsePlayLevel(std::string_view text);
// The level's name as ParsePlayLevel reads it.
const char* PlayLevelName(PlayLevel level);

// The seed of the beginner's slips where no other is given: its moves then depend on the
// position alone, so that a game can be replayed.
inline constexpr std::uint64_t BeginnerSeed = 20261208;

// The reply at a level, as the engine plays it. Standard is ComputerReply, exactly; Master asks
// the given player within the limits; Beginner is BeginnerReply with BeginnerSeed.
MasterAnswer LevelReply(PlayLevel level, TGameBoard& board, std::uint8_t colour, BoardPoint last,
                        MasterPlayer& master, const SearchLimits& limits,
                        std::stop_token stop = {});

}  // namespace wuziqi
