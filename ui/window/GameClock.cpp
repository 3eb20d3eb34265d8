// The per-side clock: a 100 ms timer that gives the side to move the tenths of a second that
// passed since the last tick, and shows both clocks in status panels 2 and 3. The tenths are
// read from a monotonic clock, not counted in ticks, so ticks that a busy window delays or
// merges lose no time.
#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QTimer>

#include "ComputerReply.h"
#include "MainForm.h"
#include "ui_MainForm.h"

namespace {

// Seconds in their shortest form: no trailing zeros, no separator for whole numbers, the
// locale's decimal separator, no digit grouping (123 ticks show 12.3, 10 show 1).
QString Seconds(std::int32_t ticks) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(ticks / 10.0, 'f', QLocale::FloatingPointShortest);
}

}  // namespace

void TForm1::Timer1Timer() {
    wuziqi::GameRecord& record = *GameState;
    const int tenths = ClockTenths.Take();
    if (record.CurrentColour == wuziqi::White) {
        record.WhiteClock += tenths;
    } else {
        record.BlackClock += tenths;
    }
    ShowClocks();
}

QString TForm1::ClockText(std::uint8_t colour, std::int32_t tenths) {
    return colour == wuziqi::Black ? tr("黑方所用时间: %1 秒").arg(Seconds(tenths))
                                   : tr("白方所用时间: %1 秒").arg(Seconds(tenths));
}

void TForm1::ShowClocks() {
    FitStatusPanels();
    StatusPanels[2]->setText(ClockText(wuziqi::Black, GameState->BlackClock));
    StatusPanels[3]->setText(ClockText(wuziqi::White, GameState->WhiteClock));
}

void TForm1::Action9Execute() {
    // The action has flipped its own check mark; the counters carry on where they stood.
    ClockFollowsGame();
}

void TForm1::ClockFollowsGame() {
    // On a full board no one is to move, so no one's time runs.
    const bool runs = ui->Action9->isChecked() && wuziqi::NearestEmptyToCentre(*GameBoard);
    if (runs == Timer1->isActive()) return;
    if (runs) {
        ClockTenths.Restart();
        Timer1->start();
    } else {
        Timer1->stop();
    }
}
