// Input to the button: mouse presses and drags, Space and Enter, the accelerator, Default and
// Cancel through the window, clicks by kind, and the shared hover highlight.

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "ButtonTestSupport.h"

using namespace wuziqi;
using namespace wuziqi::testing;

namespace {

bool GlyphResourcesPresent() {
    return !QImage(QStringLiteral(":/XPBOK")).isNull();
}

const QPoint kCentre(50, 11);

// An active window with an edit field and two toolbar-sized buttons side by side.
struct Window {
    QWidget window;
    QLineEdit* edit;
    TXPButton* first;
    TXPButton* second;

    Window() {
        window.resize(300, 100);
        edit = new QLineEdit(&window);
        edit->setGeometry(10, 60, 100, 24);
        first = MakeToolbarButton(&window);
        first->move(10, 10);
        second = MakeToolbarButton(&window);
        second->move(110, 10);
        window.show();
    }
};

void SendKey(QWidget* target, QEvent::Type type, int key, bool autoRepeat,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
    QApplication::sendEvent(target, &event);
}

}  // namespace

class ButtonInputTest : public QObject {
    Q_OBJECT

  private slots:
    void pressDragAndRelease() {
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        TXPButton* button = w.first;
        QSignalSpy clicked(button, &TXPButton::OnClick);

        // Dragged off and released outside: no click.
        QTest::mousePress(button, Qt::LeftButton, {}, kCentre);
        QCOMPARE(button->DrawState(), TButtonDrawState::Down);
        QVERIFY(button->IsTracking());
        QVERIFY(button->hasFocus());
        QTest::mouseMove(button, QPoint(-10, 11));
        QCOMPARE(button->DrawState(), TButtonDrawState::Up);
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-10, 11));
        QCOMPARE(clicked.count(), 0);
        QVERIFY(!button->IsTracking());

        // Dragged off and back on: one click, with the button as sender.
        QTest::mousePress(button, Qt::LeftButton, {}, kCentre);
        QTest::mouseMove(button, QPoint(120, 11));
        QCOMPARE(button->DrawState(), TButtonDrawState::Up);
        QTest::mouseMove(button, kCentre);
        QCOMPARE(button->DrawState(), TButtonDrawState::Down);
        QTest::mouseRelease(button, Qt::LeftButton, {}, kCentre);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).value<TXPButton*>(), button);
        QCOMPARE(button->DrawState(), TButtonDrawState::Up);

        // The row just below the button still counts as on it; the column right of it not.
        QTest::mousePress(button, Qt::LeftButton, {}, kCentre);
        QTest::mouseMove(button, QPoint(50, 22));
        QCOMPARE(button->DrawState(), TButtonDrawState::Down);
        QTest::mouseMove(button, QPoint(100, 11));
        QCOMPARE(button->DrawState(), TButtonDrawState::Up);
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(50, 22));
        QCOMPARE(clicked.count(), 2);
    }

    void rightButtonNeitherPressesNorClicks() {
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QSignalSpy clicked(w.first, &TXPButton::OnClick);
        QTest::mousePress(w.first, Qt::RightButton, {}, kCentre);
        QCOMPARE(w.first->DrawState(), TButtonDrawState::Up);
        QVERIFY(!w.first->IsTracking());
        QTest::mouseRelease(w.first, Qt::RightButton, {}, kCentre);
        QCOMPARE(clicked.count(), 0);
    }

    void doubleClickIsTwoPresses() {
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QSignalSpy clicked(w.first, &TXPButton::OnClick);
        QTest::mousePress(w.first, Qt::LeftButton, {}, kCentre);
        QTest::mouseRelease(w.first, Qt::LeftButton, {}, kCentre);
        QTest::mouseDClick(w.first, Qt::LeftButton, {}, kCentre);
        QCOMPARE(w.first->DrawState(), TButtonDrawState::Down);
        QTest::mouseRelease(w.first, Qt::LeftButton, {}, kCentre);
        QCOMPARE(clicked.count(), 2);
    }

    void disabledButtonIgnoresTheMouse() {
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QSignalSpy clicked(w.first, &TXPButton::OnClick);
        w.first->setEnabled(false);
        QTest::mouseClick(w.first, Qt::LeftButton, {}, kCentre);
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(w.first->DrawState(), TButtonDrawState::Disabled);
    }

    void spaceAndEnterPressUntilReleased_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }

    void spaceAndEnterPressUntilReleased() {
        QFETCH(int, key);
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        TXPButton* button = w.first;
        button->setFocus();
        QSignalSpy clicked(button, &TXPButton::OnClick);
        SendKey(button, QEvent::KeyPress, key, false);
        QCOMPARE(button->DrawState(), TButtonDrawState::Down);
        // A held key repeats; nothing clicks until the real release.
        for (int i = 0; i < 3; ++i) {
            SendKey(button, QEvent::KeyRelease, key, true);
            SendKey(button, QEvent::KeyPress, key, true);
        }
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(button->DrawState(), TButtonDrawState::Down);
        SendKey(button, QEvent::KeyRelease, key, false);
        QCOMPARE(button->DrawState(), TButtonDrawState::Up);
        QCOMPARE(clicked.count(), 1);
    }

    void enterGoesToTheDefaultButtonFirst() {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.second->SetDefault(true);
        QSignalSpy firstClicked(w.first, &TXPButton::OnClick);
        QSignalSpy defaultClicked(w.second, &TXPButton::OnClick);

        // From the edit field, Enter travels up to the window and clicks the Default button.
        w.edit->setFocus();
        QTest::keyClick(w.edit, Qt::Key_Return);
        QCOMPARE(defaultClicked.count(), 1);

        // A focused button leaves Enter to the Default one.
        w.first->setFocus();
        QTest::keyClick(w.first, Qt::Key_Return);
        QCOMPARE(defaultClicked.count(), 2);
        QCOMPARE(firstClicked.count(), 0);

        // A disabled Default button leaves Enter alone.
        w.second->setEnabled(false);
        QTest::keyClick(w.edit, Qt::Key_Return);
        QCOMPARE(defaultClicked.count(), 2);
        QTest::keyClick(w.first, Qt::Key_Return);
        QCOMPARE(firstClicked.count(), 1);
    }

    void escapeClicksTheCancelButtonOnlyWhenItCouldTakeFocus() {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.second->SetCancel(true);
        QSignalSpy cancelled(w.second, &TXPButton::OnClick);
        w.edit->setFocus();

        QTest::keyClick(w.edit, Qt::Key_Escape);
        QCOMPARE(cancelled.count(), 1);
        QTest::keyClick(w.edit, Qt::Key_Escape, Qt::ShiftModifier);
        QTest::keyClick(w.edit, Qt::Key_Escape, Qt::ControlModifier);
        QCOMPARE(cancelled.count(), 1);

        w.second->setFocusPolicy(Qt::NoFocus);
        QTest::keyClick(w.edit, Qt::Key_Escape);
        QCOMPARE(cancelled.count(), 1);
        w.second->SetTabStop(true);

        w.second->setEnabled(false);
        QTest::keyClick(w.edit, Qt::Key_Escape);
        QCOMPARE(cancelled.count(), 1);
        w.second->setEnabled(true);

        w.second->hide();
        QTest::keyClick(w.edit, Qt::Key_Escape);
        QCOMPARE(cancelled.count(), 1);
        w.second->show();
        QTest::keyClick(w.edit, Qt::Key_Escape);
        QCOMPARE(cancelled.count(), 2);
    }

    void acceleratorFocusesAndClicks() {
        Window w;
        w.first->SetCaption(QStringLiteral("开始(&S)"));
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.edit->setFocus();
        QSignalSpy clicked(w.first, &TXPButton::OnClick);

        QTest::keyClick(w.edit, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(clicked.count(), 1);
        QVERIFY(w.first->hasFocus());

        w.first->setEnabled(false);
        QTest::keyClick(w.edit, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(clicked.count(), 1);
        w.first->setEnabled(true);

        // From a focused button the letter alone will do; an edit field keeps its letters.
        w.second->setFocus();
        QTest::keyClick(w.second, Qt::Key_S);
        QCOMPARE(clicked.count(), 2);
        QVERIFY(w.first->hasFocus());
        w.edit->setFocus();
        QTest::keyClick(w.edit, Qt::Key_S);
        QCOMPARE(clicked.count(), 2);
        QTest::keyClick(w.first, Qt::Key_X);
        QCOMPARE(clicked.count(), 2);

        // "&&" is a plain ampersand, not an accelerator.
        w.first->SetCaption(QStringLiteral("S&&L"));
        QTest::keyClick(w.edit, Qt::Key_S, Qt::AltModifier);
        QTest::keyClick(w.edit, Qt::Key_L, Qt::AltModifier);
        QCOMPARE(clicked.count(), 2);
    }

    void modalResultEndsTheDialog() {
        QDialog dialog;
        dialog.resize(200, 60);
        auto* ok = MakeToolbarButton(&dialog);
        ok->SetModalResult(1);
        QSignalSpy clicked(ok, &TXPButton::OnClick);
        QTimer::singleShot(0, ok, [&] {
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QTest::mouseClick(ok, Qt::LeftButton, {}, kCentre);
        });
        QCOMPARE(dialog.exec(), 1);
        QCOMPARE(clicked.count(), 1);

        // Result 0 leaves the dialog open; a handler may also take the result back.
        ok->SetModalResult(0);
        bool stillOpen = false;
        QTimer::singleShot(0, ok, [&] {
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QTest::mouseClick(ok, Qt::LeftButton, {}, kCentre);
            stillOpen = dialog.isVisible();
            ok->SetModalResult(7);
            auto connection = connect(ok, &TXPButton::OnClick, [&] { dialog.setResult(0); });
            QTest::mouseClick(ok, Qt::LeftButton, {}, kCentre);
            stillOpen = stillOpen && dialog.isVisible();
            disconnect(connection);
            dialog.done(3);
        });
        QCOMPARE(dialog.exec(), 3);
        QVERIFY(stillOpen);
    }

    void kindOKClickedOnAModalDialogReturnsOne() {
        if (!GlyphResourcesPresent()) QSKIP("the glyph pictures are not linked in");
        QDialog dialog;
        auto* ok = new TXPButton(&dialog);
        ok->SetKind(bkOK);
        QTimer::singleShot(0, ok, [&] {
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QTest::mouseClick(ok, Qt::LeftButton, {}, QPoint(10, 10));
        });
        QCOMPARE(dialog.exec(), 1);
    }

    void kindCloseClosesItsWindowWithoutTheHandler() {
        if (!GlyphResourcesPresent()) QSKIP("the glyph pictures are not linked in");
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        w.first->SetKind(bkClose);
        QCOMPARE(w.first->Caption(), QStringLiteral("关闭"));
        QSignalSpy clicked(w.first, &TXPButton::OnClick);
        QTest::mouseClick(w.first, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!w.window.isVisible());
        QCOMPARE(clicked.count(), 0);

        // Without a window to close, the handler runs.
        TXPButton alone;
        alone.SetKind(bkClose);
        QSignalSpy aloneClicked(&alone, &TXPButton::OnClick);
        alone.Click();
        QCOMPARE(aloneClicked.count(), 1);
    }

    void kindHelpShowsTheNearestHelpContext() {
        if (!GlyphResourcesPresent()) QSKIP("the glyph pictures are not linked in");
        QList<int> shown;
        TXPButton::SetHelpHandler([&](int context) { shown.append(context); });
        QWidget outer;
        QWidget inner(&outer);
        auto* help = new TXPButton(&inner);
        help->SetKind(bkHelp);
        QSignalSpy clicked(help, &TXPButton::OnClick);

        help->Click();
        QCOMPARE(clicked.count(), 1);
        QVERIFY(shown.isEmpty());

        outer.setProperty("HelpContext", 40);
        help->Click();
        inner.setProperty("HelpContext", 12);
        help->Click();
        QCOMPARE(shown, (QList<int>{40, 12}));
        QCOMPARE(clicked.count(), 1);
        TXPButton::SetHelpHandler(nullptr);
    }

    void hoverMovesBetweenButtonsAndGoesOffSoonAfterLeaving() {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QSignalSpy entered(w.first, &TXPButton::OnMouseEnter);
        QSignalSpy left(w.first, &TXPButton::OnMouseLeave);

        PointAt(w.first, kCentre);
        QTRY_VERIFY(w.first->IsHot());
        QCOMPARE(TXPButton::HoveredButton(), w.first);
        QCOMPARE(entered.count(), 1);

        // Straight onto the neighbour: the highlight switches at once.
        PointAt(w.second, kCentre);
        QTRY_VERIFY(w.second->IsHot());
        QVERIFY(!w.first->IsHot());
        QCOMPARE(TXPButton::HoveredButton(), w.second);
        QCOMPARE(left.count(), 1);

        // Off both: the timer takes the highlight away.
        PointAt(&w.window, QPoint(250, 80));
        QTRY_VERIFY_WITH_TIMEOUT(!w.second->IsHot(), 1000);
        QCOMPARE(TXPButton::HoveredButton(), nullptr);
    }

    void highlightStaysWhileTheButtonIsHeld() {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        PointAt(w.first, kCentre);
        QTRY_VERIFY(w.first->IsHot());
        QTest::mousePress(w.first, Qt::LeftButton, {}, kCentre);
        QCursor::setPos(w.window.mapToGlobal(QPoint(250, 80)));
        QTest::qWait(300);
        QVERIFY(w.first->IsHot());
        QTest::mouseRelease(w.first, Qt::LeftButton, {}, QPoint(240, 70));
        QVERIFY(!w.first->IsHot());
    }

    void disablingDropsTheHighlightAndEnablingRestoresIt() {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        PointAt(w.first, kCentre);
        QTRY_VERIFY(w.first->IsHot());
        w.first->setEnabled(false);
        QVERIFY(!w.first->IsHot());
        QCOMPARE(w.first->DrawState(), TButtonDrawState::Disabled);
        QCOMPARE(TXPButton::HoveredButton(), nullptr);
        w.first->setEnabled(true);
        QVERIFY(w.first->IsHot());
        PointAt(&w.window, QPoint(250, 80));
        QTRY_VERIFY_WITH_TIMEOUT(!w.first->IsHot(), 1000);
    }

    void noHighlightWithoutAnActiveWindow() {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QApplication::setActiveWindow(nullptr);
        QVERIFY(QApplication::activeWindow() == nullptr);
        QTest::mouseMove(w.first, kCentre);
        QVERIFY(!w.first->IsHot());
        QCOMPARE(TXPButton::HoveredButton(), nullptr);
    }

    void restartButtonWorksOnAToolbar() {
        // The way the main window puts its restart button on the toolbar.
        QWidget window;
        window.resize(400, 60);
        auto* toolbar = new QToolBar(&window);
        toolbar->setGeometry(0, 0, 400, 28);
        auto* restart = new TXPButton(toolbar);
        restart->setObjectName(QStringLiteral("XPButton1"));
        restart->setFixedSize(100, 22);
        restart->SetCaption(QStringLiteral("重新开局游戏"));
        toolbar->addWidget(restart);
        int restarts = 0;
        connect(restart, &TXPButton::OnClick, &window, [&] { ++restarts; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(restart->size(), QSize(100, 22));
        QVERIFY(restart->isVisible());
        QTest::mouseClick(restart, Qt::LeftButton, {}, kCentre);
        QCOMPARE(restarts, 1);
        PointAt(&window, QPoint(390, 50));
        QTRY_VERIFY_WITH_TIMEOUT(!restart->IsHot(), 1000);
        const QImage image = Render(restart);
        QCOMPARE(image.pixel(2, 1), Grey(252));
    }

    void destroyingTheHoveredButtonStopsTheWatch() {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        PointAt(w.first, kCentre);
        QTRY_COMPARE(TXPButton::HoveredButton(), w.first);
        delete w.first;
        QCOMPARE(TXPButton::HoveredButton(), nullptr);
        QTest::qWait(150);  // a tick now must find nothing to watch
    }
};

QTEST_MAIN(ButtonInputTest)
#include "ButtonInputTest.moc"
