#pragma once

#include <string_view>

#include "Verdict.h"

namespace wuziqi::engine {

// The computer's comments as the game shows them in its status bar, trailing spaces included;
// the analyze mode prints them. Nothing for a choice that was not made.
constexpr std::string_view VerdictText(Verdict verdict) {
    switch (verdict) {
        case Verdict::Unchanged: return "";
        case Verdict::None: return " ";
        case Verdict::IWin: return "我赢了! ";
        case Verdict::YouWin: return "你赢了! ";
        case Verdict::YouMightWin: return "你有可能赢哦! ";
        case Verdict::IMightWin: return "我有可能赢哦! ";
    }
    return "";
}

}  // namespace wuziqi::engine
