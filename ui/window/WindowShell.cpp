// The window shell: the toolbar and its restart button, the start panel, the keyboard, the bars'
// switches, the window's size and place, the options as the settings give them, and the texts
// made in code.
#include <QAction>
#include <QActionGroup>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScreen>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>
#include <algorithm>

#include "BoardImage.h"
#include "GameFiles.h"
#include "GameSession.h"
#include "Language.h"
#include "LanguageMenu.h"
#include "MainForm.h"
#include "MenuToolTip.h"
#include "SavedGeometry.h"
#include "StatusPanels.h"
#include "StepForwardKeys.h"
#include "XPButton.h"
#include "ui_MainForm.h"

namespace {

// The toolbar's row: 23 x 22 buttons and 20-pixel gaps edge to edge, then the restart button.
constexpr int ToolBarHeight = 26;
constexpr QSize ToolButtonSize(23, 22);
constexpr int ToolBarGap = 20;
constexpr QRect RestartButtonPlace(221, 2, 100, 22);
constexpr int StatusBarHeight = 19;

// At first a board of 464 x 464 pixels (16 cells of 29), inside the screen's available area and
// centred there, never larger than it.
constexpr int FirstBoardSide = 464;
constexpr int BevelsAroundImage = 12;  // three 2-pixel bevels on each side
// The toolbar's row ends with the restart button at 221 + 100 pixels.
constexpr int ToolBarRowWidth = 321;
// Room for a window manager's frame until the real one is known.
constexpr QMargins LikelyFrame(4, 30, 4, 4);

// Lays the toolbar's items edge to edge, with no frame, margin or spacing of the style's own.
class EdgeToEdgeToolBarStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
            case PM_ToolBarItemSpacing:
            case PM_ToolBarItemMargin:
            case PM_ToolBarFrameWidth: return 0;
            default: return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

// The toolbar's items by the names of the original layout.
void NameToolbarItems(QToolBar* bar) {
    const QList<QAction*> items = bar->actions();
    static const char* const names[] = {"ToolButton1", "ToolButton8",  "ToolButton2", "ToolButton7",
                                        "ToolButton9", "ToolButton10", "ToolButton5", "ToolButton6",
                                        "ToolButton3", "ToolButton4"};
    auto* style = new EdgeToEdgeToolBarStyle;
    style->setParent(bar);
    bar->setStyle(style);
    for (int i = 0; i < items.size() && i < 10; ++i) {
        QWidget* item = bar->widgetForAction(items[i]);
        if (!item) continue;
        item->setObjectName(QString::fromLatin1(names[i]));
        if (items[i]->isSeparator())
            item->setFixedWidth(ToolBarGap);
        else
            item->setFixedSize(ToolButtonSize);
    }
    bar->setFixedHeight(ToolBarHeight);
}

}  // namespace

void TForm1::BuildShell() {
    NameToolbarItems(ui->ToolBar1);
    // Placed by hand beside the buttons rather than as a toolbar item, so it keeps its place
    // and never goes into the toolbar's overflow menu. Construction gives the toolbar look:
    // gradient, border, 宋体 12 px, window-text colour.
    XPButton1 = new wuziqi::TXPButton(ui->ToolBar1);
    XPButton1->setObjectName(QStringLiteral("XPButton1"));
    XPButton1->setGeometry(RestartButtonPlace);
    connect(XPButton1, &wuziqi::TXPButton::OnClick, this, &TForm1::XPButton1Click);
    CreateStartPanel();
    // The forced line's tooltip says what the line is worth, so its menu shows it.
    new MenuToolTip(ui->N7, ui->ActionLine);
}

void TForm1::CreateStartPanel() {
    // Placed by hand on the window, not in a layout, so resizing the window leaves it be. The
    // page is bundled with the program: no network request at start-up; links open in the
    // system's browser.
    Panel3 = new QFrame(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFrameShape(QFrame::NoFrame);
    Panel3->setGeometry(80, ui->MainMenu1->sizeHint().height() + 128, 335, 283);
    WebBrowser1 = new QTextBrowser(Panel3);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setGeometry(0, 0, 500, 500);
    WebBrowser1->setOpenExternalLinks(true);
    XPButton2 = new wuziqi::TXPButton(Panel3);
    XPButton2->setObjectName(QStringLiteral("XPButton2"));
    XPButton2->setGeometry(96, 160, 145, 41);
    QFont font = XPButton2->font();
    font.setPixelSize(21);
    font.setBold(true);
    XPButton2->setFont(font);
    XPButton2->SetFontColor(wuziqi::clPurple);
    connect(XPButton2, &wuziqi::TXPButton::OnClick, this, &TForm1::XPButton2Click);
    XPButton2->raise();
    Panel3->raise();
}

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
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && !Panel3->isVisible() && ui->Image1->PlayKey(event)) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

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

void TForm1::FlipBar(QWidget* bar, bool shown) {
    const int barHeight = bar == ui->ToolBar1 ? ToolBarHeight : StatusBarHeight;
    bar->setVisible(shown);
    KeepUsableMinimum();
    // The window grows or shrinks by the bar, so the board keeps its size; a maximised or
    // full-screen window keeps its size and the board takes the room.
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        resize(width(), height() + (shown ? barHeight : -barHeight));
}

void TForm1::ApplyOptions(const RememberedOptions& options) {
    // Each option as its own command sets it, so that what goes with it follows.
    if (ui->N14->isChecked() != options.toolBarShown) ui->N14->trigger();
    if (ui->N13->isChecked() != options.statusBarShown) ui->N13->trigger();
    if (ui->N8->isChecked() != options.moveNumbers) ui->N8->trigger();
    // A new game starts the clock when the window is first shown.
    ui->Action9->setChecked(options.clockRunning);
    session->SetClockWanted(options.clockRunning);
    // Before the mode: in two-player mode "电脑先走" cannot be chosen.
    if (session->ComputerFirst() != options.computerFirst) ui->N16->trigger();
    if (options.twoPlayers != (session->PlayMode() == wuziqi::ModeTwoPlayers))
        (options.twoPlayers ? ui->N12 : ui->N11)->trigger();
    session->SetLevel(options.level, options.masterSeconds * 1000);
    ShowLevel();
    if (!options.lastFolder.isEmpty()) Files->SetFolder(options.lastFolder);
    // A place on a screen that is no longer there, that no longer holds the whole window, or
    // that is too small for it, is not restored: the window keeps the first start's place.
    const std::optional<SavedGeometry> saved = ReadSavedGeometry(options.geometry);
    if (saved && FitsOneArea(*saved, options.frame, AvailableScreenAreas(), minimumSize()))
        restoreGeometry(options.geometry);
}

void TForm1::ShowCodeTexts() {
    XPButton1->SetCaption(tr("重新开局游戏"));
    XPButton2->SetCaption(tr("开始游戏"));
    WebBrowser1->setSource(StartPage(CurrentLanguage()));
    Panels->Retranslate();
    ShowLevel();
    // The clocks say the game's times, as the next tick would.
    if (!Panels->Text(2).isEmpty()) ShowClocks();
    Languages->MarkCurrent();
}
