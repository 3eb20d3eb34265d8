#include "BoardImage.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "BoardPainter.h"
#include "BoardPictures.h"

BoardImage::BoardImage(QWidget* parent)
    : QWidget(parent), pictures(std::make_unique<BoardPictures>()) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    const int smallest = BoardGeometry::CellsAcross * SmallestCell;
    setMinimumSize(smallest, smallest);
}

BoardImage::~BoardImage() = default;

void BoardImage::UpdatePoint(int column, int row) {
    update(Geometry().PointArea(column, row));
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
    board.Paint(sceneSource ? sceneSource() : BoardScene{}, palette());
    return image;
}

void BoardImage::paintEvent(QPaintEvent* event) {
    const QRect area = event->rect();
    QPainter painter(this);
    painter.drawImage(area.topLeft(), PaintArea(area, devicePixelRatioF()));
}

void BoardImage::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit MousePressed(pos.x(), pos.y());
}

void BoardImage::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit MouseMoved(pos.x(), pos.y());
}
