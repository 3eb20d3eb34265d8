#include "BoardGeometry.h"

#include <algorithm>

BoardGeometry BoardGeometry::Fit(QSize area) {
    BoardGeometry geometry;
    geometry.cell = std::max(0, std::min(area.width(), area.height()) / CellsAcross);
    const int side = CellsAcross * geometry.cell;
    geometry.origin = QPoint((area.width() - side) / 2, (area.height() - side) / 2);
    return geometry;
}

QRect BoardGeometry::PointSquare(int column, int row) const {
    const int h = cell / 2;
    return QRect(origin + QPoint(column * cell - h + 2, row * cell - h + 2),
                 QSize(cell - 2, cell - 2));
}

QRect BoardGeometry::PointArea(int column, int row) const {
    return QRect(Crossing(column, row) - QPoint(cell, cell), QSize(2 * cell, 2 * cell));
}

bool BoardGeometry::PixelToPoint(QPoint pixel, int& column, int& row) const {
    if (IsEmpty() || !Square().contains(pixel)) return false;
    const int h = cell / 2;
    const QPoint inSquare = pixel - origin;
    column = (inSquare.x() - h) / cell + 1;
    row = (inSquare.y() - h) / cell + 1;
    return column >= 1 && column <= 15 && row >= 1 && row <= 15;
}
