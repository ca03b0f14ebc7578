// SPDX-License-Identifier: GPL-3.0-or-later
// What a keyboard or a screen reader meets on every panel: each control a person can operate
// has a name that says what it does, and every group of option buttons keeps one choice.
#include "support/MainWindowHarness.h"

#include "screens/shell/ScreenController.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>

namespace {

const char *const kPanels[] = {"fraAvgTai", "fraMain", "fraTaijyu", "fraRenTai", "fraBunseki", "fraCale", "fraMemo", "fraSettei"};

bool operable(QWidget *w)
{
    return qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractItemView *>(w)
           || qobject_cast<QComboBox *>(w) || qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QScrollBar *>(w);
}

QString accessibleName(QWidget *w)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

QString frameTitle(QWidget *w)
{
    for (QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
        if (auto *box = qobject_cast<QGroupBox *>(p))
            return box->title();
    }
    return QString();
}

// The buttons that choose among each other: a button group when there is one, otherwise the
// auto-exclusive siblings under one parent.
QList<QRadioButton *> groupOf(QRadioButton *option, const QList<QRadioButton *> &all)
{
    QList<QRadioButton *> group;
    for (QRadioButton *other : all) {
        const bool same = option->group() ? other->group() == option->group()
                                          : !other->group() && other->parentWidget() == option->parentWidget();
        if (same)
            group << other;
    }
    return group;
}

// A couple with measurements, the help tour off, the window up.
void startCouple(MainWindowHarness &h)
{
    h.writeCouple({line(QStringLiteral("2026/12/01"), 70.0), line(QStringLiteral("2026/12/07"), 69.5)},
                  {line(QStringLiteral("2026/12/01"), 55.0)});
    h.setHelpTour(0);
    h.start();
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyControlHasAName_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::newRow("window") << QString();
        for (const char *panel : kPanels)
            QTest::newRow(panel) << QString::fromLatin1(panel);
    }
    void everyControlHasAName()
    {
        QFETCH(QString, panel);
        MainWindowHarness h;
        startCouple(h);
        QWidget *root = panel.isEmpty() ? h.window.get() : h.find(panel);
        QStringList missing;
        for (QWidget *w : root->findChildren<QWidget *>()) {
            if (!operable(w) || !w->isEnabled() || w->objectName().isEmpty())
                continue;
            // The window's own controls here; each panel's in its own row.
            if (panel.isEmpty() && std::any_of(std::begin(kPanels), std::end(kPanels), [&](const char *p) {
                    return h.find(QString::fromLatin1(p))->isAncestorOf(w);
                }))
                continue;
            const QString name = accessibleName(w).trimmed();
            if (name.isEmpty() || name == frameTitle(w))
                missing << QStringLiteral("%1 「%2」").arg(w->objectName(), name);
            // Typing into an editable box, a screen reader is on the text box inside it.
            if (auto *box = qobject_cast<QComboBox *>(w); box && box->isEditable() && accessibleName(box->lineEdit()).trimmed().isEmpty())
                missing << w->objectName() + QStringLiteral("'s text box");
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    }

    // A label that shows a value lets a screen reader have it: its accessible name holds its text.
    void everyLabelSaysWhatItShows_data()
    {
        QTest::addColumn<QString>("panel");
        for (const char *panel : kPanels)
            QTest::newRow(panel) << QString::fromLatin1(panel);
    }
    void everyLabelSaysWhatItShows()
    {
        QFETCH(QString, panel);
        MainWindowHarness h;
        startCouple(h);
        h.window->show();
        for (ScreenController *screen : h.window->findChildren<ScreenController *>()) {
            if (screen->panel()->objectName() == panel)
                h.window->openScreen(screen);
        }
        QVERIFY(h.visible(panel));
        QStringList silent;
        int values = 0;
        for (QLabel *label : h.window->findChildren<QLabel *>()) {
            const QString text = label->text().simplified();
            if (!label->isVisible() || text.isEmpty() || Qt::mightBeRichText(text))
                continue;
            ++values;
            if (!accessibleName(label).simplified().contains(text))
                silent << QStringLiteral("%1 「%2」 named 「%3」").arg(label->objectName(), text, accessibleName(label));
        }
        QVERIFY(values >= 2); // the partner counts at least
        QVERIFY2(silent.isEmpty(), qPrintable(silent.join(QStringLiteral(", "))));
    }

    // The counts beside the partner buttons: the number and how it compares, after every change.
    void partnerCountsSayTheirValue()
    {
        MainWindowHarness h;
        h.writeCouple({line(QStringLiteral("2026/12/07"), 70.0)}, {line(QStringLiteral("2026/12/07"), 55.0)});
        h.setHelpTour(0);
        h.start();
        auto name = [&](const char *label) { return accessibleName(h.find(QString::fromLatin1(label))); };
        QCOMPARE(name("lblUser1"), QStringLiteral("登録者1のこの日の入力回数 1回（相手と同じ）"));
        QCOMPARE(name("lblUser2"), QStringLiteral("登録者2のこの日の入力回数 1回（相手と同じ）"));
        QVERIFY(!QAccessible::queryAccessibleInterface(h.find(QStringLiteral("lblUser1")))->text(QAccessible::Description).isEmpty());

        // Partner 1 measures once more that day.
        h.click(QStringLiteral("cmdMain"));
        auto *situations = h.find<QListWidget>(QStringLiteral("lstAct"));
        situations->setCurrentRow(0);
        QTest::mouseClick(situations->viewport(), Qt::LeftButton, {}, situations->visualItemRect(situations->item(0)).center());
        h.find<QLineEdit>(QStringLiteral("txtTaiInp"))->setText(QStringLiteral("69.8"));
        h.find<QLineEdit>(QStringLiteral("txtShiInp"))->setText(QStringLiteral("25"));
        h.click(QStringLiteral("cmdTaiHozon"));
        QCOMPARE(h.find<QLabel>(QStringLiteral("lblUser1"))->text(), QStringLiteral("2"));
        QCOMPARE(name("lblUser1"), QStringLiteral("登録者1のこの日の入力回数 2回（相手より多い）"));
        QCOMPARE(name("lblUser2"), QStringLiteral("登録者2のこの日の入力回数 1回（相手より少ない）"));
    }

    void everyOptionGroupKeepsOneChoice_data()
    {
        QTest::addColumn<QString>("panel");
        for (const char *panel : kPanels)
            QTest::newRow(panel) << QString::fromLatin1(panel);
    }
    void everyOptionGroupKeepsOneChoice()
    {
        QFETCH(QString, panel);
        MainWindowHarness h;
        startCouple(h);
        h.window->show();
        const QList<QRadioButton *> options = h.find(panel)->findChildren<QRadioButton *>();
        for (QRadioButton *option : options) {
            if (!option->isEnabled())
                continue;
            // Chosen, then chosen again: it stays the one choice of its group.
            for (int click = 0; click < 2; ++click) {
                option->click();
                const QList<QRadioButton *> group = groupOf(option, options);
                const auto checked = std::count_if(group.begin(), group.end(), [](QRadioButton *b) { return b->isChecked(); });
                QVERIFY2(option->isChecked() && checked == 1,
                         qPrintable(QStringLiteral("%1 (click %2): %3 checked in its group").arg(option->objectName()).arg(click + 1).arg(checked)));
            }
            h.dialogs.clear();
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
