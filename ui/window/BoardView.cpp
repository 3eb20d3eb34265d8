// The board view: the scene the board image paints (stones, markers, move numbers), the
// pixel-to-point mapping and the pointer tracking. The image repaints from the game state;
// nothing is kept in step by hand.
#include <QAction>
#include <QLabel>
#include <utility>

#include "BoardImage.h"
#include "FiveLines.h"
#include "GameBoard.h"
#include "MainForm.h"
#include "ui_MainForm.h"

BoardScene TForm1::Scene() const {
    BoardScene scene;
    scene.board = GameBoard.get();
    scene.record = GameState.get();
    scene.hover = HoverPoint;
    scene.showMoveNumbers = ShowMoveNumbers;
    scene.fives = wuziqi::FindFiveLines(*GameBoard);
    scene.hint = HintPoint;
    if (const ProvedWin* proof = ShownProof(); proof && proof->lineShown) {
        ProvedWin::Ahead ahead = proof->LineAhead();
        scene.line = std::move(ahead.moves);
        scene.lineColour = ahead.colour;
    }
    return scene;
}

QImage TForm1::Picture(qreal devicePixelRatio) const {
    return ui->Image1->Render(devicePixelRatio);
}

void TForm1::RedrawBoard() {
    CellSize = ui->Image1->Geometry().cell;
    ui->Image1->UpdateAll();
}

void TForm1::UpdatePoint(wuziqi::BoardPoint point) {
    ui->Image1->UpdatePoint(point.x, point.y);
}

QRect TForm1::StoneRect(int column, int row) const {
    return ui->Image1->Geometry().PointSquare(column, row);
}

bool TForm1::PixelToPoint(int x, int y, int& column, int& row) const {
    return ui->Image1->Geometry().PixelToPoint(QPoint(x, y), column, row);
}

void TForm1::Image1MouseMove(int x, int y) {
    int column = 0;
    int row = 0;
    if (!PixelToPoint(x, y, column, row)) return;
    if (wuziqi::BoardPoint{column, row} != HoverPoint) {
        UpdatePoint(HoverPoint);
        HoverPoint = wuziqi::BoardPoint{column, row};
        UpdatePoint(HoverPoint);
    }
    StatusPanels[1]->setText(QStringLiteral("%1 : %2").arg(column).arg(row));
}

void TForm1::FormResize() {
    // The board image takes whatever room the window gives it and centres the board there;
    // only the cell size follows.
    RedrawBoard();
}

void TForm1::N8Click() {
    ShowMoveNumbers = ui->N8->isChecked();  // the item has flipped its own check mark
    RedrawBoard();
}
