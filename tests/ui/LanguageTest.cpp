// The interface in English and back: every text of the main window, its menus, its status
// panels, the start page and the About dialog follows the language at once, and Qt's own
// dialogs follow it too.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QFileDialog>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

#include "About.h"
#include "GameTexts.h"
#include "Language.h"
#include "SettingsTestMain.h"
#include "WindowFixture.h"

namespace {

// The texts that are the same in every language: the language menu and its entries.
bool SameInEveryLanguage(const QString& text) {
    return text == QStringLiteral("语言 / Language") || text == QStringLiteral("中文") ||
           text == QStringLiteral("English");
}

bool HasChinese(const QString& text) {
    for (const QChar c : text)
        if (c.script() == QChar::Script_Han) return true;
    return false;
}

bool InFileDialog(const QObject* object) {
    for (; object; object = object->parent())
        if (qobject_cast<const QFileDialog*>(object)) return true;
    return false;
}

// Every text a person can see on the windows and their actions, by object and property, the
// file dialogs' included: theirs are keyed "Qt ...".
QMap<QString, QString> VisibleTexts(const QList<QWidget*>& windows) {
    QMap<QString, QString> texts;
    const auto add = [&texts](const QObject* object, const char* property, const QString& text) {
        if (text.trimmed().isEmpty()) return;
        texts.insert(QStringLiteral("%1%2 %3 %4")
                         .arg(InFileDialog(object) ? "Qt " : "", object->objectName())
                         .arg(reinterpret_cast<quintptr>(object))
                         .arg(QLatin1String(property)),
                     text);
    };
    for (QWidget* window : windows) {
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets << window;
        for (const QWidget* widget : widgets) {
            add(widget, "windowTitle", widget->isWindow() ? widget->windowTitle() : QString());
            add(widget, "toolTip", widget->toolTip());
            if (auto* label = qobject_cast<const QLabel*>(widget))
                add(label, "text", label->text());
            if (auto* button = qobject_cast<const QAbstractButton*>(widget))
                add(button, "text", button->text());
            if (auto* menu = qobject_cast<const QMenu*>(widget)) add(menu, "title", menu->title());
            if (auto* page = qobject_cast<const QTextBrowser*>(widget))
                add(page, "page", page->toPlainText());
        }
        for (const QAction* action : window->findChildren<QAction*>()) {
            add(action, "text", action->text());
            add(action, "toolTip", action->toolTip());
        }
    }
    return texts;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void everyVisibleTextFollowsTheLanguage() {
        UseLanguage(Language::Chinese);  // as the program starts
        ShownWindow w;
        TForm2 about(w.form.get());
        w.form->SetAboutDialog(&about);
        w.form->Timer1Timer();  // the clock panels
        w.emit form->Session().PatternMismatch(3);
        const QList<QWidget*> windows = {w.form.get(), &about};
        const QMap<QString, QString> chinese = VisibleTexts(windows);
        QVERIFY(chinese.size() > 50);

        // The file dialogs are made anew in each language, so theirs are other objects.
        const auto programs = [](QMap<QString, QString> texts) {
            texts.removeIf([](const auto& text) { return text.key().startsWith("Qt "); });
            return texts;
        };
        w.Action("EnglishAction")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        const QMap<QString, QString> english = VisibleTexts(windows);
        QCOMPARE(programs(english).keys(), programs(chinese).keys());
        for (auto text = english.begin(); text != english.end(); ++text) {
            if (SameInEveryLanguage(text.value())) continue;
            QVERIFY2(!HasChinese(text.value()), qPrintable(text.key() + ": " + text.value()));
            QVERIFY2(text.value() != chinese[text.key()] || !HasChinese(chinese[text.key()]),
                     qPrintable(text.key()));
        }
        QVERIFY(w.Action("EnglishAction")->isChecked());

        w.Action("ChineseAction")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(programs(VisibleTexts(windows)), programs(chinese));
    }

    void messagesMadeFromValuesAreTranslated() {
        const auto messages = [] {
            QStringList texts = {GameTexts::Thinking(), GameTexts::Win(wuziqi::Black),
                                 GameTexts::Refusal(wuziqi::PlaceRefusal::PointTaken)};
            for (auto verdict : {wuziqi::Verdict::IWin, wuziqi::Verdict::YouWin,
                                 wuziqi::Verdict::YouMightWin, wuziqi::Verdict::IMightWin})
                texts << GameTexts::Verdict(verdict);
            // The refusals of saved games, the last two naming the 7th move.
            for (int error = 1; error <= static_cast<int>(wuziqi::SavedGameError::PointTaken);
                 ++error)
                texts << GameTexts::SavedGameRefusal(static_cast<wuziqi::SavedGameError>(error), 6);
            return texts;
        };
        const QStringList chinese = messages();
        QCOMPARE(chinese[1], QStringLiteral("Black Win!"));
        QCOMPARE(chinese[2], QStringLiteral(" Set Wrong!"));
        QVERIFY(chinese.last().startsWith(QStringLiteral("不是棋盘文件！\n")));
        QVERIFY(chinese.last().contains(QStringLiteral("第 7 步")));

        UseLanguage(Language::English);
        const QStringList english = messages();
        UseLanguage(Language::Chinese);
        for (int i = 0; i < chinese.size(); ++i)
            QVERIFY2(english[i] != chinese[i] && !HasChinese(english[i]), qPrintable(english[i]));
        QVERIFY(english.last().contains(QStringLiteral("Move 7")));
    }

    void qtsOwnDialogsFollowTheLanguage() {
        const auto okText = [] {
            QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Ok);
            return box.button(QMessageBox::Ok)->text();
        };
        UseLanguage(Language::Chinese);
        if (okText() == QStringLiteral("&OK") || okText() == QStringLiteral("OK"))
            QSKIP("Qt's Chinese translations are not installed");
        QVERIFY(HasChinese(okText()));
        UseLanguage(Language::English);
        QVERIFY(!HasChinese(okText()));
        UseLanguage(Language::Chinese);
    }

