#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPoint>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "BoardImage.h"
#include "MainForm.h"

// A shown main window whose messages are recorded, never shown in a box, with helpers that
// click and move the real mouse over the board image at the pixels of board points. A click
// returns once the computer's answer to it, if any, is on the board.
struct ShownWindow {
    ShownWindow() : form(std::make_unique<TForm1>()) {
        form->SetMessageRecorder(
            [this](const QString& text) { messages.push_back(text.toStdString()); });
        form->show();
        image = form->findChild<BoardImage*>(QStringLiteral("Image1"));
    }

    QAction* Action(const char* name) const {
        return form->findChild<QAction*>(QString::fromLatin1(name));
    }

    QPoint PixelOf(int column, int row) const { return image->Geometry().Crossing(column, row); }

    void ClickPixel(QPoint pixel) {
        QTest::mouseClick(image, Qt::LeftButton, {}, pixel);
        WaitForComputer();
    }
    void WaitForComputer() { QTRY_VERIFY_WITH_TIMEOUT(!form->ComputerThinking(), 60000); }
    void Click(int column, int row) { ClickPixel(PixelOf(column, row)); }
    // A pointer movement with no button held, delivered to the image as the window system would.
    void MoveTo(QPoint pixel) {
        QMouseEvent move(QEvent::MouseMove, pixel, image->mapToGlobal(pixel), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(image, &move);
    }

    std::vector<std::string> messages;  // in the order shown
    std::unique_ptr<TForm1> form;
    BoardImage* image = nullptr;
};
