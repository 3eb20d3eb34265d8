#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>

#include "GameReporter.h"
#include "KeptGame.h"
#include "SavedGame.h"
#include "Verdict.h"

// What the person reads for the values the game model reports, in the interface's language.
class GameTexts {
    Q_DECLARE_TR_FUNCTIONS(GameTexts)

  public:
    // The computer's comment for status panel 0; a null string for a choice that was not made
    // (the panel then keeps what it shows).
    static QString Verdict(wuziqi::Verdict verdict);

    // What the first status panel says of a hint's verdict, told to the side to move.
    static QString HintVerdict(wuziqi::Verdict verdict);

    // A full board: the message, and what a hint says there.
    static QString Draw();

    // The message for a refused placement.
    static QString Refusal(wuziqi::PlaceRefusal reason);

    // The message for a stone that completes five.
    static QString Win(std::uint8_t colour);

    // The message for a colour asked of something that is not one.
    static QString WrongColour();

    // Status panel 0 while the computer thinks.
    static QString Thinking();

    // Status panel 4 when the pattern table has no row for a window.
    static QString PatternMismatch(int count);

    // The first line of the message for any refused game file: "不是棋盘文件！".
    static QString RefusedFileTitle();

    // The message for a file refused as a saved game: that title and the reason, naming the
    // rejected entry (counted from 0) where there is one.
    static QString SavedGameRefusal(wuziqi::SavedGameError error, int badEntry = -1);
    // That reason alone.
    static QString SavedGameReason(wuziqi::SavedGameError error, int badEntry = -1);

    // The message for a kept game that 继续上局 refuses: the same title and the reason.
    static QString KeptGameRefusal(const wuziqi::DecodedKeptGame& decoded);
};
