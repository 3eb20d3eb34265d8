#pragma once

#include <QObject>

class QAction;
class QMenu;

// Menus show no tooltips, and most commands' tooltips only repeat their captions; this shows
// one command's tooltip in its menu, wrapped to a readable width.
class MenuToolTip : public QObject {
  public:
    MenuToolTip(QMenu* menu, QAction* action);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QMenu* menu;
    QAction* action;
};
