#pragma once

#include <QString>
#include <optional>
#include <variant>

#include "Verdict.h"

// What the first status panel says, as values: the window draws the panel from them alone and
// never keeps its text, so a change of language says it all again. Above all the thinking
// notice, then a hint on show (its verdict, told to the side that asked; none on a full board),
// then the latest of the computer's verdict and an engine opponent's title.
struct StatusLine {
    bool thinking = false;
    std::optional<std::optional<wuziqi::Verdict>> hint;
    std::variant<std::monostate, wuziqi::Verdict, QString> note;
};
