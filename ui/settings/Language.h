#pragma once

#include <QString>
#include <QUrl>
#include <optional>

// The languages the interface speaks. Chinese is the language the texts are written in; every
// other one comes from a translation built into the program (translations/wuziqi_<code>.ts).
enum class Language { Chinese, English };

// The code a language is remembered by ("zh_CN", "en"), and the language of a code; nothing
// for a code the program does not know.
QString LanguageCode(Language language);
std::optional<Language> LanguageFromCode(const QString& code);

// The start panel's page in the language.
QUrl StartPage(Language language);

// Makes the application speak the language: the program's own texts and Qt's (file dialogs,
// message box buttons). Every window hears of it through a LanguageChange event.
void UseLanguage(Language language);
Language CurrentLanguage();
