// The main window's size and place: at first a board of 464 x 464 pixels (16 cells of 29), inside
// the screen's available area and centred there, never larger than it; and a minimum size that
// keeps the board usable and the toolbar's row whole.
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

#include "BoardImage.h"
#include "MainForm.h"
#include "ui_MainForm.h"

namespace {

constexpr int FirstBoardSide = 464;
constexpr int BevelsAroundImage = 12;  // three 2-pixel bevels on each side
// The toolbar's row ends with the restart button at 221 + 100 pixels.
constexpr int ToolBarRowWidth = 321;
// Room for a window manager's frame until the real one is known.
constexpr QMargins LikelyFrame(4, 30, 4, 4);

}  // namespace

void TForm1::KeepUsableMinimum() {
    if (layout()) layout()->activate();
    const QSize least = minimumSizeHint();
    setMinimumSize(std::max(least.width(), ToolBarRowWidth), least.height());
}

void TForm1::SizeAndCentre() {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    KeepUsableMinimum();
    // Everything around the board image: the menu, the bars and the bevels.
    const QSize chrome(BevelsAroundImage, ui->MainMenu1->sizeHint().height() +
                                              ui->ToolBar1->height() + BevelsAroundImage +
                                              ui->StatusBar1->height());
    int side = FirstBoardSide;

    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        resize(chrome + QSize(side, side));
        return;
    }
    // A small or strongly scaled screen gets a smaller board rather than a window off its edge.
    const QRect available = screen->availableGeometry();
    const QSize room = available.size().shrunkBy(LikelyFrame) - chrome;
    side = std::max(BoardImage::SmallestCell * 16, std::min({side, room.width(), room.height()}));
    const QSize client = (chrome + QSize(side, side)).expandedTo(minimumSize());
    resize(client);
    const QSize outer = client.grownBy(LikelyFrame);
    const QPoint corner = available.center() - QPoint(outer.width() / 2, outer.height() / 2);
    move(std::max(corner.x(), available.left()), std::max(corner.y(), available.top()));
}
