#include <QtTest>

#include "WindowFixture.h"
#include "GameBoard.h"

class BoardWindowTest : public QObject {
    Q_OBJECT

private slots:
    void probe() {
        ShownWindow w;
        qDebug() << w.image->size() << w.form->size() << w.form->CellSize;
        qDebug() << w.form->StatusText(0);
    }
};

QTEST_MAIN(BoardWindowTest)
#include "BoardWindowTest.moc"
