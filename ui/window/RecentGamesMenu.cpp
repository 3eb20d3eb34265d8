// The submenu "最近打开" under 游戏: the game files most recently saved or opened, newest first,
// and "清除列表". A file that has gone is dropped from the list when it is chosen.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>

#include "MainForm.h"
#include "RecentGames.h"
#include "ui_MainForm.h"

namespace {

// How wide a path may be in the menu before its middle gives way to "…".
constexpr int WidestEntry = 400;

}  // namespace

const QStringList& TForm1::RecentFiles() const {
    return Recent->Files();
}

void TForm1::RememberGameFile(const QString& fileName) {
    Recent->Add(fileName);
    ShowRecentGames();
}

void TForm1::ShowRecentGames() {
    QMenu* menu = ui->RecentMenu;
    // Everything above the separator is an entry of the list.
    for (QAction* entry : menu->actions()) {
        if (entry->isSeparator()) break;
        menu->removeAction(entry);
        delete entry;
    }
    QAction* separator = menu->actions().value(0);
    const QStringList& files = Recent->Files();
    const QFontMetrics metrics(menu->font());
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QString shown =
            metrics.elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle, WidestEntry);
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        auto* entry = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), menu);
        entry->setObjectName(QStringLiteral("RecentGame%1").arg(i + 1));
        entry->setToolTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, this, [this, path] { OpenRecentGame(path); });
        menu->insertAction(separator, entry);
    }
    menu->menuAction()->setEnabled(!files.isEmpty());
}

void TForm1::OpenRecentGame(const QString& fileName) {
    if (!QFileInfo::exists(fileName)) {
        Recent->Remove(fileName);
        ShowRecentGames();
        ShowMessage(tr("找不到文件“%1”，已从最近打开的列表中删除。")
                        .arg(QDir::toNativeSeparators(fileName)));
        return;
    }
    // As the Open command does, which also puts the file first in the list; but the game is
    // then the one to look at, so the start panel makes way for it as 开始游戏 does.
    if (LoadGameFile(fileName)) XPButton2Click();
}

void TForm1::ClearRecentActionExecute() {
    Recent->Clear();
    ShowRecentGames();
}
