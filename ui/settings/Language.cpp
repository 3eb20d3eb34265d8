#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <array>

namespace {

struct LanguageEntry {
    Language language;
    const char* code;
    // The program's texts in this language, built in from translations/; none for Chinese.
    const char* programTexts;
    // Qt's own texts in this language, where Qt's translations are installed; none for
    // English, Qt's own language.
    const char* qtTexts;
    // The start panel's page.
    const char* startPage;
};

constexpr std::array<LanguageEntry, 2> Languages = {{
    {Language::Chinese, "zh_CN", nullptr, "qtbase_zh_CN", "qrc:/start/index.html"},
    {Language::English, "en", ":/i18n/wuziqi_en.qm", nullptr, "qrc:/start/index_en.html"},
}};

const LanguageEntry& EntryOf(Language language) {
    for (const LanguageEntry& entry : Languages)
        if (entry.language == language) return entry;
    return Languages.front();
}

// The translators live as children of the application, so they go with it.
const QString ProgramTranslatorName = QStringLiteral("WuziqiProgramTexts");
const QString QtTranslatorName = QStringLiteral("WuziqiQtTexts");

Language Current = Language::Chinese;

void Replace(const QString& name, const char* catalogue, const QString& folder) {
    QCoreApplication* app = QCoreApplication::instance();
    if (auto* old = app->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    if (!catalogue) return;
    auto* translator = new QTranslator(app);
    translator->setObjectName(name);
    if (translator->load(QString::fromLatin1(catalogue), folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace

QString LanguageCode(Language language) {
    return QString::fromLatin1(EntryOf(language).code);
}

std::optional<Language> LanguageFromCode(const QString& code) {
    for (const LanguageEntry& entry : Languages)
        if (code == QLatin1String(entry.code)) return entry.language;
    return std::nullopt;
}

QUrl StartPage(Language language) {
    return QUrl(QString::fromLatin1(EntryOf(language).startPage));
}

void UseLanguage(Language language) {
    const LanguageEntry& entry = EntryOf(language);
    Replace(ProgramTranslatorName, entry.programTexts, QString());
    Replace(QtTranslatorName, entry.qtTexts, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Current = language;
}

Language CurrentLanguage() {
    return Current;
}
