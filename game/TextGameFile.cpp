#include "TextGameFile.h"

#include <utility>

namespace wuziqi {

bool MoveCollector::Add(int x, int y, std::string_view spelling) {
    if (Refused()) return false;
    if (!InRange(x, 1, BoardSize) || !InRange(y, 1, BoardSize)) {
        Refuse(GameFileProblem::MoveOffBoard, std::string(spelling));
        return false;
    }
    if (taken[x][y]) {
        Refuse(GameFileProblem::PointTaken, std::string(spelling));
        return false;
    }
    taken[x][y] = true;
    result.moves.push_back({static_cast<std::int8_t>(x), static_cast<std::int8_t>(y)});
    return true;
}

void MoveCollector::Refuse(GameFileProblem problem, std::string value, bool namesMove) {
    if (Refused()) return;
    result.problem = problem;
    result.move = namesMove ? Count() : -1;
    result.value = std::move(value);
}

TextGameFile MoveCollector::Finish() {
    if (Refused()) result.moves.clear();
    return std::move(result);
}

}  // namespace wuziqi
