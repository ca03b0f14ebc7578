// What a keyboard or a screen reader meets on every panel: each control a person can operate
// has a name that says what it does, and every group of option buttons keeps one choice.
#include "support/MainWindowHarness.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
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
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
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
