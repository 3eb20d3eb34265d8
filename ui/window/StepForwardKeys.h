#pragma once

#include <QKeySequence>
#include <QList>

// The keys of 向后一步: the desktop's redo keys, first so that the menu shows the desktop's own,
// then Ctrl+Y wherever they lack it, so that the key Windows uses steps forward everywhere:
// Linux desktops bind redo to Ctrl+Shift+Z alone.
inline QList<QKeySequence> StepForwardKeys(QList<QKeySequence> redoKeys) {
    const QKeySequence ctrlY(Qt::CTRL | Qt::Key_Y);
    if (!redoKeys.contains(ctrlY)) redoKeys << ctrlY;
    return redoKeys;
}
