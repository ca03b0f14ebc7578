// The calendar of daily change: classes, rows and colours of the days, the counters, the views,
// and the double-click that opens a day.
#include "screens/calendar/CalendarController.h"
#include "screens/calendar/CalendarMonths.h"
#include "screens/calendar/CalendarPanel.h"
#include "support/MainWindowHarness.h"
#include "support/ScreenHarness.h"
#include "ui/Grid.h"
#include "ui/MonthCalendar.h"

#include <QLabel>

namespace {
QString lines(const QStringList &records)
{
    return records.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}
struct Cell {
    int row;
    int col;
    uint colour;
};
} // namespace

class TestCalendar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void daysAndRows_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QStringList>("months");
        QTest::addColumn<QList<int>>("cells"); // row, day, class; per classified day
        const auto dc = [](DayClass c) { return int(c); };
        QTest::newRow("single record") << QStringList{line(QStringLiteral("2003/11/08"), 65.5)}
                                       << QStringList{QStringLiteral("2003年11月")} << QList<int>{1, 8, dc(DayClass::Once)};
        QTest::newRow("65.0 64.0 65.0 unchanged")
            << QStringList{line(QStringLiteral("2003/11/08"), 65), line(QStringLiteral("2003/11/08"), 64), line(QStringLiteral("2003/11/08"), 65)}
            << QStringList{QStringLiteral("2003年11月")} << QList<int>{1, 8, dc(DayClass::Unchanged)};
        QTest::newRow("99.8 then 100.2 increased, a decrease after")
            << QStringList{line(QStringLiteral("2003/11/08"), 99.8), line(QStringLiteral("2003/11/08"), 100.2),
                           line(QStringLiteral("2003/11/09"), 100.2), line(QStringLiteral("2003/11/09"), 99.9)}
            << QStringList{QStringLiteral("2003年11月")} << QList<int>{1, 8, dc(DayClass::Increased), 1, 9, dc(DayClass::Decreased)};
        QTest::newRow("31 January, no February") << QStringList{line(QStringLiteral("2004/01/31"), 60), line(QStringLiteral("2004/03/05"), 60)}
                                                 << QStringList{QStringLiteral("2004年01月"), QStringLiteral("2004年03月")}
                                                 << QList<int>{1, 31, dc(DayClass::Once), 2, 5, dc(DayClass::Once)};
        QTest::newRow("10 January in its row") << QStringList{line(QStringLiteral("2004/01/10"), 60), line(QStringLiteral("2004/01/10"), 59),
                                                              line(QStringLiteral("2004/02/15"), 60)}
                                               << QStringList{QStringLiteral("2004年01月"), QStringLiteral("2004年02月")}
                                               << QList<int>{1, 10, dc(DayClass::Decreased), 2, 15, dc(DayClass::Once)};
    }
    void daysAndRows()
    {
        QFETCH(QStringList, records);
        QFETCH(QStringList, months);
        QFETCH(QList<int>, cells);
        ScreenHarness<CalendarController> h;
        h.state.currentDataFile = FileName::data1;
        h.write(FileName::data1, lines(records));
        h.controller->prepareAfterHiding();
        Grid *grid = h.find<Grid>(QStringLiteral("msgList2"));
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
        QCOMPARE(coloured, int(cells.size()) / 3);
        // Both views: unchanged and once change colour, the others and the counters do not.
        for (int view : {0, 1}) {
            h.controller->cmdSel1_Click(view);
            const CalendarView v = view ? CalendarView::Simple : CalendarView::Detail;
            for (int i = 0; i < cells.size(); i += 3) {
                bool has = false;
                QCOMPARE(grid->cellBackColor(cells[i], cells[i + 1], &has), DayColour(DayClass(cells[i + 2]), v));
                QVERIFY(has);
            }
            if (records.size() == 1) {
                QCOMPARE(h.find<QLabel>(QStringLiteral("lblOne_c"))->text(), QStringLiteral("１回だけ計測  1日"));
                for (const char *other : {"lblDn_c", "lblUp_c", "lblSm_c"})
                    QVERIFY(h.find<QLabel>(QString::fromLatin1(other))->text().endsWith(QStringLiteral("  0日")));
            }
        }
        QCOMPARE(DayColour(DayClass::Once, CalendarView::Detail), 16761024u);
        QCOMPARE(DayColour(DayClass::Once, CalendarView::Simple), 12632319u);
        QCOMPARE(DayColour(DayClass::Unchanged, CalendarView::Simple), 12648384u);
    }

    void unmeasuredDays_data()
    {
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("unmeasured");
        QTest::newRow("every day up to yesterday") << QStringList{QStringLiteral("2004/01/01"), QStringLiteral("2004/01/01"), QStringLiteral("2004/01/02")} << QDate(2004, 1, 3) << 1;
        QTest::newRow("today measured too") << QStringList{QStringLiteral("2004/01/01"), QStringLiteral("2004/01/02"), QStringLiteral("2004/01/03")} << QDate(2004, 1, 3) << 0;
        QTest::newRow("gaps, and a day after today") << QStringList{QStringLiteral("2004/01/01"), QStringLiteral("2004/01/05"), QStringLiteral("2004/02/01")} << QDate(2004, 1, 10) << 8;
        QTest::newRow("today before the start") << QStringList{QStringLiteral("2004/01/05")} << QDate(2004, 1, 1) << 0;
        QTest::newRow("no records") << QStringList{} << QDate(2004, 1, 1) << 0;
    }
    void unmeasuredDays()
    {
        QFETCH(QStringList, dates);
        QFETCH(QDate, today);
        QList<Measurement> records;
        for (const QString &d : dates)
            records.append({d, QStringLiteral("朝"), 60, QString(), 20, QString()});
        QTEST(ComputeCalendar(records, today).counts.unmeasured, "unmeasured");
    }

    void summary_data()
    {
        QTest::addColumn<QList<int>>("counts"); // decreased, unchanged, increased, once
        QTest::addColumn<QString>("sign");
        QTest::addColumn<int>("face");
        QTest::newRow("equal totals") << QList<int>{2, 1, 1, 2} << QStringLiteral("=") << int(CalendarFace::Smiling);
        QTest::newRow("more good days") << QList<int>{3, 0, 1, 1} << QStringLiteral(">") << int(CalendarFace::Laughing);
        QTest::newRow("more bad days") << QList<int>{0, 1, 1, 1} << QStringLiteral("<") << int(CalendarFace::Sad);
    }
    void summary()
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
        h.state.currentDataFile = FileName::data1;
        h.write(FileName::data1, lines({line(QStringLiteral("2003/11/20"), 65), line(QStringLiteral("2004/02/01"), 65)}));
        h.controller->prepareAfterHiding();
        Q_EMIT h.find<Grid>(QStringLiteral("msgList2"))->cellDoubleClicked(row, col);
        QCOMPARE(h.shell.entryDaysOpened, opened.isValid() ? QList<QDate>{opened} : QList<QDate>{});
    }

    // Through the window: the button, the partner switch back to the detail view, and the
    // entry screen opened on the day double-clicked.
    void inTheWindow()
    {
        MainWindowHarness h;
        h.writeCouple({line(QStringLiteral("2026/11/08"), 65), line(QStringLiteral("2026/11/08"), 64)},
                      {line(QStringLiteral("2026/12/01"), 55)});
        h.setHelpTour(0);
        h.start();
        h.click(QStringLiteral("cmdCale"));
        QVERIFY(h.visible(QStringLiteral("fraCale")));
        auto *grid = h.find<Grid>(QStringLiteral("msgList2"));
        QCOMPARE(grid->textMatrix(1, 0), QStringLiteral("2026年11月"));
        QCOMPARE(grid->cellBackColor(1, 8), DayColour(DayClass::Decreased, CalendarView::Detail));
        h.click(QStringLiteral("cmdSel1(1)"));
        QVERIFY(h.visible(QStringLiteral("fraCale")));
        h.click(QStringLiteral("cmdUser2"));
        QVERIFY(h.visible(QStringLiteral("fraCale")));
        QCOMPARE(grid->textMatrix(1, 0), QStringLiteral("2026年12月"));
        QCOMPARE(grid->cellBackColor(1, 1), DayColour(DayClass::Once, CalendarView::Detail));
        QVERIFY(!h.find<QLabel>(QStringLiteral("imgKana2"))->isHidden());
        h.click(QStringLiteral("cmdUser1"));
        grid->setCurrentCell(1, 8);
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(h.visible(QStringLiteral("fraMain")));
        QCOMPARE(h.find<MonthCalendar>(QStringLiteral("mtvmain"))->selectedDate(), QDate(2026, 11, 8));
        QVERIFY(h.dialogs.shown.isEmpty());
    }
};

QTEST_MAIN(TestCalendar)
#include "tst_calendar.moc"
