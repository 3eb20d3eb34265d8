#include "GameTexts.h"

#include "CellState.h"

QString GameTexts::Verdict(wuziqi::Verdict verdict) {
    switch (verdict) {
        case wuziqi::Verdict::Unchanged: return {};
        case wuziqi::Verdict::None: return QStringLiteral(" ");
        case wuziqi::Verdict::IWin: return tr("我赢了! ");
        case wuziqi::Verdict::YouWin: return tr("你赢了! ");
        case wuziqi::Verdict::YouMightWin: return tr("你有可能赢哦! ");
        case wuziqi::Verdict::IMightWin: return tr("我有可能赢哦! ");
    }
    return {};
}

QString GameTexts::HintVerdict(wuziqi::Verdict verdict) {
    // The search's verdict is said by the side it chose for; the hint says it to that side.
    switch (verdict) {
        case wuziqi::Verdict::Unchanged:
        case wuziqi::Verdict::None: return QStringLiteral(" ");
        case wuziqi::Verdict::IWin: return tr("你赢了! ");
        case wuziqi::Verdict::YouWin: return tr("对方赢了! ");
        case wuziqi::Verdict::YouMightWin: return tr("对方有可能赢哦! ");
        case wuziqi::Verdict::IMightWin: return tr("你有可能赢哦! ");
    }
    return QStringLiteral(" ");
}

QString GameTexts::Draw() {
    return tr("和棋！");
}

QString GameTexts::Refusal(wuziqi::PlaceRefusal) {
    // One text for every reason: the point cannot take that stone.
    return tr(" Set Wrong!");
}

QString GameTexts::Win(std::uint8_t colour) {
    // As the model names colours: anything but Black is White.
    return colour == wuziqi::Black ? tr("Black Win!") : tr("White Win!");
}

QString GameTexts::WrongColour() {
    return tr(" Type Error! ");
}

QString GameTexts::Thinking() {
    return tr("思考中…");
}

QString GameTexts::PatternMismatch(int count) {
    return tr("Mach error!%1").arg(count);
}

QString GameTexts::RefusedFileTitle() {
    return tr("不是棋盘文件！");
}

QString GameTexts::SavedGameRefusal(wuziqi::SavedGameError error, int badEntry) {
    if (error == wuziqi::SavedGameError::None) return {};
    return RefusedFileTitle() + QLatin1Char('\n') + SavedGameReason(error, badEntry);
}

QString GameTexts::SavedGameReason(wuziqi::SavedGameError error, int badEntry) {
    using wuziqi::SavedGameError;
    switch (error) {
        case SavedGameError::None: break;
        case SavedGameError::NotARegularFile:
            return tr("这不是普通文件，而是文件夹、管道或设备，没有读取。");
        case SavedGameError::NotABoardFile: return tr("文件开头没有棋盘文件的标识。");
        case SavedGameError::FileTooLarge:
            return tr("文件超过了棋盘文件的大小上限（%1 KB）。")
                .arg(wuziqi::LargestSavedGameFile / 1024);
        case SavedGameError::MissingCount: return tr("文件在步数之前就结束了。");
        case SavedGameError::NegativeCount: return tr("文件中的步数是负数。");
        case SavedGameError::MissingMoves: return tr("文件中的棋步比记录的步数少，文件不完整。");
        case SavedGameError::TrailingBytes: return tr("最后一步之后还有多余的数据。");
        case SavedGameError::MoveOffBoard: return tr("第 %1 步不在棋盘上。").arg(badEntry + 1);
        case SavedGameError::PointTaken:
            return tr("第 %1 步落在已有棋子的位置上。").arg(badEntry + 1);
    }
    return {};
}

QString GameTexts::KeptGameRefusal(const wuziqi::DecodedKeptGame& decoded) {
    using wuziqi::KeptGameError;
    QString reason;
    switch (decoded.error) {
        case KeptGameError::None: return {};
        case KeptGameError::NotAKeptGame: reason = tr("文件开头没有上局记录的标识。"); break;
        case KeptGameError::FileTooLarge:
            reason = tr("文件超过了上局记录的大小上限（%1 KB）。")
                         .arg(wuziqi::LargestKeptGameFile / 1024);
            break;
        case KeptGameError::BadLine:
            reason = tr("第 %1 行的格式不对。").arg(decoded.badLine);
            break;
        case KeptGameError::MoveOffBoard:
            reason = tr("第 %1 步不在棋盘上。").arg(decoded.badMove + 1);
            break;
        case KeptGameError::PointTaken:
            reason = tr("第 %1 步落在已有棋子的位置上。").arg(decoded.badMove + 1);
            break;
        case KeptGameError::CursorPastMoves: reason = tr("棋盘上的步数超过了记录的棋步。"); break;
        case KeptGameError::ColourContradicts:
            reason = tr("轮到走棋的一方与棋盘上的棋子不符。");
            break;
        case KeptGameError::NegativeClock: reason = tr("计时是负数。"); break;
        case KeptGameError::ReplyNotOwed: reason = tr("记录中电脑要走的棋与对局不符。"); break;
    }
    return RefusedFileTitle() + QLatin1Char('\n') + reason;
}
