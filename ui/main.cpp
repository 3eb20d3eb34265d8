#include <QApplication>

#include "About.h"
#include "AppInfo.h"
#include "MainForm.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("wuziqi"));
    QApplication::setApplicationVersion(QStringLiteral(WUZIQI_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("wuziqi"));
    wuziqi::UseSongStyleFallbacks();

    TForm1 form;
    TForm2 about(&form);
    form.SetAboutDialog(&about);
    form.show();
    return QApplication::exec();
}
