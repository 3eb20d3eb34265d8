#include <QApplication>

#include "About.h"
#include "AppInfo.h"
#include "Language.h"
#include "MainForm.h"
#include "Settings.h"
#include "Version.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The settings and the data folder are kept under these names.
    QApplication::setOrganizationName(QStringLiteral("wuziqi"));
    QApplication::setApplicationName(QStringLiteral("wuziqi"));
    QApplication::setApplicationVersion(QString::fromLatin1(wuziqi::ProgramVersion));
    QApplication::setDesktopFileName(QStringLiteral("wuziqi"));
    wuziqi::UseSongStyleFallbacks();

    // Chinese until the person chooses another language; Qt's own dialogs follow it.
    UseLanguage(RememberedLanguage());

    TForm1 form;
    TForm2 about(&form);
    form.SetAboutDialog(&about);
    form.show();
    return QApplication::exec();
}
