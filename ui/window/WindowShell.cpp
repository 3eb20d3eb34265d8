// The window shell: naming and wiring the commands, the status panels, the restart and start
// buttons, the start panel, the bars' switches, the web-site command and the window's size.
#include <QAction>
#include <QDesktopServices>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QProxyStyle>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <algorithm>
#include <vector>

#include "About.h"
#include "AppInfo.h"
#include "GameTexts.h"
#include "Language.h"
#include "MainForm.h"
#include "XPButton.h"
#include "ui_MainForm.h"

namespace {

// How wide a panel must be to show each of the texts whole, with its frame and indent.
int WidthToShow(const QLabel& panel, const QStringList& texts) {
    QLabel probe;
    probe.setFrameShape(panel.frameShape());
    probe.setFrameShadow(panel.frameShadow());
    probe.setFont(panel.font());
    int widest = 0;
    for (const QString& text : texts) {
        probe.setText(text);
        widest = std::max(widest, probe.sizeHint().width());
    }
    return widest;
}

// The longest time in tenths of a second with as many digits as the given one, and at least
// two: 99 (9.9 seconds) for anything up to it, then 999 (99.9 seconds), and so on.
std::int32_t AllNines(std::int32_t tenths) {
    std::int32_t nines = 99;
    while (nines < tenths && nines < 999999999)
        nines = nines * 10 + 9;
    return nines;
}

// The row of status-bar panels: each panel keeps its own width, side by side from the left, and
// a window narrower than the row clips the last ones instead of squeezing them all.
class StatusPanelRow : public QWidget {
  public:
    using QWidget::QWidget;

    QLabel* AddPanel(int width) {
        auto* panel = new QLabel(this);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->resize(width, height());
        Panels.push_back(panel);
        LayOut();
        return panel;
    }
    // The panels after it move along.
    void SetPanelWidth(QLabel* panel, int width) {
        if (panel->width() == width) return;
        panel->resize(width, height());
        LayOut();
    }
    // As wide as it takes to show each of the texts whole, with the panel's frame and indent.
    void FitPanel(QLabel* panel, const QStringList& texts) {
        const QString key = texts.join(QLatin1Char('\n'));
        auto known = Needed.constFind(key);
        if (known == Needed.cend()) known = Needed.insert(key, WidthToShow(*panel, texts));
        SetPanelWidth(panel, *known);
    }
    QSize sizeHint() const override { return QSize(Used, 0); }
    QSize minimumSizeHint() const override { return QSize(0, 0); }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        for (QLabel* panel : Panels)
            panel->resize(panel->width(), height());
    }

  private:
    void LayOut() {
        Used = 0;
        for (QLabel* panel : Panels) {
            panel->move(Used, 0);
            Used += panel->width();
        }
        updateGeometry();
    }

    std::vector<QLabel*> Panels;
    int Used = 0;
    QHash<QString, int> Needed;  // by the texts, which change with the language
};

// The toolbar's row: 23 x 22 buttons and 20-pixel gaps edge to edge, then the restart button.
constexpr int ToolBarHeight = 26;
constexpr QSize ToolButtonSize(23, 22);
constexpr int ToolBarGap = 20;
constexpr QRect RestartButtonPlace(221, 2, 100, 22);
constexpr int StatusBarHeight = 19;
constexpr int StatusPanelWidths[] = {100, 50, 200, 200, 50};

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

}  // namespace

void TForm1::NameToolbarItems() {
    const QList<QAction*> items = ui->ToolBar1->actions();
    static const char* const names[] = {"ToolButton1", "ToolButton8",  "ToolButton2", "ToolButton7",
                                        "ToolButton9", "ToolButton10", "ToolButton5", "ToolButton6",
                                        "ToolButton3", "ToolButton4"};
    auto* style = new EdgeToEdgeToolBarStyle;
    style->setParent(ui->ToolBar1);
    ui->ToolBar1->setStyle(style);
    for (int i = 0; i < items.size() && i < 10; ++i) {
        QWidget* item = ui->ToolBar1->widgetForAction(items[i]);
        if (!item) continue;
        item->setObjectName(QString::fromLatin1(names[i]));
        if (items[i]->isSeparator())
            item->setFixedWidth(ToolBarGap);
        else
            item->setFixedSize(ToolButtonSize);
    }
    ui->ToolBar1->setFixedHeight(ToolBarHeight);
    // Placed by hand beside the buttons rather than as a toolbar item, so it keeps its place
    // and never goes into the toolbar's overflow menu.
    XPButton1 = CreateRestartButton();
    XPButton1->setGeometry(RestartButtonPlace);
}

wuziqi::TXPButton* TForm1::CreateRestartButton() {
    // Construction gives the toolbar look: gradient, border, 宋体 12 px, window-text colour.
    auto* button = new wuziqi::TXPButton(ui->ToolBar1);
    button->setObjectName(QStringLiteral("XPButton1"));
    connect(button, &wuziqi::TXPButton::OnClick, this, &TForm1::XPButton1Click);
    return button;
}

