// The board view: drawing the board into Image1, the two point markers in exclusive-or mode,
// the stones and move numbers, the pixel-to-point mapping, and fitting the window so the board
// image is a square of 16 cells.
#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "GameBoard.h"
#include "MainForm.h"
#include "ui_MainForm.h"

namespace {

// 14 cells between the outer grid lines and a margin of one cell on every side.
constexpr int CellsAcross = 16;

// A copy of a stone bitmap in which every pixel of the background colour (the colour of the
// lower-left pixel) is transparent.
QImage WithTransparentBackground(const QImage& bitmap) {
    if (bitmap.isNull()) return bitmap;
    QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb background = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == background) line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return image;
}

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

void TForm1::LoadBitmaps() {
    BoardBackground = QImage(QStringLiteral(":/qipan")).convertToFormat(QImage::Format_RGB32);
    WhiteStone = WithTransparentBackground(QImage(QStringLiteral(":/whitechess")));
    BlackStone = WithTransparentBackground(QImage(QStringLiteral(":/Blackchess")));
}

void TForm1::RedrawBoard() {
    const QSize size = ui->Image1->size();
    CellSize = std::min(size.width() / CellsAcross, size.height() / CellsAcross);
    if (size.isEmpty()) return;

    QImage picture(size, QImage::Format_RGB32);
    {
        QPainter painter(&picture);
        if (BoardBackground.isNull()) {
            painter.fillRect(picture.rect(), QColor(0xDC, 0xB3, 0x5C));
        } else {
            painter.drawImage(picture.rect(), BoardBackground);
        }
    }
    ui->Image1->Picture() = std::move(picture);

    // Markers first and in exclusive-or mode, so drawing either again later removes it.
    DrawPointMarker(HoverPoint.x, HoverPoint.y, PointerMarkerColour);
    DrawPointMarker(GameState->LastMove.x, GameState->LastMove.y, LastMoveMarkerColour);

    const int c = CellSize;
    {
        QPainter painter(&ui->Image1->Picture());
        for (int k = 1; k <= 15; ++k)
            painter.fillRect(k * c, c, 1, 14 * c, Qt::black);
        for (int k = 1; k <= 15; ++k)
            painter.fillRect(c, k * c, 14 * c, 1, Qt::black);
        painter.fillRect(WideLine({c - 4, c - 5}, {c - 4, 15 * c + 4}), Qt::black);
        painter.fillRect(WideLine({15 * c + 4, c - 4}, {15 * c + 4, 15 * c + 4}), Qt::black);
        painter.fillRect(WideLine({c - 4, c - 4}, {15 * c + 4, c - 4}), Qt::black);
        painter.fillRect(WideLine({c - 4, 15 * c + 4}, {15 * c + 4, 15 * c + 4}), Qt::black);
    }
    for (int i = 1; i <= 15; ++i) {
        for (int j = 1; j <= 15; ++j) {
            const wuziqi::CellState cell = GameBoard->GetCell(i, j);
            if (cell == wuziqi::Black || cell == wuziqi::White) DrawStone(i, j, cell);
        }
    }
    if (ShowMoveNumbers) {
        const auto& history = GameState->MoveHistory;
        for (int n = 1; n <= GameState->HistoryCursor; ++n) {
            const wuziqi::MoveRecord& move = history[static_cast<std::size_t>(n - 1)];
            DrawMoveNumber(move.x, move.y, n);
        }
    }
    ui->Image1->update();
}

void TForm1::DrawPointMarker(int column, int row, QRgb colour) {
    QImage& picture = ui->Image1->Picture();
    if (picture.isNull()) return;
    const int c = CellSize;
    const int h = c / 2;
    const int a = c / 4;
    const int left = column * c - h + 2;
    const int top = row * c - h + 2;
    const int right = left + c - 2;
    const int bottom = top + c - 2;

    QPainter painter(&picture);
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
    painter.end();
    RepaintPoint(column, row);
}

QRect TForm1::StoneRect(int column, int row) const {
    const int c = CellSize;
    const int h = c / 2;
    return QRect(column * c - h + 2, row * c - h + 2, c - 2, c - 2);
}

bool TForm1::PixelToPoint(int x, int y, int& column, int& row) const {
    const int c = CellSize;
    if (c <= 0) return false;
    const int h = c / 2;
    // Division truncates toward zero, so the first point also takes the whole margin.
    column = (x - h) / c + 1;
    row = (y - h) / c + 1;
    return wuziqi::InRange(column, 1, 15) && wuziqi::InRange(row, 1, 15);
}

void TForm1::DrawStone(int column, int row, std::uint8_t colour) {
    QImage& picture = ui->Image1->Picture();
    if (picture.isNull()) return;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(StoneRect(column, row), colour == wuziqi::Black ? BlackStone : WhiteStone);
    painter.end();
    RepaintPoint(column, row);
}

void TForm1::DrawMoveNumber(int column, int row, int number) {
    QImage& picture = ui->Image1->Picture();
    if (picture.isNull()) return;
    const QString text = QString::number(number);
    QPainter painter(&picture);
    const QFontMetrics metrics(painter.font());
    const QRect box(QPoint(column * CellSize - 5, row * CellSize - 5),
                    QSize(metrics.horizontalAdvance(text), metrics.height()));
    painter.fillRect(box, Qt::white);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
    painter.end();
    ui->Image1->update(box);
}

void TForm1::RepaintPoint(int column, int row) {
    const int c = CellSize;
    ui->Image1->update(QRect(column * c - c, row * c - c, 2 * c, 2 * c));
}

void TForm1::Image1MouseMove(int x, int y) {
    int column = 0;
    int row = 0;
    if (!PixelToPoint(x, y, column, row)) return;
    if (wuziqi::BoardPoint{column, row} != HoverPoint) {
        DrawPointMarker(HoverPoint.x, HoverPoint.y, PointerMarkerColour);
        DrawPointMarker(column, row, PointerMarkerColour);
        HoverPoint = wuziqi::BoardPoint{column, row};
    }
    StatusPanels[1]->setText(QStringLiteral("%1 : %2").arg(column).arg(row));
}

void TForm1::FormResize() {
    if (!GameState) return;
    auto image = [this] { return ui->Image1->size(); };
    const int frameWidth = frameGeometry().width() - width();
    const int frameHeight = frameGeometry().height() - height();

    // Every resize below runs this fit again, nested, before it returns; the outer run then
    // carries on with the sizes the nested runs left.
    if (image().width() / CellsAcross < 5) resize(175 - frameWidth, height());
    if (image().height() / CellsAcross < 5) resize(width(), 175 - frameHeight);
    if (image().width() % CellsAcross > 0)
        resize(width() - image().width() % CellsAcross, height());
    if (image().height() % CellsAcross > 0) {
        resize(width(), height() - image().height() % CellsAcross);
    }
    const QSize fitted = image();
    if (fitted.height() < fitted.width()) {
        resize(width() - (fitted.width() - fitted.height()), height());
    } else if (fitted.width() < fitted.height()) {
        resize(width(), height() - (fitted.height() - fitted.width()));
    }
    // Normally the image is square now. A window the window system keeps at its size (tiled,
    // maximised, at its minimum) cannot be fitted; the board is still drawn, in its top-left.
    RedrawBoard();
}

void TForm1::N8Click() {
    ShowMoveNumbers = ui->N8->isChecked();  // the item has flipped its own check mark
    RedrawBoard();
}
