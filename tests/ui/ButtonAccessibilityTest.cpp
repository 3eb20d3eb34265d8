// What a screen reader finds of the window's two buttons: push buttons named by their captions
// that it can press.
#include <QAccessible>
#include <QSignalSpy>
#include <QtTest>

#include "MainForm.h"
#include "XPButton.h"

class ButtonAccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void windowButtonsArePushButtonsNamedByTheirCaptions() {
        TForm1 form;
        const QList<std::pair<QString, QString>> buttons = {
            {QStringLiteral("XPButton1"), QStringLiteral("重新开局游戏")},
            {QStringLiteral("XPButton2"), QStringLiteral("开始游戏")}};
        for (const auto& [name, caption] : buttons) {
            auto* button = form.findChild<wuziqi::TXPButton*>(name);
            QVERIFY2(button != nullptr, qPrintable(name));
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(button);
            QVERIFY2(reader != nullptr, qPrintable(name));
            QCOMPARE(reader->role(), QAccessible::PushButton);
            QCOMPARE(reader->text(QAccessible::Name), caption);
        }

        // Pressing through the screen reader clicks the button.
        auto* start = form.findChild<wuziqi::TXPButton*>(QStringLiteral("XPButton2"));
        QSignalSpy clicked(start, &wuziqi::TXPButton::OnClick);
        QAccessibleActionInterface* actions =
            QAccessible::queryAccessibleInterface(start)->actionInterface();
        QVERIFY(actions != nullptr);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(clicked.count(), 1);
    }
};

QTEST_MAIN(ButtonAccessibilityTest)
#include "ButtonAccessibilityTest.moc"
