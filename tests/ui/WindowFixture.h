#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPoint>
#include <QTest>
#include <memory>

#include "BoardImage.h"
#include "MainForm.h"
#include "RecordingReporter.h"

// A shown main window whose model messages go to a recorder, never to a box, with helpers that
// click and move the real mouse over the board image at the pixels of board points.
struct ShownWindow {
    ShownWindow() : form(std::make_unique<TForm1>()) {
        form->SetMessageRecorder(&reporter);
        form->show();
        image = form->findChild<BoardImage*>(QStringLiteral("Image1"));
    }

    QAction* Action(const char* name) const {
        return form->findChild<QAction*>(QString::fromLatin1(name));
    }

    QPoint PixelOf(int column, int row) const {
        return QPoint(column * form->CellSize, row * form->CellSize);
    }

    void ClickPixel(QPoint pixel) { QTest::mouseClick(image, Qt::LeftButton, {}, pixel); }
    void Click(int column, int row) { ClickPixel(PixelOf(column, row)); }
    // A pointer movement with no button held, delivered to the image as the window system would.
    void MoveTo(QPoint pixel) {
        QMouseEvent move(QEvent::MouseMove, pixel, image->mapToGlobal(pixel), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(image, &move);
    }

    wuziqi::testing::RecordingReporter reporter;
    std::unique_ptr<TForm1> form;
    BoardImage* image = nullptr;
};
