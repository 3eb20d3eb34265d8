#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

#include "BoardGeometry.h"
#include "BoardScene.h"

class BoardPictures;

// The board image Image1: paints the board scene it is given, at every paint and at the
// screen's own pixel density, as a square of 16 cells centred in whatever room it has, and
// reports presses and pointer movements in its own pixel coordinates. The pointer is tracked
// without a button held.
class BoardImage : public QWidget {
    Q_OBJECT

  public:
    // The smallest cell the board is drawn with: below it stones and numbers are unreadable.
    static constexpr int SmallestCell = 12;

    explicit BoardImage(QWidget* parent = nullptr);
    ~BoardImage() override;

    void SetScene(std::function<BoardScene()> source) { sceneSource = std::move(source); }
    BoardGeometry Geometry() const { return BoardGeometry::Fit(size()); }

    // Repaints one point's square, or everything.
    void UpdatePoint(int column, int row);
    void UpdateAll() { update(); }

    // The picture as it is painted on screen, at the given device pixel ratio.
    QImage Render(qreal devicePixelRatio = 1.0) const;

  signals:
    void MousePressed(int x, int y);
    void MouseMoved(int x, int y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    // Paints the part `area` of the widget into an image of its own: the exclusive-or markers
    // then always combine with plain opaque pixels, whatever the window system's surface is.
    QImage PaintArea(const QRect& area, qreal devicePixelRatio) const;

    std::function<BoardScene()> sceneSource;
    std::unique_ptr<BoardPictures> pictures;
};
