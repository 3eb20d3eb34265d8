#pragma once

#include <QImage>
#include <QWidget>

// The board image Image1: shows one picture at its top-left corner and reports presses and
// pointer movements in its own pixel coordinates. The pointer is tracked without a button held.
class BoardImage : public QWidget {
    Q_OBJECT

  public:
    explicit BoardImage(QWidget* parent = nullptr);

    QImage& Picture() { return picture; }
    const QImage& Picture() const { return picture; }
    void SetPicture(QImage image);

  signals:
    void MousePressed(int x, int y);
    void MouseMoved(int x, int y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QImage picture;
};
