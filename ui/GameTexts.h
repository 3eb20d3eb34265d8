#pragma once

#include <QString>
#include <cstdint>

#include "GameReporter.h"
#include "Verdict.h"

// What the person reads for the values the game model reports.
namespace GameTexts {

// The computer's comment for status panel 0; a null string for a choice that was not made
// (the panel then keeps what it shows).
QString Verdict(wuziqi::Verdict verdict);

// The message for a refused placement.
QString Refusal(wuziqi::PlaceRefusal reason);

// The message for a stone that completes five.
QString Win(std::uint8_t colour);

// The message for a colour asked of something that is not one.
QString WrongColour();

// Status panel 4 when the pattern table has no row for a window.
QString PatternMismatch(int count);

}  // namespace GameTexts
