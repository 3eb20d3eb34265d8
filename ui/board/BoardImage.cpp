#include "BoardImage.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "BoardPainter.h"
#include "BoardPictures.h"

namespace {

constexpr wuziqi::BoardPoint Centre{8, 8};

}  // namespace

BoardImage::BoardImage(QWidget* parent)
    : QWidget(parent), pictures(std::make_unique<BoardPictures>()) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    const int smallest = BoardGeometry::CellsAcross * SmallestCell;
    setMinimumSize(smallest, smallest);
}

BoardImage::~BoardImage() = default;

void BoardImage::SetScene(BoardScene next) {
    scene = std::move(next);
    update();
}

QImage BoardImage::Render(qreal devicePixelRatio) const {
    return PaintArea(rect(), devicePixelRatio);
}

QImage BoardImage::PaintArea(const QRect& area, qreal devicePixelRatio) const {
    QImage image((QSizeF(area.size()) * devicePixelRatio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&image);
    painter.translate(-area.topLeft());
    painter.fillRect(area, palette().window());
    BoardPainter board(painter, Geometry(), *pictures, devicePixelRatio);
    board.Paint(scene, pointer, palette());
    return image;
}

void BoardImage::paintEvent(QPaintEvent* event) {
    const QRect area = event->rect();
    QPainter painter(this);
    painter.drawImage(area.topLeft(), PaintArea(area, devicePixelRatioF()));
}

void BoardImage::mousePressEvent(QMouseEvent* event) {
    int column = 0;
    int row = 0;
    if (Geometry().PixelToPoint(event->position().toPoint(), column, row))
        emit pointClicked({column, row});
}

void BoardImage::mouseMoveEvent(QMouseEvent* event) {
    int column = 0;
    int row = 0;
    if (Geometry().PixelToPoint(event->position().toPoint(), column, row))
        MovePointer({column, row});
}

void BoardImage::MovePointer(wuziqi::BoardPoint point) {
    if (point != pointer) {
        const BoardGeometry geometry = Geometry();
        update(geometry.PointArea(pointer.x, pointer.y));
        pointer = point;
        update(geometry.PointArea(pointer.x, pointer.y));
    }
    emit pointerMoved(point);
}

bool BoardImage::PlayKey(QKeyEvent* event) {
    const auto clamped = [](int x, int y) {
        return wuziqi::BoardPoint{std::clamp(x, 1, wuziqi::BoardSize),
                                  std::clamp(y, 1, wuziqi::BoardSize)};
    };
    switch (event->key()) {
        case Qt::Key_Left: MovePointer(clamped(pointer.x - 1, pointer.y)); return true;
        case Qt::Key_Right: MovePointer(clamped(pointer.x + 1, pointer.y)); return true;
        case Qt::Key_Up: MovePointer(clamped(pointer.x, pointer.y - 1)); return true;
        case Qt::Key_Down: MovePointer(clamped(pointer.x, pointer.y + 1)); return true;
        case Qt::Key_Home: MovePointer(Centre); return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            // A held key plays once: its repeats would only hit the stone just placed.
            if (!event->isAutoRepeat()) emit pointClicked(pointer);
            return true;
        default: return false;
    }
}
