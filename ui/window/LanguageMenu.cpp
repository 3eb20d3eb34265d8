#include "LanguageMenu.h"

#include <QAction>
#include <QActionGroup>

#include "Language.h"

namespace {

// The language an entry names, by the code it carries.
const char* const LanguageCodeProperty = "languageCode";

}  // namespace

LanguageMenu::LanguageMenu(QActionGroup* entries) : QObject(entries), entries(entries) {
    connect(entries, &QActionGroup::triggered, this, [](QAction* entry) {
        if (auto language = LanguageFromCode(entry->property(LanguageCodeProperty).toString()))
            UseLanguage(*language);
    });
}

void LanguageMenu::MarkCurrent() {
    for (QAction* entry : entries->actions())
        entry->setChecked(entry->property(LanguageCodeProperty).toString() ==
                          LanguageCode(CurrentLanguage()));
}
