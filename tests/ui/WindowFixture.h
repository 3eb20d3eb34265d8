#pragma once

#include <QAction>
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
    void MoveTo(QPoint pixel) { QTest::mouseMove(image, pixel); }

    wuziqi::testing::RecordingReporter reporter;
    std::unique_ptr<TForm1> form;
    BoardImage* image = nullptr;
};
