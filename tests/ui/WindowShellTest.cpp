#include <QtTest>

#include "WindowFixture.h"
#include "GameBoard.h"

class WindowShellTest : public QObject {
    Q_OBJECT

private slots:
    void probe() {
        ShownWindow w;
        qDebug() << w.image->size() << w.form->size() << w.form->CellSize;
        qDebug() << w.form->StatusText(0);
    }
};

QTEST_MAIN(WindowShellTest)
#include "WindowShellTest.moc"
