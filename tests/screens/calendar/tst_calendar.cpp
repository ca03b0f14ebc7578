// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar of daily change: rows and colours of the days, the counters, the views, and the
// day opened from the grid.
#include "screens/calendar/CalendarController.h"
#include "support/MainWindowHarness.h"
#include "support/ScreenHarness.h"
#include "ui/Grid.h"
#include "ui/MonthCalendar.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {
void writeData(ScreenHarness<CalendarController> &h, const QStringList &records)
{
    h.write(FileName::data1, records.join(u"\r\n"_s) + u"\r\n"_s);
}
constexpr uint green = 12648384, yellow = 12648447, red = 12632319, purple = 16761024;
} // namespace

class TestCalendar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void daysAndRows_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QStringList>("months");
        QTest::addColumn<QList<uint>>("cells"); // row, day, detail colour, simple colour; per measured day
        QTest::newRow("single record") << QStringList{line(u"2003/11/08"_s, 65.5)} << QStringList{u"2003年11月"_s}
                                       << QList<uint>{1, 8, purple, red};
        QTest::newRow("65.0 64.0 65.0 unchanged")
            << QStringList{line(u"2003/11/08"_s, 65), line(u"2003/11/08"_s, 64), line(u"2003/11/08"_s, 65)} << QStringList{u"2003年11月"_s}
            << QList<uint>{1, 8, yellow, green};
        QTest::newRow("99.8 then 100.2 increased, then decreased")
            << QStringList{line(u"2003/11/08"_s, 99.8), line(u"2003/11/08"_s, 100.2), line(u"2003/11/09"_s, 100.2), line(u"2003/11/09"_s, 99.9)}
            << QStringList{u"2003年11月"_s} << QList<uint>{1, 8, red, red, 1, 9, green, green};
        QTest::newRow("31 January, no February") << QStringList{line(u"2004/01/31"_s, 60), line(u"2004/03/05"_s, 60)}
                                                 << QStringList{u"2004年01月"_s, u"2004年03月"_s}
                                                 << QList<uint>{1, 31, purple, red, 2, 5, purple, red};
        QTest::newRow("10 January in its row") << QStringList{line(u"2004/01/10"_s, 60), line(u"2004/01/10"_s, 59), line(u"2004/02/15"_s, 60)}
                                               << QStringList{u"2004年01月"_s, u"2004年02月"_s}
                                               << QList<uint>{1, 10, green, green, 2, 15, purple, red};
    }
    void daysAndRows()
    {
        QFETCH(QStringList, records);
        QFETCH(QStringList, months);
        QFETCH(QList<uint>, cells);
        ScreenHarness<CalendarController> h;
        writeData(h, records);
        h.controller->prepareAfterHiding();
        Grid *grid = h.find<Grid>(u"msgList2"_s);
        QCOMPARE(grid->rows(), int(months.size()) + 1);
        int coloured = 0;
        for (int r = 1; r < grid->rows(); ++r) {
            QCOMPARE(grid->textMatrix(r, 0), months[r - 1]);
            for (int c = 1; c <= 31; ++c) {
                bool has = false;
                grid->cellBackColor(r, c, &has);
                coloured += has;
            }
        }
        QCOMPARE(coloured, int(cells.size()) / 4);
        const QString onceText = h.find<QLabel>(u"lblOne_c"_s)->text();
        for (int view : {1, 0}) {
            h.controller->cmdSel1_Click(view);
            for (int i = 0; i < cells.size(); i += 4)
                QCOMPARE(grid->cellBackColor(int(cells[i]), int(cells[i + 1])), cells[i + 2 + view]);
            QCOMPARE(h.find<QLabel>(u"lblOne_c"_s)->text(), onceText); // the counters do not change with the view
        }
        if (records.size() == 1) {
            QCOMPARE(onceText, u"１回だけ計測  1日"_s);
            for (const QString &other : {u"lblDn_c"_s, u"lblUp_c"_s, u"lblSm_c"_s})
                QVERIFY(h.find<QLabel>(other)->text().endsWith(u"  0日"_s));
        }
    }

    void unmeasuredDays_data()
    {
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("unmeasured");
        QTest::newRow("every day up to yesterday") << QStringList{u"2004/01/01"_s, u"2004/01/01"_s, u"2004/01/02"_s} << QDate(2004, 1, 3) << 1;
        QTest::newRow("today measured too") << QStringList{u"2004/01/01"_s, u"2004/01/02"_s, u"2004/01/03"_s} << QDate(2004, 1, 3) << 0;
        QTest::newRow("gaps, and a day after today") << QStringList{u"2004/01/01"_s, u"2004/01/05"_s, u"2004/02/01"_s} << QDate(2004, 1, 10) << 8;
        QTest::newRow("today before the start") << QStringList{u"2004/01/05"_s} << QDate(2004, 1, 1) << 0;
        QTest::newRow("no records") << QStringList{} << QDate(2004, 1, 1) << 0;
    }
    void unmeasuredDays()
    {
        QFETCH(QStringList, dates);
        QFETCH(QDate, today);
        QList<Measurement> records;
        for (const QString &d : dates)
            records.append({d, u"朝"_s, 60, QString(), 20, QString()});
        QTEST(ComputeCalendar(records, today).counts.unmeasured, "unmeasured");
    }

    void goodAgainstBadDays_data()
    {
        QTest::addColumn<QList<int>>("counts"); // decreased, unchanged, increased, once
        QTest::addColumn<QString>("sign");
        QTest::addColumn<int>("face");
        QTest::newRow("equal totals") << QList<int>{2, 1, 1, 2} << u"="_s << int(CalendarFace::Smiling);
        QTest::newRow("more good days") << QList<int>{3, 0, 1, 1} << u">"_s << int(CalendarFace::Laughing);
        QTest::newRow("more bad days") << QList<int>{0, 1, 1, 1} << u"<"_s << int(CalendarFace::Sad);
    }
    void goodAgainstBadDays()
    {
        QFETCH(QList<int>, counts);
        const CalendarSummary s = SummarizeCalendar({counts[0], counts[1], counts[2], counts[3], 0});
        QTEST(s.sign, "sign");
        QTEST(int(s.face), "face");
        QCOMPARE(s.good, QString::number(counts[0] + counts[1]) + u'日');
        QCOMPARE(s.bad, QString::number(counts[2] + counts[3]) + u'日');
    }

    void doubleClickOpensTheDay_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QDate>("opened");
        QTest::newRow("8 November") << 1 << 8 << QDate(2003, 11, 8);
        QTest::newRow("heading row") << 0 << 8 << QDate();
        QTest::newRow("month column") << 1 << 0 << QDate();
        QTest::newRow("31 November") << 1 << 31 << QDate();
        QTest::newRow("29 February 2004") << 2 << 29 << QDate(2004, 2, 29);
        QTest::newRow("30 February") << 2 << 30 << QDate();
    }
    void doubleClickOpensTheDay()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QDate, opened);
        ScreenHarness<CalendarController> h;
        writeData(h, {line(u"2003/11/20"_s, 65), line(u"2004/02/01"_s, 65)});
        h.controller->prepareAfterHiding();
        Q_EMIT h.find<Grid>(u"msgList2"_s)->cellDoubleClicked(row, col);
        QCOMPARE(h.shell.entryDaysOpened, opened.isValid() ? QList<QDate>{opened} : QList<QDate>{});
    }

    // Through the window: the button, a partner switch back to the detail view, and Enter on a
    // day, which opens the entry screen on it.
    void inTheWindow()
    {
        MainWindowHarness h;
        h.writeCouple({line(u"2026/11/08"_s, 65), line(u"2026/11/08"_s, 64)}, {line(u"2026/12/01"_s, 55)});
        h.setHelpTour(0);
        h.start();
        h.click(u"cmdCale"_s);
        auto *grid = h.find<Grid>(u"msgList2"_s);
        QCOMPARE(grid->textMatrix(1, 0), u"2026年11月"_s);
        QCOMPARE(grid->cellBackColor(1, 8), green);
        h.click(u"cmdSel1(1)"_s);
        h.click(u"cmdUser2"_s);
        QVERIFY(h.visible(u"fraCale"_s));
        QCOMPARE(grid->textMatrix(1, 0), u"2026年12月"_s);
        QCOMPARE(grid->cellBackColor(1, 1), purple);
        QVERIFY(!h.find<QLabel>(u"imgKana2"_s)->isHidden());
        h.click(u"cmdUser1"_s);
        grid->setCurrentCell(1, 8);
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(h.visible(u"fraMain"_s));
        QCOMPARE(h.find<MonthCalendar>(u"mtvmain"_s)->selectedDate(), QDate(2026, 11, 8));
        QVERIFY(h.dialogs.shown.isEmpty());
    }
};

QTEST_MAIN(TestCalendar)
#include "tst_calendar.moc"
