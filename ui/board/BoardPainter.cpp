#include "BoardPainter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <algorithm>
#include <cstdlib>

#include "BoardPictures.h"
#include "CellState.h"

namespace {

// A line of pen width 2 along a row or a column, from its first point up to but not including
// its second, as the pixels it covers: the line's own row (column) and the one before it.
QRect WideLine(QPoint from, QPoint to) {
    if (from.y() == to.y()) {
        const int left = from.x() <= to.x() ? from.x() : to.x() + 1;
        return QRect(left, from.y() - 1, std::abs(to.x() - from.x()), 2);
    }
    const int top = from.y() <= to.y() ? from.y() : to.y() + 1;
    return QRect(from.x() - 1, top, 2, std::abs(to.y() - from.y()));
}

}  // namespace

BoardPainter::BoardPainter(QPainter& painter, const BoardGeometry& geometry,
                           const BoardPictures& pictures, qreal devicePixelRatio)
    : painter(painter),
      geometry(geometry),
      pictures(pictures),
      devicePixelRatio(devicePixelRatio) {}

void BoardPainter::Paint(const BoardScene& scene, wuziqi::BoardPoint pointer,
                         const QPalette& palette) {
    const QRect square = geometry.Square();
    const QImage& wood = pictures.Background(devicePixelRatio);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, devicePixelRatio > 1.0);
    if (wood.isNull())
        painter.fillRect(square, QColor(0xDC, 0xB3, 0x5C));
    else
        painter.drawImage(square, wood);
    painter.restore();
    if (geometry.IsEmpty()) return;

    // The markers go first, in exclusive-or with the wood; the grid and the stones cover them.
    DrawPointMarker(pointer.x, pointer.y, PointerMarkerColour);
    DrawPointMarker(scene.lastMove.x, scene.lastMove.y, LastMoveMarkerColour);
    DrawGrid();
    for (int i = 1; i <= 15; ++i) {
        for (int j = 1; j <= 15; ++j) {
            const wuziqi::CellState cell = scene.At(i, j);
            if (cell == wuziqi::Black || cell == wuziqi::White) DrawStone(i, j, cell);
        }
    }
    if (scene.showMoveNumbers) {
        // Only the moves on the board: those stepped back over are not numbered.
        int n = 0;
        for (const wuziqi::BoardPoint move : scene.played)
            DrawMoveNumber(move.x, move.y, ++n, palette.color(QPalette::WindowText));
    }
    for (const wuziqi::FiveLine& line : scene.fives)
        DrawFiveLine(line);
    if (scene.hint) DrawHintMarker(*scene.hint);
    std::uint8_t colour = scene.lineColour;
    for (std::size_t i = 0; i < scene.line.size(); ++i) {
        DrawLineStone(scene.line[i], colour, static_cast<int>(i) + 1);
        colour = wuziqi::Opponent(colour);
    }
}

void BoardPainter::DrawPointMarker(int column, int row, QRgb colour) {
    const QRect square = geometry.PointSquare(column, row);
    const int a = geometry.cell / 4;
    const int left = square.left();
    const int top = square.top();
    const int right = left + geometry.cell - 2;
    const int bottom = top + geometry.cell - 2;

    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QColor pen = QColor::fromRgb(colour);
    // Each vertical arm starts one pixel off its corner, so the two arms do not share it.
    painter.fillRect(WideLine({left, top}, {left + a, top}), pen);
    painter.fillRect(WideLine({left, top + 1}, {left, top + a}), pen);
    painter.fillRect(WideLine({right, top}, {right - a, top}), pen);
    painter.fillRect(WideLine({right, top + 1}, {right, top + a}), pen);
    painter.fillRect(WideLine({left, bottom}, {left + a, bottom}), pen);
    painter.fillRect(WideLine({left, bottom - 1}, {left, bottom - a}), pen);
    painter.fillRect(WideLine({right, bottom}, {right - a, bottom}), pen);
    painter.fillRect(WideLine({right, bottom - 1}, {right, bottom - a}), pen);
    painter.restore();
}

void BoardPainter::DrawGrid() {
    const int c = geometry.cell;
    const QPoint o = geometry.origin;
    for (int k = 1; k <= 15; ++k)
        painter.fillRect(o.x() + k * c, o.y() + c, 1, 14 * c, Qt::black);
    for (int k = 1; k <= 15; ++k)
        painter.fillRect(o.x() + c, o.y() + k * c, 14 * c, 1, Qt::black);
    const QPoint lo = o + QPoint(c - 4, c - 4);
    const QPoint hi = o + QPoint(15 * c + 4, 15 * c + 4);
    painter.fillRect(WideLine({lo.x(), lo.y() - 1}, {lo.x(), hi.y()}), Qt::black);
    painter.fillRect(WideLine({hi.x(), lo.y()}, {hi.x(), hi.y()}), Qt::black);
    painter.fillRect(WideLine({lo.x(), lo.y()}, {hi.x(), lo.y()}), Qt::black);
    painter.fillRect(WideLine({lo.x(), hi.y()}, {hi.x(), hi.y()}), Qt::black);
}

void BoardPainter::DrawStone(int column, int row, std::uint8_t colour) {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(geometry.PointSquare(column, row), pictures.Stone(colour, devicePixelRatio));
    painter.restore();
}

void BoardPainter::DrawMoveNumber(int column, int row, int number, const QColor& textColour) {
    const QString text = QString::number(number);
    const QFontMetrics metrics(painter.font());
    const QRect box(geometry.Crossing(column, row) - QPoint(5, 5),
                    QSize(metrics.horizontalAdvance(text), metrics.height()));
    painter.fillRect(box, Qt::white);
    painter.setPen(textColour);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
}

void BoardPainter::DrawFiveLine(const wuziqi::FiveLine& line) {
    // A bold stroke from the first stone's centre to the last one's, over stones and numbers.
    QPen pen(QColor::fromRgba(FiveLineColour), std::max(3, geometry.cell / 6));
    pen.setCapStyle(Qt::RoundCap);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    painter.drawLine(geometry.Crossing(line.first.x, line.first.y),
                     geometry.Crossing(line.last.x, line.last.y));
    painter.restore();
}

void BoardPainter::DrawHintMarker(wuziqi::BoardPoint point) {
    // A ring with a dot in the middle: unlike the corner brackets of the two markers, and it
    // leaves the grid crossing readable.
    const QPointF centre = geometry.Crossing(point.x, point.y);
    const qreal radius = (geometry.cell - 2) * 0.35;
    const QColor colour = QColor::fromRgba(HintMarkerColour);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, std::max(2, geometry.cell / 10)));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius / 3, radius / 3);
    painter.restore();
}

void BoardPainter::DrawLineStone(wuziqi::BoardPoint point, std::uint8_t colour, int number) {
    // The wood and the grid show through the stone, so it never passes for one played; the
    // number is opaque, in the colour that stands out on the stone.
    painter.save();
    painter.setOpacity(LineStoneOpacity);
    DrawStone(point.x, point.y, colour);
    painter.setOpacity(1.0);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(8, geometry.cell * 9 / 20));
    painter.setFont(font);
    painter.setPen(colour == wuziqi::Black ? Qt::white : Qt::black);
    painter.drawText(geometry.PointSquare(point.x, point.y), Qt::AlignCenter,
                     QString::number(number));
    painter.restore();
}
