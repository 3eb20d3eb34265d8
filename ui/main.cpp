#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Wuziqi"));
    auto* label = new QLabel(QStringLiteral("五子棋 — the board is coming soon."), &window);
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    window.resize(573, 589);
    window.show();
    return app.exec();
}
