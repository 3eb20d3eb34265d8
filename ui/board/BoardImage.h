#pragma once

#include <QImage>
#include <QWidget>
#include <memory>

#include "BoardGeometry.h"
#include "BoardPainter.h"
#include "BoardScene.h"

class BoardPictures;
class QKeyEvent;

// The board image Image1: paints the scene it is given, at the screen's own pixel density, as
// a square of 16 cells centred in whatever room it has, with its own pointer marker over it.
// It reports board points, never pixels: a press on a point, and the pointer marker reaching
// a point, whether the mouse moved it (tracked without a button held) or the keyboard did.
class BoardImage : public QWidget {
    Q_OBJECT

  public:
    // The smallest cell the board is drawn with: below it stones and numbers are unreadable.
    static constexpr int SmallestCell = 12;
    static constexpr QRgb PointerMarkerColour = BoardPainter::PointerMarkerColour;
    static constexpr QRgb LastMoveMarkerColour = BoardPainter::LastMoveMarkerColour;

    explicit BoardImage(QWidget* parent = nullptr);
    ~BoardImage() override;

    void SetScene(BoardScene scene);
    const BoardScene& Scene() const { return scene; }
    // Where the board lies in the widget as it is sized now.
    BoardGeometry Geometry() const { return BoardGeometry::Fit(size()); }
    // The pointer marker, which doubles as the keyboard's cursor.
    wuziqi::BoardPoint Pointer() const { return pointer; }

    // Keyboard play: the arrow keys move the cursor, stopping at the edges, Home brings it back
    // to the centre, and Enter or Space choose its point as a click there would. False for any
    // other key, which is left to whoever gets it next.
    bool PlayKey(QKeyEvent* event);

    // The picture as it is painted on screen, at the given device pixel ratio.
    QImage Render(qreal devicePixelRatio = 1.0) const;

  signals:
    void pointClicked(wuziqi::BoardPoint point);
    void pointerMoved(wuziqi::BoardPoint point);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void MovePointer(wuziqi::BoardPoint point);
    // Paints the part `area` of the widget into an image of its own: the exclusive-or markers
    // then always combine with plain opaque pixels, whatever the window system's surface is.
    QImage PaintArea(const QRect& area, qreal devicePixelRatio) const;

    BoardScene scene;
    wuziqi::BoardPoint pointer{3, 3};
    std::unique_ptr<BoardPictures> pictures;
};
