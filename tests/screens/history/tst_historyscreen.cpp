// SPDX-License-Identifier: GPL-3.0-or-later
// The history screen fraTaijyu as the user sees it: every filter from its buttons, the list's
// rows and arrows, its scrolling, the date lists, and the quantity options of the three charts.

#include "screens/analyses/TrendController.h"
#include "screens/analyses/TrendPanel.h"
#include "screens/entry/EntryController.h"
#include "screens/entry/EntryDay.h"
#include "screens/entry/EntryPanel.h"
#include "screens/history/HistoryController.h"
#include "screens/history/HistoryPanel.h"
#include "store/FileNames.h"
#include "support/ScreenHarness.h"
#include "ui/ButtonColour.h"
#include "ui/Chart.h"
#include "ui/Grid.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

namespace {

// Today is Saturday 2003/11/08. Mondays: 10/06, 10/13, 10/27, 11/03 and 11/10, after today.
// Each record has a letter, A to K.
const QStringList kRecords = {
    QStringLiteral("\"2003/10/06\",\"起床後\",70,\"\",25,\"\""),           // A
    QStringLiteral("\"2003/10/07\",\"夕食後\",69.8,\"\",24.8,\"\""),       // B
    QStringLiteral("\"2003/10/08\",\"起床後\",69.84,\"\",24.9,\"\""),      // C: 0.04 up
    QStringLiteral("\"2003/10/13\",\"起床後（散歩）\",69.9,\"\",24.7,\"\""), // D: 0.06 up
    QStringLiteral("\"2003/10/27\",\"夕食後\",69.5,\"\",24.5,\"\""),       // E
    QStringLiteral("\"2003/11/01\",\"起床後\",69.2,\"\",24.2,\"\""),       // F
    QStringLiteral("\"2003/11/03\",\"起床後\",69,\"\",24,\"\""),           // G
    QStringLiteral("\"2003/11/07\",\"夕食後\",68.8,\"\",23.9,\"\""),       // H
    QStringLiteral("\"2003/11/08\",\"起床後\",68.6,\"\",23.8,\"\""),       // I
    QStringLiteral("\"2003/11/08\",\"夕食後\",68.9,\"\",24,\"\""),         // J
    QStringLiteral("\"2003/11/10\",\"起床後\",68.5,\"\",23.5,\"\""),       // K: after today
};

// "03/10/06 起床後" for each letter: the date and situation columns of its row.
QStringList rowsOf(const QString &letters)
{
    QStringList rows;
    for (const QChar letter : letters) {
        const QStringList fields = kRecords[letter.unicode() - 'A'].split(u',');
        rows << fields[0].mid(3, 8) + u' ' + fields[1].mid(1, fields[1].size() - 2);
    }
    return rows;
}

QStringList texts(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *text : list)
        result << QString::fromUtf8(text);
    return result;
}

QString fileOf(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

struct HistoryHarness : ScreenHarness<HistoryController> {
    HistoryPanel *panel() { return controller->historyPanel(); }
    Grid *grid() { return panel()->msgBunseki; }

    HistoryHarness()
    {
        writeProfile(1, {QString(), 170.0f, 0.0f});
        writeProfile(2, {QString(), 170.0f, 0.0f});
        clock.day = QDate(2003, 11, 8);
        situations.setEntries({QStringLiteral("起床後"), QStringLiteral("夕食後")});
        host->resize(900, 420);
        panel()->resize(host->size());
        host->show();
        host->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(host.get()));
    }
    // As the screen button does it.
    void enter()
    {
        panel()->hide();
        controller->prepareAfterHiding();
        panel()->show();
    }
    // A button's name, "lst:" and an entry to click, "click:txtKey", "type:" text into the key,
    // "enter", or "from:" / "to:" and the text of a date box.
    void act(const QString &step)
    {
        const QString arg = step.section(u':', 1);
        if (step.startsWith(QStringLiteral("lst:"))) {
            QListWidget *list = panel()->lstAct2;
            QListWidgetItem *item = list->findItems(arg, Qt::MatchExactly).value(0);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        } else if (step == QStringLiteral("click:txtKey")) {
            QTest::mouseClick(panel()->txtKey, Qt::LeftButton);
        } else if (step.startsWith(QStringLiteral("type:"))) {
            panel()->txtKey->insert(arg); // as an input method hands over Japanese text
        } else if (step == QStringLiteral("enter")) {
            QTest::keyClick(panel()->txtKey, Qt::Key_Return);
        } else if (step.startsWith(QStringLiteral("from:")) || step.startsWith(QStringLiteral("to:"))) {
            (step.startsWith(u'f') ? panel()->cboStdate : panel()->cboEddate)->setEditText(arg);
        } else {
            QTest::mouseClick(find<QPushButton>(step), Qt::LeftButton);
        }
    }
    QStringList listed()
    {
        QStringList rows;
        for (int r = 1; r < grid()->rows(); ++r)
            rows << grid()->textMatrix(r, 1) + u' ' + grid()->textMatrix(r, 3);
        return rows;
    }
    QStringList chosenButtons()
    {
        QStringList names;
        for (QPushButton *button : host->findChildren<QPushButton *>()) {
            if (buttonBackColor(button) == Colour::lightYellow)
                names << button->objectName();
        }
        names.sort();
        return names;
    }
};

} // namespace

class TestHistoryScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filters_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QString>("said"); // why the list is empty, when its period admits nothing
        const auto row = [](const char *name, std::initializer_list<const char *> steps, const char *rows,
                            std::initializer_list<const char *> chosen, const char *said = "") {
            QTest::newRow(name) << texts(steps) << QString::fromLatin1(rows) << texts(chosen) << QString::fromUtf8(said);
        };
        const auto all = {"cmdAllDay", "cmdAllWeek", "cmdAllact"};

        row("entering lists every record", {}, "ABCDEFGHIJK", all);
        row("前日", {"cmdKikan1"}, "HIJ", {"cmdAllWeek", "cmdAllact", "cmdKikan1"});
        row("３日", {"cmdKikan8"}, "HIJ", {"cmdAllWeek", "cmdAllact", "cmdKikan8"});
        row("１週間: eight dates", {"cmdKikan2"}, "FGHIJ", {"cmdAllWeek", "cmdAllact", "cmdKikan2"});
        row("２週間", {"cmdKikan3"}, "EFGHIJ", {"cmdAllWeek", "cmdAllact", "cmdKikan3"});
        row("１ヶ月", {"cmdKikan4"}, "DEFGHIJ", {"cmdAllWeek", "cmdAllact", "cmdKikan4"});
        row("３ヶ月: nothing after today", {"cmdKikan5"}, "ABCDEFGHIJ", {"cmdAllWeek", "cmdAllact", "cmdKikan5"});
        row("全部: start of the diet to today", {"cmdKikan6", "cmdAllDay"}, "ABCDEFGHIJ", all);
        row("月 over the whole file", {"cmdWeek(1)"}, "ADEGK", {"cmdAllDay", "cmdAllact", "cmdWeek(1)"});
        row("月 then １ヶ月", {"cmdWeek(1)", "cmdKikan4"}, "DEG", {"cmdAllact", "cmdKikan4", "cmdWeek(1)"});
        row("weekday 全部", {"cmdWeek(1)", "cmdAllWeek"}, "ABCDEFGHIJK", all);
        row("key inside a longer situation", {"lst:起床後"}, "ACDFGIK", {"cmdAllDay", "cmdAllWeek"});
        row("key and weekday", {"lst:起床後", "cmdWeek(1)"}, "ADGK", {"cmdAllDay", "cmdWeek(1)"});
        row("situation 全部 keeps weekday and period", {"lst:起床後", "cmdWeek(1)", "cmdKikan4", "cmdAllact"}, "DEG",
            {"cmdAllact", "cmdKikan4", "cmdWeek(1)"});
        row("typed key", {"click:txtKey", "type:食後", "enter"}, "BEHJ", {"cmdAllDay", "cmdAllWeek"});
        row("clicking into the key empties it", {"lst:夕食後", "click:txtKey", "enter"}, "ABCDEFGHIJK", {"cmdAllDay", "cmdAllWeek"});
        row("任意", {"from:2003/10/13", "to:2003/10/27", "cmdKikanF"}, "DE", {"cmdAllWeek", "cmdAllact", "cmdKikanF"});
        row("last day before the first", {"from:2003/11/01", "to:2003/10/31", "cmdKikanF"}, "",
            {"cmdAllWeek", "cmdAllact", "cmdKikanF"}, "期間の終わりの日（2003/10/31）が初めの日（2003/11/01）より前のため、当てはまる記録はありません。");
        row("empty last day", {"to:", "cmdWeek(1)"}, "", {"cmdAllDay", "cmdAllact", "cmdWeek(1)"},
            "期間の終わりの日が空欄のため、当てはまる記録はありません。終わりの日を入れてください。");
        row("empty first day", {"from:", "to:2003/10/07", "cmdKikanF"}, "AB", {"cmdAllWeek", "cmdAllact", "cmdKikanF"});
        row("entering again keeps an earlier period's colour", {"cmdKikan4", "cmdTaijyu"}, "ABCDEFGHIJK",
            {"cmdAllDay", "cmdAllWeek", "cmdAllact", "cmdKikan4"});
    }
    void filters()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, rows);
        QFETCH(QStringList, chosen);
        QFETCH(QString, said);
        HistoryHarness h;
        h.write(FileName::data1, fileOf(kRecords));
        h.enter();
        for (const QString &step : steps) {
            if (step == QStringLiteral("cmdTaijyu"))
                h.enter();
            else
                h.act(step);
        }
        QCOMPARE(h.dialogs.shown.isEmpty() ? QString() : h.dialogs.shown.last().text, said);
        QCOMPARE(h.listed(), rowsOf(rows));
        QCOMPARE(h.chosenButtons(), chosen);
        QCOMPARE(h.panel()->mcrBunseki->rowCount(), int(rows.size()));
        if (!rows.isEmpty()) {
            // The first listed row compares with itself.
            for (int col : {5, 7})
                QCOMPARE(h.grid()->textMatrix(1, col), QStringLiteral("0.0Kg"));
            for (int col : {6, 8}) {
                QCOMPARE(h.grid()->textMatrix(1, col), QStringLiteral("→"));
                QCOMPARE(h.grid()->cellBackColor(1, col), Colour::lightYellow);
            }
        }
    }

    // A filter action lists the file as it is then, whatever became of it after entering.
    void filtersReadTheFileAsItIsNow_data()
    {
        QTest::addColumn<QStringList>("lines"); // after entering; none: the file is removed
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("firstWeight");
        QStringList heavier = kRecords;
        heavier[0].replace(QStringLiteral(",70,"), QStringLiteral(",71,"));
        QStringList more = kRecords;
        more.insert(7, QStringLiteral("\"2003/11/03\",\"夕食後\",69.3,\"\",23.9,\"\"")); // after G
        QTest::newRow("unchanged") << kRecords << rowsOf(QStringLiteral("ADEGK")) << QStringLiteral("70.0Kg");
        QTest::newRow("a weight rewritten in place, the size kept")
            << heavier << rowsOf(QStringLiteral("ADEGK")) << QStringLiteral("71.0Kg");
        QTest::newRow("a record more")
            << more << rowsOf(QStringLiteral("ADEG")) + QStringList{QStringLiteral("03/11/03 夕食後")} + rowsOf(QStringLiteral("K"))
            << QStringLiteral("70.0Kg");
        QTest::newRow("removed") << QStringList() << QStringList() << QString();
    }
    void filtersReadTheFileAsItIsNow()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, rows);
        QFETCH(QString, firstWeight);
        HistoryHarness h;
        h.write(FileName::data1, fileOf(kRecords));
        h.enter();
        if (lines.isEmpty())
            QVERIFY(QFile::remove(QDir(h.path()).filePath(FileName::data1)));
        else
            h.write(FileName::data1, fileOf(lines));
        h.act(QStringLiteral("cmdWeek(1)"));
        QCOMPARE(h.listed(), rows);
        QCOMPARE(h.grid()->textMatrix(1, 4), firstWeight);
    }

    // A change from outside while a filtered list is shown lists it again as it was chosen,
    // without a word about a date the user is half-way through typing.
    void outsideChangeKeepsTheChosenFilter()
    {
        HistoryHarness h;
        h.write(FileName::data1, fileOf(kRecords));
        h.enter();
        h.act(QStringLiteral("cmdWeek(1)"));
        h.act(QStringLiteral("from:2003/1"));
        QStringList more = kRecords;
        more.insert(7, QStringLiteral("\"2003/11/03\",\"夕食後\",69.3,\"\",23.9,\"\""));
        h.write(FileName::data1, fileOf(more));
        h.session.refresh();
        h.controller->refreshShown();
        QCOMPARE(h.dialogs.titles(), QStringList());
        QCOMPARE(h.listed(), rowsOf(QStringLiteral("ADEG")) + QStringList{QStringLiteral("03/11/03 夕食後")} + rowsOf(QStringLiteral("K")));
        QCOMPARE(h.panel()->cboStdate->currentText(), QStringLiteral("2003/1"));
    }

    // Typed period dates are read as dates, with or without leading zeros, and shown back in the
    // list's own form (then 月 narrows the period to its Mondays); a text that is no day is
    // refused before any filter changes, the list kept.
    void typedPeriodIsReadAsDates_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QStringList>("shown");
        const QStringList allRecords; // refused: the boxes keep the text
        QTest::newRow("no leading zeros") << QStringList{QStringLiteral("2003/11/1"), QStringLiteral("2003/11/8")} << QStringLiteral("G")
                                          << QStringList{QStringLiteral("2003/11/01"), QStringLiteral("2003/11/08")};
        QTest::newRow("hyphens") << QStringList{QStringLiteral("2003-10-6"), QStringLiteral(" 2003-10-13")} << QStringLiteral("AD")
                                 << QStringList{QStringLiteral("2003/10/06"), QStringLiteral("2003/10/13")};
        QTest::newRow("full-width") << QStringList{QStringLiteral("２００３／１１／３"), QStringLiteral("2003/11/03")} << QStringLiteral("G")
                                    << QStringList{QStringLiteral("2003/11/03"), QStringLiteral("2003/11/03")};
        QTest::newRow("no such day") << QStringList{QStringLiteral("2003/11/31"), QStringLiteral("2003/12/01")}
                                     << QStringLiteral("ABCDEFGHIJK") << allRecords;
        QTest::newRow("words") << QStringList{QStringLiteral("2003/11/01"), QStringLiteral("きのう")} << QStringLiteral("ABCDEFGHIJK")
                               << allRecords;
    }
    void typedPeriodIsReadAsDates()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, rows);
        QFETCH(QStringList, shown);
        HistoryHarness h;
        h.write(FileName::data1, fileOf(kRecords));
        h.enter();
        h.act(QStringLiteral("from:") + typed[0]);
        h.act(QStringLiteral("to:") + typed[1]);
        h.act(QStringLiteral("cmdKikanF"));
        h.act(QStringLiteral("cmdWeek(1)"));
        const bool refused = shown.isEmpty();
        // Refused, neither the period nor the weekday was taken.
        QCOMPARE(h.listed(), rowsOf(rows));
        QCOMPARE(h.controller->selectedWeekday(), refused ? 99 : 1);
        QCOMPARE((QStringList{h.panel()->cboStdate->currentText(), h.panel()->cboEddate->currentText()}), refused ? typed : shown);
        QCOMPARE(h.dialogs.titles(), refused ? QStringList(2, QStringLiteral("期間指定")) : QStringList());
        if (refused)
            QVERIFY(h.dialogs.shown[0].text.contains(typed[0] == QLatin1String("2003/11/31") ? typed[0] : typed[1]));
    }

    void rowsArrowsAndChart()
    {
        HistoryHarness h;
        QStringList lines = kRecords;
        lines.insert(4, QStringLiteral("体重計を買い替えた"));
        h.write(FileName::data1, fileOf(lines));
        h.enter();
        Grid *grid = h.grid();
        // The line that is not a record is skipped and reported.
        QCOMPARE(grid->rows(), 12);
        QVERIFY(!h.shell.malformed.isEmpty() && h.shell.malformed.constLast().contains(QStringLiteral("5行目")));
        QCOMPARE(h.session.recordCount(), 11);
        QStringList first;
        for (int col = 0; col < 12; ++col)
            first << grid->textMatrix(1, col);
        QCOMPARE(first.join(u'|'), QStringLiteral("1|03/10/06|月|起床後|70.0Kg|0.0Kg|→|0.0Kg|→|24.2|10.1%|25.0%"));
        // 0.04 kg shows as 0.0Kg and is level; 0.06 kg shows as 0.1Kg and is up.
        QCOMPARE(grid->textMatrix(3, 5), QStringLiteral("0.0Kg"));
        QCOMPARE(grid->textMatrix(3, 6), QStringLiteral("→"));
        QCOMPARE(grid->cellBackColor(3, 6), Colour::lightYellow);
        QCOMPARE(grid->textMatrix(4, 5), QStringLiteral("0.1Kg"));
        QCOMPARE(grid->textMatrix(4, 6), QStringLiteral("↑"));
        QCOMPARE(grid->cellBackColor(4, 6), Colour::lightRed);
        QCOMPARE(grid->textMatrix(4, 7), QStringLiteral("-0.1Kg"));
        QCOMPARE(grid->cellBackColor(4, 8), Colour::lightGreen);
        Chart *chart = h.panel()->mcrBunseki;
        QCOMPARE(*chart->value(4, 1), double(69.9f));
        QCOMPARE(*chart->value(4, 2), double(24.7f));
        QCOMPARE(chart->axisMinimum(1), 68.0);
        QCOMPARE(chart->axisMaximum(1), 70.0);
        QCOMPARE(chart->axisMinimum(2), 19.0);
        QCOMPARE(chart->axisMaximum(2), 28.0);
        QCOMPARE(h.panel()->cboStdate->currentText(), QStringLiteral("2003/10/06"));
        QCOMPARE(h.panel()->cboEddate->currentText(), QStringLiteral("2003/11/10"));

        // Mondays only: each row against the Monday before.
        h.act(QStringLiteral("cmdWeek(1)"));
        QCOMPARE(grid->textMatrix(2, 5), QStringLiteral("-0.1Kg"));
        QCOMPARE(grid->textMatrix(3, 5), QStringLiteral("-0.4Kg"));

        // The body-fat view stays through a filter action; a listing without a row leaves the
        // axes as they were; entering again chooses the weight view.
        QTest::mouseClick(h.panel()->optShi2, Qt::LeftButton);
        h.act(QStringLiteral("cmdKikan2"));
        QCOMPARE(chart->rowCount(), 1);
        QVERIFY(!chart->seriesVisible(1) && chart->seriesVisible(2) && !chart->axisScaleVisible(1));
        h.act(QStringLiteral("cmdKikan1"));
        QCOMPARE(grid->rows(), 1);
        QCOMPARE(chart->rowCount(), 0);
        QCOMPARE(chart->axisMinimum(1), 69.0);
        QCOMPARE(chart->axisMaximum(1), 69.0);
        h.enter();
        QVERIFY(h.panel()->optTai2->isChecked());
        QVERIFY(chart->seriesVisible(1) && !chart->seriesVisible(2) && !chart->axisScaleVisible(2));
        QCOMPARE(h.controller->selectedWeekday(), 99);
    }

    void scrollLimits_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<bool>("situationOnly");
        QTest::addColumn<bool>("scrolled");
        QTest::newRow("9 rows") << 8 << false << false;
        QTest::newRow("10 rows") << 9 << false << true;
        QTest::newRow("11 rows of one situation") << 10 << true << false;
        QTest::newRow("12 rows of one situation") << 11 << true << true;
    }
    void scrollLimits()
    {
        QFETCH(int, records);
        QFETCH(bool, situationOnly);
        QFETCH(bool, scrolled);
        HistoryHarness h;
        QStringList lines;
        for (int i = 0; i < records; ++i)
            lines << QStringLiteral("\"2003/11/%1\",\"起床後\",%2,\"\",24,\"\"").arg(i + 1, 2, 10, QLatin1Char('0')).arg(70 - i);
        h.write(FileName::data1, fileOf(lines));
        h.enter();
        if (situationOnly)
            h.act(QStringLiteral("lst:起床後"));
        QCoreApplication::processEvents();
        QCOMPARE(h.grid()->rows(), records + 1);
        QVERIFY(h.grid()->verticalScrollBar()->maximum() > 0); // the grid could scroll
        QCOMPARE(h.grid()->topRow() > 1, scrolled);
    }

    void dateListsFollowTheFile()
    {
        HistoryHarness h;
        h.write(FileName::data1, fileOf(kRecords));
        h.write(FileName::data2, fileOf({QStringLiteral("\"2004/01/02\",\"起床後\",55,\"\",28,\"\""),
                                         QStringLiteral("\"2004/01/02\",\"夕食後\",55.4,\"\",28,\"\""),
                                         QStringLiteral("\"2004/01/05\",\"起床後\",55.1,\"\",28,\"\"")}));
        const auto entries = [](QComboBox *box) {
            QStringList items;
            for (int i = 0; i < box->count(); ++i)
                items << box->itemText(i);
            return items;
        };
        QStringList dates;
        for (const QString &line : kRecords) {
            if (!dates.contains(line.mid(1, 10)))
                dates << line.mid(1, 10);
        }
        h.enter();
        h.act(QStringLiteral("cmdKikan2"));
        h.enter();
        for (QComboBox *box : {h.panel()->cboStdate, h.panel()->cboEddate})
            QCOMPARE(entries(box), dates);

        h.session.selectPartner(2);
        h.controller->refreshForPartner();
        for (QComboBox *box : {h.panel()->cboStdate, h.panel()->cboEddate})
            QCOMPARE(entries(box), (QStringList{QStringLiteral("2004/01/02"), QStringLiteral("2004/01/05")}));
        QCOMPARE(h.panel()->cboStdate->currentText(), QStringLiteral("2004/01/02"));
        QCOMPARE(h.panel()->cboEddate->currentText(), QStringLiteral("2004/01/05"));
        QCOMPARE(h.grid()->rows(), 4);
        QVERIFY(h.panel()->isVisible());
    }

    void quantityOnThreeCharts_data()
    {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("weight");
        QTest::addColumn<bool>("bodyFat");
        const char *groups[][4] = {{"mcrMain", "optTai", "optShi", "optKon"},
                                   {"mcrRentai", "optTai1", "optShi1", "optKon1"},
                                   {"mcrBunseki", "optTai2", "optShi2", "optKon2"}};
        for (const auto &g : groups) {
            const QString chart = QString::fromLatin1(g[0]);
            const QString tai = QString::fromLatin1(g[1]);
            const QString shi = QString::fromLatin1(g[2]);
            const QString kon = QString::fromLatin1(g[3]);
            QTest::addRow("%s 体重", g[0]) << chart << shi << tai << true << false;
            QTest::addRow("%s 体脂肪率", g[0]) << chart << tai << shi << false << true;
            QTest::addRow("%s 混合", g[0]) << chart << tai << kon << true << true;
        }
    }
    void quantityOnThreeCharts()
    {
        QFETCH(QString, chart);
        QFETCH(QString, before);
        QFETCH(QString, option);
        QFETCH(bool, weight);
        QFETCH(bool, bodyFat);
        HistoryHarness h;
        new EntryController(h.context, h.host.get());
        h.write(FileName::data1, fileOf(kRecords));
        h.enter();
        auto *trend = new TrendController(h.context, h.host.get());
        trend->panel()->hide();
        trend->LoadTrendData();
        auto *c = h.find<Chart>(chart);
        QTest::mouseClick(h.find<QRadioButton>(before), Qt::LeftButton);
        QTest::mouseClick(h.find<QRadioButton>(option), Qt::LeftButton);
        QCOMPARE(c->axisScaleVisible(1), weight);
        QCOMPARE(c->axisScaleVisible(2), bodyFat);
        QVERIFY(c->columnCount() >= 2);
        for (int column = 1; column <= c->columnCount(); ++column)
            QCOMPARE(c->seriesVisible(column), c->seriesAxis(column) == 2 ? bodyFat : weight);
        // Only what is shown changes, never the points.
        if (chart != QStringLiteral("mcrMain"))
            QCOMPARE(*c->value(1, 1), 70.0);
    }
};

QTEST_MAIN(TestHistoryScreen)
#include "tst_historyscreen.moc"