wuziqi::TXPButton* TForm1::CreateStartButton(QWidget* panel) {
    auto* button = new wuziqi::TXPButton(panel);
    button->setObjectName(QStringLiteral("XPButton2"));
    button->setGeometry(96, 160, 145, 41);
    QFont font = button->font();
    font.setPixelSize(21);
    font.setBold(true);
    button->setFont(font);
    button->SetFontColor(wuziqi::clPurple);
    connect(button, &wuziqi::TXPButton::OnClick, this, &TForm1::XPButton2Click);
    return button;
}

void TForm1::CreateStatusPanels() {
    ui->StatusBar1->setFixedHeight(StatusBarHeight);
    ui->StatusBar1->setSizeGripEnabled(false);
    // The small face of the original status bar, so "15 : 15" fits its 50-pixel panel.
    QFont small = ui->StatusBar1->font();
    small.setPixelSize(11);
    ui->StatusBar1->setFont(small);
    auto* row = new StatusPanelRow(ui->StatusBar1);
    row->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    for (std::size_t i = 0; i < StatusPanels.size(); ++i) {
        QLabel* panel = row->AddPanel(StatusPanelWidths[i]);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        StatusPanels[i] = panel;
    }
    ui->StatusBar1->addWidget(row, 1);
}

void TForm1::FitStatusPanels() {
    // Chinese keeps the window's classic widths, which its texts fit. In another language the
    // panels of translated texts are as wide as their texts, so that side by side the clocks
    // are seen whole in the window's classic width: panel 0 for its longest verdict (an
    // engine's title is not fitted: its tooltip shows it whole), each clock for its time in
    // whole digits, 9.9, 99.9 … seconds, so that it widens only when the time gains a digit.
    auto* row = static_cast<StatusPanelRow*>(StatusPanels[0]->parentWidget());
    if (CurrentLanguage() == Language::Chinese) {
        for (std::size_t i = 0; i < StatusPanels.size(); ++i)
            row->SetPanelWidth(StatusPanels[i], StatusPanelWidths[i]);
        return;
    }
    QStringList verdicts = {GameTexts::Thinking(), tr("和棋！")};
    for (const auto verdict : {wuziqi::Verdict::IWin, wuziqi::Verdict::YouWin,
                               wuziqi::Verdict::YouMightWin, wuziqi::Verdict::IMightWin})
        verdicts << GameTexts::Verdict(verdict) << HintVerdictText(verdict);
    row->FitPanel(StatusPanels[0], verdicts);
    row->FitPanel(StatusPanels[2], {ClockText(wuziqi::Black, AllNines(GameState->BlackClock))});
    row->FitPanel(StatusPanels[3], {ClockText(wuziqi::White, AllNines(GameState->WhiteClock))});
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
    XPButton2 = CreateStartButton(Panel3);
    XPButton2->raise();
    Panel3->raise();
}

void TForm1::ConnectCommands() {
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    connect(ui->Image1, &BoardImage::MousePressed, this, &TForm1::Image1MouseDown);
    connect(ui->Image1, &BoardImage::MouseMoved, this, &TForm1::Image1MouseMove);
    connect(ui->Action1, &QAction::triggered, this, &TForm1::Action1Execute);
    connect(ui->Action2, &QAction::triggered, this, &TForm1::Action2Execute);
    connect(ui->Action3, &QAction::triggered, this, &TForm1::Action3Execute);
    connect(ui->Action4, &QAction::triggered, this, &TForm1::Action4Execute);
    connect(ui->Action5, &QAction::triggered, this, &TForm1::Action5Execute);
    connect(ui->Action8, &QAction::triggered, this, &TForm1::Action8Execute);
    connect(ui->Action9, &QAction::triggered, this, &TForm1::Action9Execute);
    connect(ui->N5, &QAction::triggered, this, &TForm1::N5Click);
    connect(ui->N8, &QAction::triggered, this, &TForm1::N8Click);
    connect(ui->N11, &QAction::triggered, this, &TForm1::N11Click);
    connect(ui->N12, &QAction::triggered, this, &TForm1::N12Click);
    connect(ui->N13, &QAction::triggered, this, &TForm1::N13Click);
    connect(ui->N14, &QAction::triggered, this, &TForm1::N14Click);
    connect(ui->N16, &QAction::triggered, this, &TForm1::N16Click);
    connect(ui->Action6, &QAction::triggered, this, &TForm1::Action6Execute);
    connect(ui->Action7, &QAction::triggered, this, &TForm1::Action7Execute);
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

void TForm1::N13Click() {
    FlipBar(ui->StatusBar1, ui->N13->isChecked());
}

void TForm1::N14Click() {
    FlipBar(ui->ToolBar1, ui->N14->isChecked());
}

void TForm1::N5Click() {
    // Without a browser (or a desktop that knows one) nothing would open; the address is then
    // given to be opened by hand.
    const QString address = QString::fromLatin1(wuziqi::HomePageAddress);
    if (!QDesktopServices::openUrl(QUrl(address)))
        ShowMessage(tr("无法打开网页浏览器。请在浏览器中打开这个地址：\n%1").arg(address));
}

void TForm1::XPButton2Click() {
    Panel3->hide();
}

void TForm1::Action2Execute() {
    close();
}

void TForm1::Action3Execute() {
    if (AboutDialog) AboutDialog->exec();
}
