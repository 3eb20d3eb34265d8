#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "About.h"
#include "AppInfo.h"
#include "MainForm.h"
#include "Version.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Settings are kept under these names.
    QApplication::setOrganizationName(QStringLiteral("wuziqi"));
    QApplication::setApplicationName(QStringLiteral("wuziqi"));
    QApplication::setApplicationVersion(QString::fromLatin1(wuziqi::ProgramVersion));
    QApplication::setDesktopFileName(QStringLiteral("wuziqi"));
    wuziqi::UseSongStyleFallbacks();

    // The interface is Chinese, so Qt's own dialogs (file dialogs, message-box buttons) speak
    // Chinese too, wherever Qt's translations are installed.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_zh_CN"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    TForm1 form;
    TForm2 about(&form);
    form.SetAboutDialog(&about);
    form.show();
    return QApplication::exec();
}
