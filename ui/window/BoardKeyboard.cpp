// Playing from the keyboard, and the commands' shortcuts. The pointer marker doubles as the
// board cursor: the arrow keys move it, Home brings it back to the centre, and Enter or Space
// plays on it exactly as a click there would. The keys reach the board whenever the focused
// control has no use for them; a focused button keeps Enter and Space, as buttons do.
#include <QAction>
#include <QFrame>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTextBrowser>
#include <algorithm>

#include "BoardImage.h"
#include "CellState.h"
#include "MainForm.h"
#include "StepForwardKeys.h"
#include "XPButton.h"
#include "ui_MainForm.h"

namespace {

constexpr wuziqi::BoardPoint Centre{8, 8};

}  // namespace

void TForm1::SetUpKeyboard() {
    ui->Action1->setShortcuts(QKeySequence::New);
    ui->Action7->setShortcuts(QKeySequence::Open);
    ui->Action6->setShortcuts(QKeySequence::Save);
    ui->Action4->setShortcuts(QKeySequence::Undo);
    ui->Action5->setShortcuts(StepForwardKeys(QKeySequence::keyBindings(QKeySequence::Redo)));
    ui->Action2->setShortcuts(QKeySequence::Quit);
    // Some platforms bind nothing to Quit; the exit command still gets the usual key.
    if (ui->Action2->shortcuts().isEmpty())
        ui->Action2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    ui->Action3->setShortcut(QKeySequence(Qt::Key_F1));

    // The board takes the focus when it is clicked, so Enter and Space play after a click on
    // the board rather than press the button clicked before; the start page never takes it.
    ui->Image1->setFocusPolicy(Qt::StrongFocus);
    WebBrowser1->setFocusPolicy(Qt::NoFocus);
    // While the start panel shows, Enter and Space press its start button; once either
    // button has done its work, the keys go to the board again.
    XPButton2->setFocus();
    for (wuziqi::TXPButton* button : {XPButton1, XPButton2}) {
        connect(button, &wuziqi::TXPButton::OnClick, ui->Image1,
                [image = ui->Image1] { image->setFocus(Qt::OtherFocusReason); });
    }
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    // Under the start panel a stone would go where the person cannot see it.
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || Panel3->isVisible()) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    const wuziqi::BoardPoint cursor = HoverPoint;
    switch (event->key()) {
        case Qt::Key_Left: MoveCursorTo({cursor.x - 1, cursor.y}); break;
        case Qt::Key_Right: MoveCursorTo({cursor.x + 1, cursor.y}); break;
        case Qt::Key_Up: MoveCursorTo({cursor.x, cursor.y - 1}); break;
        case Qt::Key_Down: MoveCursorTo({cursor.x, cursor.y + 1}); break;
        case Qt::Key_Home: MoveCursorTo(Centre); break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space: {
            // A held key plays once: its repeats would only hit the stone just placed.
            if (event->isAutoRepeat()) break;
            const QPoint pixel = ui->Image1->Geometry().Crossing(cursor.x, cursor.y);
            Image1MouseDown(pixel.x(), pixel.y());
            break;
        }
        default: QMainWindow::keyPressEvent(event); return;
    }
    event->accept();
}

void TForm1::MoveCursorTo(wuziqi::BoardPoint point) {
    // The cursor stops at the edges of the board; it moves as the pointer does.
    const QPoint pixel = ui->Image1->Geometry().Crossing(std::clamp(point.x, 1, wuziqi::BoardSize),
                                                         std::clamp(point.y, 1, wuziqi::BoardSize));
    Image1MouseMove(pixel.x(), pixel.y());
}