    // In English the clock panels fit their texts and are seen whole in the window's classic
    // width; back in Chinese the panels have their classic widths again.
    void theStatusPanelsFitTheirTextsInEveryLanguage() {
        UseLanguage(Language::Chinese);
        ShownWindow w;
        const auto panel = [&w](int i) {
            return w.form->findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(i));
        };
        w.form->Record().BlackClock = w.form->Record().WhiteClock = 123;
        w.Action("EnglishAction")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        w.form->Timer1Timer();
        for (int i : {2, 3}) {
            const int needed = panel(i)->sizeHint().width();
            QVERIFY2(needed <= panel(i)->width() &&
                         panel(i)->x() + needed <= panel(i)->parentWidget()->width(),
                     qPrintable(panel(i)->text()));
        }
        w.Action("ChineseAction")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(panel(3)->geometry(), QRect(350, 0, 200, panel(3)->height()));
    }

    // Qt's file dialog names its places (the sidebar's "Computer") when it is made: the window
    // makes its dialogs anew in the new language, each in the folder it was showing.
    void theFileDialogsPlacesFollowTheLanguage() {
        UseLanguage(Language::Chinese);
        ShownWindow w;
        const auto dialog = [&w] {
            return w.form->findChild<QFileDialog*>(QStringLiteral("OpenDialog1"));
        };
        const auto places = [&dialog] {
            const QAbstractItemModel* model =
                dialog()->findChild<QAbstractItemView*>(QStringLiteral("sidebar"))->model();
            QStringList names;
            for (int row = 0; row < model->rowCount(); ++row)
                names << model->index(row, 0).data().toString();
            return names.join(QLatin1Char('|'));
        };
        if (!HasChinese(places())) QSKIP("Qt's Chinese translations are not installed");
        QTemporaryDir folder;
        dialog()->setDirectory(folder.path());

        w.Action("EnglishAction")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QVERIFY2(!places().isEmpty() && !HasChinese(places()), qPrintable(places()));
        QCOMPARE(dialog()->directory(), QDir(folder.path()));
        UseLanguage(Language::Chinese);
    }

    // Panel 0 is drawn from values: the verdict under a hint comes back in the language shown
    // when the hint goes, not in the one it was first said in.
    void theVerdictUnderAHintComesBackInTheNewLanguage() {
        UseLanguage(Language::Chinese);
        ShownWindow w;
        const auto panel = [&w] { return w.form->StatusText(0); };
        // Black, the computer, is given an open three, then answers a far stone with its four.
        w.Action("N12")->trigger();
        for (auto [x, y] : {std::pair{1, 1}, {9, 8}, {15, 1}, {10, 8}})
            w.Click(x, y);
        w.Action("N11")->trigger();
        w.Click(1, 15);
        QCOMPARE(panel(), QStringLiteral("我赢了! "));
        w.Action("ActionHint")->trigger();
        QTRY_VERIFY(!w.form->Session().HintThinking());
        QVERIFY(w.form->Session().HintPoint() && panel() != QStringLiteral("我赢了! "));

        UseLanguage(Language::English);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QVERIFY(w.form->Session().HintPoint());
        w.Action("N8")->trigger();  // any other command takes the hint away
        QCOMPARE(panel(), QStringLiteral("I win! "));
        UseLanguage(Language::Chinese);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(panel(), QStringLiteral("我赢了! "));
    }
};

WUZIQI_SETTINGS_TEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
