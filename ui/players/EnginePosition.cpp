#include "EnginePosition.h"

namespace {

using wuziqi::BoardSize;

int StonesOn(const wuziqi::TGameBoard& board) {
    int stones = 0;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            stones += board.Grid[x][y] != wuziqi::Empty;
    return stones;
}

}  // namespace

EnginePosition::EnginePosition() {
    Clear();
}

void EnginePosition::Clear() {
    for (auto& column : cells)
        for (auto& cell : column)
            cell = wuziqi::Empty;
    stones = 0;
}

bool EnginePosition::OneStoneBehind(const MoveRequest& request) const {
    const auto [lastX, lastY] = request.last;
    if (!IsEmpty() && engineColour != request.colour) return false;
    if (!wuziqi::InRange(lastX, 1, BoardSize) || !wuziqi::InRange(lastY, 1, BoardSize) ||
        cells[lastX][lastY] != wuziqi::Empty ||
        request.position.Grid[lastX][lastY] != wuziqi::Opponent(request.colour))
        return false;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if ((x != lastX || y != lastY) && cells[x][y] != request.position.Grid[x][y])
                return false;
    return true;
}

EnginePosition::Plan EnginePosition::PlanFor(const MoveRequest& request) const {
    if (OneStoneBehind(request)) return {false, Way::Turn};
    const Way way = StonesOn(request.position) == 0 ? Way::Begin : Way::Board;
    return {!IsEmpty(), way};
}

void EnginePosition::Told(const MoveRequest& request) {
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            cells[x][y] = request.position.Grid[x][y];
    stones = StonesOn(request.position);
    engineColour = request.colour;
}

void EnginePosition::Played(wuziqi::BoardPoint point, std::uint8_t colour) {
    cells[point.x][point.y] = static_cast<wuziqi::CellState>(colour);
    ++stones;
}

QString WirePoint(wuziqi::BoardPoint point) {
    return QStringLiteral("%1,%2").arg(point.x - 1).arg(point.y - 1);
}

QStringList BoardCommand(const MoveRequest& request) {
    QStringList lines{QStringLiteral("BOARD")};
    bool listed[BoardSize + 1][BoardSize + 1] = {};
    auto add = [&](int x, int y) {
        const wuziqi::CellState cell = request.position.Grid[x][y];
        if (listed[x][y] || (cell != wuziqi::Black && cell != wuziqi::White)) return;
        listed[x][y] = true;
        lines << QStringLiteral("%1,%2").arg(WirePoint({x, y})).arg(cell == request.colour ? 1 : 2);
    };
    // In the order played; the board is the truth, so a stone the list lacks still goes last.
    for (const wuziqi::MoveRecord& move : request.moves)
        if (wuziqi::InRange(move.x, 1, BoardSize) && wuziqi::InRange(move.y, 1, BoardSize))
            add(move.x, move.y);
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            add(x, y);
    lines << QStringLiteral("DONE");
    return lines;
}
