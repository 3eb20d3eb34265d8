#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPoint>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "BoardImage.h"
#include "GameSession.h"
#include "MainForm.h"

// The window's board widget, and the size of its cells as it is drawn now.
inline BoardImage* BoardOf(const TForm1& form) {
    return form.findChild<BoardImage*>(QStringLiteral("Image1"));
}
inline int CellOf(const TForm1& form) {
    return BoardOf(form)->Geometry().cell;
}

// The settings of a first start, kept in a folder of the test's own: never the person's, and
// never those another test left; or, for a window opened again, those the windows before it
// left.
struct FirstStartSettings {
    explicit FirstStartSettings(bool firstStart) {
        static QTemporaryDir folder;
        static const bool redirected = [] {
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
            QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
            return true;
        }();
        Q_UNUSED(redirected);
        if (firstStart) QSettings().clear();
    }
};

// A shown main window whose messages are recorded, never shown in a box, with helpers that
// click and move the real mouse over the board image at the pixels of board points. A click
// returns once the computer's answer to it, if any, is on the board.
struct ShownWindow {
    enum Start { FirstStart, OpenedAgain };

    explicit ShownWindow(Start start = FirstStart)
        : firstStart(start == FirstStart), form(std::make_unique<TForm1>()) {
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
    void WaitForComputer() { QTRY_VERIFY_WITH_TIMEOUT(!form->Session().OpponentThinking(), 60000); }
    void Click(int column, int row) { ClickPixel(PixelOf(column, row)); }
    // A pointer movement with no button held, delivered to the image as the window system would.
    void MoveTo(QPoint pixel) {
        QMouseEvent move(QEvent::MouseMove, pixel, image->mapToGlobal(pixel), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(image, &move);
    }

    FirstStartSettings firstStart;      // before the window, which reads them
    std::vector<std::string> messages;  // in the order shown
    std::unique_ptr<TForm1> form;
    BoardImage* image = nullptr;
};
