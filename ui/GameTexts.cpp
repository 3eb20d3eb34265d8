#include "GameTexts.h"

#include "GameBoard.h"

namespace GameTexts {

QString Verdict(wuziqi::Verdict verdict) {
    switch (verdict) {
        case wuziqi::Verdict::Unchanged: return {};
        case wuziqi::Verdict::None: return QStringLiteral(" ");
        case wuziqi::Verdict::IWin: return QStringLiteral("我赢了! ");
        case wuziqi::Verdict::YouWin: return QStringLiteral("你赢了! ");
        case wuziqi::Verdict::YouMightWin: return QStringLiteral("你有可能赢哦! ");
        case wuziqi::Verdict::IMightWin: return QStringLiteral("我有可能赢哦! ");
    }
    return {};
}

QString Refusal(wuziqi::PlaceRefusal) {
    // One text for every reason: the point cannot take that stone.
    return QStringLiteral(" Set Wrong!");
}

QString Win(std::uint8_t colour) {
    return QString::fromStdString(wuziqi::TGameBoard::ColourName(colour)) + QStringLiteral(" Win!");
}

QString WrongColour() {
    return QStringLiteral(" Type Error! ");
}

QString PatternMismatch(int count) {
    return QStringLiteral("Mach error!") + QString::number(count);
}

}  // namespace GameTexts
