// The menu "语言 / Language", and the window's texts following the language: those of the
// layout, and those made in code (the two gradient buttons, the start page, the status panels).
#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QLabel>
#include <QSettings>
#include <QTextBrowser>

#include "GameTexts.h"
#include "Language.h"
#include "MainForm.h"
#include "XPButton.h"
#include "ui_MainForm.h"

namespace {

// The language an entry of the language menu names, by the code it carries.
const char* const LanguageCodeProperty = "languageCode";

}  // namespace

void TForm1::ChooseLanguage(QAction* action) {
    if (auto language = LanguageFromCode(action->property(LanguageCodeProperty).toString()))
        UseLanguage(*language);
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        ShowCodeTexts();
        RemakeFileDialogs();
    }
    QMainWindow::changeEvent(event);
}

void TForm1::ShowCodeTexts() {
    XPButton1->SetCaption(tr("重新开局游戏"));
    XPButton2->SetCaption(tr("开始游戏"));
    WebBrowser1->setSource(StartPage(CurrentLanguage()));
    ShowStatusLine();
    FitStatusPanels();
    // The clock panels stay empty until the clock's first tick.
    if (!StatusPanels[2]->text().isEmpty()) ShowClocks();
    if (ShownMismatch) StatusPanels[4]->setText(GameTexts::PatternMismatch(*ShownMismatch));
    for (QAction* entry : ui->LanguageGroup->actions())
        entry->setChecked(entry->property(LanguageCodeProperty).toString() ==
                          LanguageCode(CurrentLanguage()));
}
