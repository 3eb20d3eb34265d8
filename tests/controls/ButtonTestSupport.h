#pragma once

// Helpers shared by the button tests: a fixed palette, rendering to an image and pointing the
// (headless) mouse pointer.

#include <QCoreApplication>
#include <QCursor>
#include <QImage>
#include <QPalette>
#include <QTest>
#include <QWidget>
#include <vector>

#include "XPButton.h"

namespace wuziqi::testing {

// The classic Windows button colours, so that system colours give known pixels.
inline QPalette ClassicPalette() {
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(212, 208, 200));
    palette.setColor(QPalette::Light, QColor(255, 255, 255));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::WindowText, QColor(0, 0, 0));
    palette.setColor(QPalette::Window, QColor(212, 208, 200));
    return palette;
}

inline constexpr QRgb kButtonFace = 0xFFD4D0C8;
inline constexpr QRgb kHighlight = 0xFFFFFFFF;
inline constexpr QRgb kShadow = 0xFF808080;
inline constexpr QRgb kText = 0xFF000000;

inline QImage Render(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline QRgb Grey(int level) {
    return qRgb(level, level, level);
}

// A caption font drawn without smoothing, so that text pixels are exactly the text colour.
inline void UseCrispFont(QWidget* widget, int pixelSize = 12) {
    QFont font = widget->font();
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    widget->setFont(font);
}

// The toolbar's restart button: 100 x 22, classic colours.
inline TXPButton* MakeToolbarButton(QWidget* parent = nullptr) {
    auto* button = new TXPButton(parent);
    button->resize(100, 22);
    button->setPalette(ClassicPalette());
    button->SetCaption(QStringLiteral("重新开局游戏"));
    UseCrispFont(button);
    return button;
}

// The pixels of an image that have exactly the given colour.
inline std::vector<QPoint> PixelsOf(const QImage& image, QRgb color) {
    std::vector<QPoint> points;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == color) points.emplace_back(x, y);
        }
    }
    return points;
}

inline QRect BoundsOf(const std::vector<QPoint>& points) {
    QRect bounds;
    for (const QPoint& p : points)
        bounds |= QRect(p, QSize(1, 1));
    return bounds;
}

// Moves the headless pointer to a point of the widget and lets the move arrive.
inline void PointAt(QWidget* widget, QPoint local) {
    const QPoint global = widget->mapToGlobal(local);
    // Setting the pointer where it already is sends no move, and a new window may lie there.
    if (QCursor::pos() == global) QCursor::setPos(global + QPoint(0, 1));
    QCursor::setPos(global);
    QCoreApplication::processEvents();
}

}  // namespace wuziqi::testing
