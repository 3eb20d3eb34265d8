#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the board lies in the board image: a square of 16 cells of CellSize pixels, centred in
// the image, grid line k (1..15) one cell per step from the square's corner. At the window's
// first size the square fills the image exactly.
struct BoardGeometry {
    static constexpr int CellsAcross = 16;  // 14 cells between the outer lines, a margin of one

    QPoint origin;  // top-left corner of the square
    int cell = 0;   // CellSize

    // The largest square of 16 whole cells that fits the area, centred in it.
    static BoardGeometry Fit(QSize area);

    bool IsEmpty() const { return cell <= 0; }
    QRect Square() const { return {origin, QSize(CellsAcross * cell, CellsAcross * cell)}; }
    // The pixel of a point's grid crossing.
    QPoint Crossing(int column, int row) const {
        return origin + QPoint(column * cell, row * cell);
    }
    // The point square the markers are drawn on and the stone fills (StoneRect).
    QRect PointSquare(int column, int row) const;
    // The pixels a point's drawing may touch: its stone, markers and move number.
    QRect PointArea(int column, int row) const;

    // The board point under a pixel of the image, or false outside the 15 x 15 points. Inside
    // the square, division truncates toward zero, so the first point of each axis also takes
    // the margin before the first grid line.
    bool PixelToPoint(QPoint pixel, int& column, int& row) const;
};
