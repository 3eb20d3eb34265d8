#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

#include "GameRecord.h"
#include "StatusLine.h"

class QLabel;
class QStatusBar;

// The status bar's five panels, side by side from the left, each of its own width: the
// session's status line, the pointer's point, the two clocks and the pattern-table notice.
// Every panel is drawn from the values last shown, so a change of language draws them all again
// in the new one and no text is ever kept.
class StatusPanels : public QWidget {
    Q_OBJECT

  public:
    explicit StatusPanels(QStatusBar* bar);

    void ShowStatusLine(const StatusLine& line);
    // The opponent's title in full, under the first panel, where it may not fit.
    void ShowTitleTip(const QString& title);
    void ShowPointer(wuziqi::BoardPoint point);
    // Both clocks: each colour's time used, in tenths of a second.
    void ShowClocks(std::int32_t blackTenths, std::int32_t whiteTenths);
    void ShowMismatch(int count);
    // Every panel again, in the interface's language.
    void Retranslate();

    QString Text(int panel) const;

    QSize sizeHint() const override { return QSize(used, 0); }
    QSize minimumSizeHint() const override { return QSize(0, 0); }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Fit();
    void SetWidth(QLabel* panel, int width);
    void FitToTexts(QLabel* panel, const QStringList& texts);
    void LayOut();

    std::array<QLabel*, 5> panels{};
    int used = 0;
    QHash<QString, int> needed;  // by the texts, which change with the language
    StatusLine line;
    std::optional<std::pair<std::int32_t, std::int32_t>> clocks;  // none before the first tick
    std::optional<int> mismatch;
};
