#include "StatusPanels.h"

#include <QHash>
#include <QLabel>
#include <QLocale>
#include <QResizeEvent>
#include <QStatusBar>
#include <algorithm>

#include "GameTexts.h"
#include "Language.h"

namespace {

constexpr int StatusBarHeight = 19;
constexpr int ClassicWidths[] = {100, 50, 200, 200, 50};

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

// Seconds in their shortest form: no trailing zeros, no separator for whole numbers, the
// locale's decimal separator, no digit grouping (123 ticks show 12.3, 10 show 1).
QString Seconds(std::int32_t ticks) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(ticks / 10.0, 'f', QLocale::FloatingPointShortest);
}

// A clock panel's text: the colour's time used, given in tenths of a second.
QString ClockText(std::uint8_t colour, std::int32_t tenths) {
    return colour == wuziqi::Black ? StatusPanels::tr("黑方所用时间: %1 秒").arg(Seconds(tenths))
                                   : StatusPanels::tr("白方所用时间: %1 秒").arg(Seconds(tenths));
}

}  // namespace

StatusPanels::StatusPanels(QStatusBar* bar) : QWidget(bar) {
    bar->setFixedHeight(StatusBarHeight);
    bar->setSizeGripEnabled(false);
    // The small face of the original status bar, so "15 : 15" fits its 50-pixel panel.
    QFont small = bar->font();
    small.setPixelSize(11);
    bar->setFont(small);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    for (std::size_t i = 0; i < panels.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->resize(ClassicWidths[i], height());
        panels[i] = panel;
    }
    LayOut();
    bar->addWidget(this, 1);
}

QString StatusPanels::Text(int panel) const {
    return panels.at(static_cast<std::size_t>(panel))->text();
}

void StatusPanels::ShowStatusLine(const StatusLine& shown) {
    line = shown;
    QString text;
    if (line.thinking) {
        text = GameTexts::Thinking();
    } else if (line.hint) {
        // No point is left on a full board: the hint can only say so.
        text = *line.hint ? GameTexts::HintVerdict(**line.hint) : GameTexts::Draw();
    } else if (const auto* verdict = std::get_if<wuziqi::Verdict>(&line.note)) {
        text = GameTexts::Verdict(*verdict);
    } else if (const auto* title = std::get_if<QString>(&line.note)) {
        text = *title;
    }
    panels[0]->setText(text);
}

void StatusPanels::ShowTitleTip(const QString& title) {
    panels[0]->setToolTip(title);
}

void StatusPanels::ShowPointer(wuziqi::BoardPoint point) {
    panels[1]->setText(QStringLiteral("%1 : %2").arg(point.x).arg(point.y));
}

void StatusPanels::ShowClocks(std::int32_t blackTenths, std::int32_t whiteTenths) {
    clocks = {blackTenths, whiteTenths};
    Fit();
    panels[2]->setText(ClockText(wuziqi::Black, blackTenths));
    panels[3]->setText(ClockText(wuziqi::White, whiteTenths));
}

void StatusPanels::ShowMismatch(int count) {
    mismatch = count;
    panels[4]->setText(GameTexts::PatternMismatch(count));
}

void StatusPanels::Retranslate() {
    ShowStatusLine(line);
    Fit();
    // The clock panels stay empty until the clock's first tick.
    if (clocks) ShowClocks(clocks->first, clocks->second);
    if (mismatch) ShowMismatch(*mismatch);
}

void StatusPanels::Fit() {
    // Chinese keeps the window's classic widths, which its texts fit. In another language the
    // panels of translated texts are as wide as their texts, so that side by side the clocks
    // are seen whole in the window's classic width: panel 0 for its longest verdict (an
    // engine's title is not fitted: its tooltip shows it whole), each clock for its time in
    // whole digits, 9.9, 99.9 … seconds, so that it widens only when the time gains a digit.
    if (CurrentLanguage() == Language::Chinese) {
        for (std::size_t i = 0; i < panels.size(); ++i)
            SetWidth(panels[i], ClassicWidths[i]);
        return;
    }
    QStringList verdicts = {GameTexts::Thinking(), GameTexts::Draw()};
    for (const auto verdict : {wuziqi::Verdict::IWin, wuziqi::Verdict::YouWin,
                               wuziqi::Verdict::YouMightWin, wuziqi::Verdict::IMightWin})
        verdicts << GameTexts::Verdict(verdict) << GameTexts::HintVerdict(verdict);
    FitToTexts(panels[0], verdicts);
    const auto [black, white] = clocks.value_or(std::pair<std::int32_t, std::int32_t>{0, 0});
    FitToTexts(panels[2], {ClockText(wuziqi::Black, AllNines(black))});
    FitToTexts(panels[3], {ClockText(wuziqi::White, AllNines(white))});
}

void StatusPanels::SetWidth(QLabel* panel, int width) {
    if (panel->width() == width) return;
    panel->resize(width, height());
    LayOut();
}

void StatusPanels::FitToTexts(QLabel* panel, const QStringList& texts) {
    const QString key = texts.join(QLatin1Char('\n'));
    auto known = needed.constFind(key);
    if (known == needed.cend()) known = needed.insert(key, WidthToShow(*panel, texts));
    SetWidth(panel, *known);
}

void StatusPanels::LayOut() {
    // Side by side from the left; a window narrower than the row clips the last panels instead
    // of squeezing them all.
    used = 0;
    for (QLabel* panel : panels) {
        panel->move(used, 0);
        used += panel->width();
    }
    updateGeometry();
}

void StatusPanels::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (QLabel* panel : panels)
        panel->resize(panel->width(), height());
}
