// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever number a person saves as a weight, every screen still opens and draws sane axes, and
// the program starts again on that diary.
#include "support/MainWindowHarness.h"

#include "store/DataFile.h"
#include "ui/Chart.h"

#include <QChart>
#include <QLineEdit>
#include <QListWidget>
#include <QValueAxis>

#include <cmath>

namespace {
const QStringList kScreenButtons = {QStringLiteral("cmdAvgtai"), QStringLiteral("cmdMain"),    QStringLiteral("cmdTaijyu"),
                                    QStringLiteral("cmdRentai"), QStringLiteral("cmdBunseki"), QStringLiteral("cmdCale"),
                                    QStringLiteral("cmdMemo"),   QStringLiteral("cmdSettei")};

// Every value axis of every chart: a finite, ordered range whose ticks a screen can hold. An
// axis laid out with a tick every kilogram over a range of 1e11 would take the program's memory.
// The charts whose axes are not, by name; none when all are.
QStringList chartsWithBrokenAxes(const MainWindowHarness &h)
{
    QStringList broken;
    for (Chart *chart : h.window->findChildren<Chart *>()) {
        chart->sync();
        for (QAbstractAxis *abstractAxis : chart->chart()->axes(Qt::Vertical)) {
            const auto *axis = qobject_cast<QValueAxis *>(abstractAxis);
            const bool sane = axis && std::isfinite(axis->min()) && std::isfinite(axis->max()) && axis->min() < axis->max()
                              && (axis->tickType() != QValueAxis::TicksDynamic || (axis->max() - axis->min()) / axis->tickInterval() <= 100.0);
            if (!sane)
                broken << chart->objectName();
        }
    }
    return broken;
}

// The same on every screen, opened one after the other.
QStringList brokenOnEveryScreen(MainWindowHarness &h)
{
    QStringList broken;
    for (const QString &button : kScreenButtons) {
        h.click(button);
        QCoreApplication::processEvents();
        for (const QString &chart : chartsWithBrokenAxes(h))
            broken << button + QStringLiteral(": ") + chart;
    }
    return broken;
}
} // namespace

class UnusualValuesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Typed on the entry screen, whose checks take it (an import refuses such values).
    void savedAndShownEverywhere_data()
    {
        QTest::addColumn<QString>("weight");
        QTest::newRow("eleven nines") << QStringLiteral("99999999999");
        QTest::newRow("negative") << QStringLiteral("-5");
        QTest::newRow("zero") << QStringLiteral("0");
    }
    void savedAndShownEverywhere()
    {
        QFETCH(QString, weight);
        MainWindowHarness h;
        h.writeCouple({line(QStringLiteral("2026/12/01"), 70.0), line(QStringLiteral("2026/12/05"), 69.0)},
                      {line(QStringLiteral("2026/12/03"), 55.0)});
        h.setHelpTour(0);
        h.start();
        h.click(QStringLiteral("cmdMain"));
        auto *situations = h.find<QListWidget>(QStringLiteral("lstAct"));
        QListWidgetItem *first = situations->item(0);
        situations->setCurrentItem(first);
        QTest::mouseClick(situations->viewport(), Qt::LeftButton, {}, situations->visualItemRect(first).center());
        h.find<QLineEdit>(QStringLiteral("txtTaiInp"))->setText(weight);
        h.find<QLineEdit>(QStringLiteral("txtShiInp"))->setText(QStringLiteral("20"));
        h.click(QStringLiteral("cmdTaiHozon"));

        // The number is kept: the stored text reads back as what was typed.
        const MeasurementFile file = ReadMeasurements(DataFolder(h.path()), FileName::data1);
        QCOMPARE(file.records.size(), 3);
        QCOMPARE(file.records.last().weight, weight.toFloat());
        QCOMPARE(file.records.last().bodyFat, 20.0f);
        QVERIFY(file.malformed.isEmpty());

        QStringList broken = brokenOnEveryScreen(h);
        h.click(QStringLiteral("cmdUser2"));
        broken << brokenOnEveryScreen(h);
        h.click(QStringLiteral("cmdUser1"));
        broken << brokenOnEveryScreen(h);
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u'\n')));

        // The next morning's start on that diary.
        h.window.reset();
        h.start();
        broken = chartsWithBrokenAxes(h) + brokenOnEveryScreen(h);
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u'\n')));
    }
};

QTEST_MAIN(UnusualValuesTest)
#include "tst_unusualvalues.moc"
