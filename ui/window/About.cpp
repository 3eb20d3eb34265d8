#include "About.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

#include "AppInfo.h"
#include "Version.h"
#include "ui_About.h"

TForm2::TForm2(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TForm2>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    ShowTexts();
    ui->OKButton->setFocus();
}

TForm2::~TForm2() = default;

void TForm2::ShowTexts() {
    ui->ProductName->setText(wuziqi::ProductTitle());
    ui->Version->setText(tr("版本 %1\n\n%2")
                             .arg(QString::fromLatin1(wuziqi::ProgramVersion),
                                  QString::fromLatin1(wuziqi::HomePageAddress)));
}

void TForm2::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        ShowTexts();
    }
    QDialog::changeEvent(event);
}

void TForm2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // In the middle of the desktop, like the main window.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    ui->OKButton->setFocus();
}
