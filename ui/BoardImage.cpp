#include "BoardImage.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

BoardImage::BoardImage(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardImage::SetPicture(QImage image) {
    picture = std::move(image);
    update();
}

void BoardImage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    painter.drawImage(event->rect().topLeft(), picture, event->rect());
}

void BoardImage::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit MousePressed(pos.x(), pos.y());
}

void BoardImage::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit MouseMoved(pos.x(), pos.y());
}
