#pragma once

#include <QObject>

class QActionGroup;

// The menu "语言 / Language": choosing an entry switches the interface to its language at once
// (every window follows, see Language.h), and the entry of the language in use is checked.
class LanguageMenu : public QObject {
    Q_OBJECT

  public:
    explicit LanguageMenu(QActionGroup* entries);

    // Checks the entry of the interface's language.
    void MarkCurrent();

  private:
    QActionGroup* entries;
};
