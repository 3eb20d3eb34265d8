#pragma once

#include <QColor>

#include "BoardGeometry.h"
#include "BoardScene.h"

class BoardPictures;
class QPainter;
class QPalette;

// Draws a whole board scene: the wood stretched over the board square, the pointer and
// last-move markers in exclusive-or with the wood, the grid and its frame, the stones and the
// move numbers, in that order; then what only some scenes hold: the mark through each line of
// five, the hint marker and the numbered half-transparent stones of a forced line. The painter may
// be scaled for a high-density screen: every coordinate is logical, and the pictures are picked for
// the painter's device pixel ratio.
class BoardPainter {
  public:
    static constexpr QRgb PointerMarkerColour = 0xFFFF0000;
    static constexpr QRgb LastMoveMarkerColour = 0xFF008000;
    static constexpr QRgb FiveLineColour = 0xDCE00000;  // red, a little translucent
    static constexpr QRgb HintMarkerColour = 0xFF0066FF;
    static constexpr qreal LineStoneOpacity = 0.5;

    BoardPainter(QPainter& painter, const BoardGeometry& geometry, const BoardPictures& pictures,
                 qreal devicePixelRatio);

    void Paint(const BoardScene& scene, wuziqi::BoardPoint pointer, const QPalette& palette);

    // The four corner brackets of a point in exclusive-or mode: drawing it twice restores
    // the picture.
    void DrawPointMarker(int column, int row, QRgb colour);

  private:
    void DrawGrid();
    void DrawStone(int column, int row, std::uint8_t colour);
    void DrawMoveNumber(int column, int row, int number, const QColor& textColour);
    void DrawFiveLine(const wuziqi::FiveLine& line);
    void DrawHintMarker(wuziqi::BoardPoint point);
    void DrawLineStone(wuziqi::BoardPoint point, std::uint8_t colour, int number);

    QPainter& painter;
    BoardGeometry geometry;
    const BoardPictures& pictures;
    qreal devicePixelRatio;
};
