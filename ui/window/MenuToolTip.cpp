#include "MenuToolTip.h"

#include <QAction>
#include <QHelpEvent>
#include <QMenu>
#include <QToolTip>

namespace {

// The text as rich text, one paragraph a line: Qt wraps a rich-text tooltip to a readable width
// (some 80 characters), where plain text makes each line as wide as it is long.
QString Wrapped(const QString& text) {
    QStringList paragraphs = text.toHtmlEscaped().split(QLatin1Char('\n'));
    for (QString& paragraph : paragraphs)
        paragraph = QStringLiteral("<p>%1</p>").arg(paragraph);
    return paragraphs.join(QString());
}

}  // namespace

MenuToolTip::MenuToolTip(QMenu* menu, QAction* action) : QObject(menu), menu(menu), action(action) {
    menu->installEventFilter(this);
}

bool MenuToolTip::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::ToolTip) return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    if (menu->actionAt(help->pos()) == action)
        QToolTip::showText(help->globalPos(), Wrapped(action->toolTip()), menu);
    else
        QToolTip::hideText();
    return true;
}
