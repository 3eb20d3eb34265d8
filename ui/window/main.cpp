#include <QApplication>

#include "About.h"
#include "AppInfo.h"
#include "Language.h"
#include "MainForm.h"
#include "QuitSignals.h"
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
    // Told to end, by a signal or by the desktop session, the program keeps the game as a
    // close does, and quits.
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::QuitRequested, &form,
                     [&form] { form.EndSession(); });
#ifndef QT_NO_SESSIONMANAGER
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [&form] { form.EndSession(); });
#endif
    form.show();
    return QApplication::exec();
}
