#include <QApplication>
#include <QFont>
#include <QStringList>

#include "About.h"
#include "AppInfo.h"
#include "MainForm.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("wuziqi"));
    QApplication::setApplicationVersion(QStringLiteral(WUZIQI_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("wuziqi"));
    // Where 宋体 is named, a Song-style CJK face stands in on systems without it.
    QFont::insertSubstitutions(QStringLiteral("宋体"),
                               {QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                                QStringLiteral("AR PL UMing CN")});

    TForm1 form;
    TForm2 about(&form);
    form.SetAboutDialog(&about);
    form.show();
    return QApplication::exec();
}
