#pragma once

#include <string_view>

namespace wuziqi {

// The computer's comments on the game, shown in status panel 0 (trailing spaces included).
inline constexpr std::string_view VerdictNone = " ";
inline constexpr std::string_view VerdictIWin = "我赢了! ";
inline constexpr std::string_view VerdictYouWin = "你赢了! ";
inline constexpr std::string_view VerdictYouMightWin = "你有可能赢哦! ";
inline constexpr std::string_view VerdictIMightWin = "我有可能赢哦! ";

// The panel of the status bar that carries the verdict.
inline constexpr int VerdictPanel = 0;

}  // namespace wuziqi
