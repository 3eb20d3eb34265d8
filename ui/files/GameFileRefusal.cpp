#include "GameFileRefusal.h"

#include <QCoreApplication>

#include "GameTexts.h"

namespace {

// The texts' context in the translations.
struct Translated {
    Q_DECLARE_TR_FUNCTIONS(GameFileRefusal)
};

QString Reason(const wuziqi::TextGameFile& file) {
    using wuziqi::GameFileProblem;
    const QString move = QString::number(file.move + 1);
    const QString value = QString::fromStdString(file.value);
    switch (file.problem) {
        case GameFileProblem::None: return {};
        case GameFileProblem::TooLarge:
            return Translated::tr("文件超过了棋谱文件的大小上限（%1 KB）。")
                .arg(wuziqi::LargestTextGameFile / 1024);
        case GameFileProblem::NotPsq:
            return Translated::tr("第一行不是 .psq 棋谱的开头“Piskvorky 15x15, …”。");
        case GameFileProblem::NotSgf: return Translated::tr("文件不是以 SGF 棋谱的“(;”开头。");
        case GameFileProblem::BrokenSgf:
            return Translated::tr("SGF 棋谱的格式在第 %1 个字节处有误。").arg(file.offset + 1);
        case GameFileProblem::WrongSize:
            return Translated::tr("棋盘大小是 %1，这里只能下 15×15 的棋盘。").arg(value);
        case GameFileProblem::NotGomoku:
            if (value.isEmpty())
                return Translated::tr(
                    "SGF 棋谱没有写明 GM[4]（五子棋）；没有 GM 的 SGF 是围棋棋谱。");
            return Translated::tr("SGF 棋谱的游戏类型是 GM[%1]，不是五子棋 GM[4]。").arg(value);
        case GameFileProblem::SetupStones:
            return Translated::tr("SGF 棋谱用 %1 摆放了棋子；这里的棋局只能从空棋盘一步步下出来。")
                .arg(value);
        case GameFileProblem::MoveOffBoard:
            return Translated::tr("第 %1 步（%2）不在棋盘上。").arg(move, value);
        case GameFileProblem::PointTaken:
            return Translated::tr("第 %1 步（%2）落在已有棋子的位置上。").arg(move, value);
        case GameFileProblem::WrongColour:
            return Translated::tr("第 %1 步应由%2走，文件中却是%3。")
                .arg(move, file.move % 2 == 0 ? Translated::tr("黑方") : Translated::tr("白方"),
                     file.move % 2 == 0 ? Translated::tr("白方") : Translated::tr("黑方"));
        case GameFileProblem::Pass:
            return Translated::tr("第 %1 步是停一手（弃权），五子棋没有这样的一步。").arg(move);
    }
    return {};
}

}  // namespace

QString DescribeRefusal(const wuziqi::TextGameFile& file) {
    // The same title as a refused .wzq file.
    return GameTexts::RefusedFileTitle() + QLatin1Char('\n') + Reason(file);
}

QString DescribeUnknownGameFile() {
    using wuziqi::GameFileProblem;
    const auto notOne = [](const char* suffix, const QString& reason) {
        return QLatin1Char('\n') + Translated::tr("不是 %1：%2").arg(QLatin1String(suffix), reason);
    };
    wuziqi::TextGameFile notPsq, notSgf;
    notPsq.problem = GameFileProblem::NotPsq;
    notSgf.problem = GameFileProblem::NotSgf;
    return GameTexts::RefusedFileTitle() +
           notOne(".wzq", GameTexts::SavedGameReason(wuziqi::SavedGameError::NotABoardFile)) +
           notOne(".psq", Reason(notPsq)) + notOne(".sgf", Reason(notSgf));
}
