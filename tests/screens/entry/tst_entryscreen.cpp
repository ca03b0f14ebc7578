// SPDX-License-Identifier: GPL-3.0-or-later
// Recording measurements through the entry screen: choosing, pre-filling, checking, storing and
// the refresh that follows.
#include "support/MainWindowHarness.h"

#include "screens/entry/EntryController.h"
#include "screens/entry/EntryDay.h"

#include "ui/Chart.h"
#include "ui/Grid.h"
#include "ui/MonthCalendar.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

namespace {
struct EntryHarness : MainWindowHarness {
    const EntryController &entry() const { return *window->findChild<EntryController *>(); }
    void startOnEntry(const QStringList &lines1, const QStringList &lines2 = {line(QStringLiteral("2026/12/01"), 55.0)})
    {
        writeCouple(lines1, lines2);
        setHelpTour(0);
        start();
        click(QStringLiteral("cmdMain"));
    }
    void pickDay(const QDate &day)
    {
        auto *calendar = find<MonthCalendar>(QStringLiteral("mtvmain"));
        calendar->setSelectedDate(day);
        Q_EMIT calendar->dateClick(day);
    }
    void pickSituation(int row)
    {
        auto *list = find<QListWidget>(QStringLiteral("lstAct"));
        QListWidgetItem *item = list->item(row);
        list->setCurrentItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    }
    QLineEdit *box(const char *name) { return find<QLineEdit>(QString::fromLatin1(name)); }
    void type(const char *name, const QString &text)
    {
        box(name)->setText(text);
    }
    Grid *dayList() { return find<Grid>(QStringLiteral("msgDayList")); }
    QStringList data1() { return TestFiles::lines(path(), FileName::data1); }
};
} // namespace

class EntryScreenTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // After a save, an ordered insert or a partner switch the day graph is drawn exactly as when
    // the screen is entered afresh (axes, plot area, markers).
    void dayGraphAfterAChangeAsOnAFreshEntry_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("today"); // partner 1's measurements before the change
        QTest::newRow("first save of the day") << QStringLiteral("save") << 0;
        QTest::newRow("third save of the day") << QStringLiteral("save") << 2;
        QTest::newRow("ordered insert") << QStringLiteral("insert") << 2;
        QTest::newRow("partner switch") << QStringLiteral("cmdUser2") << 2;
    }
    void dayGraphAfterAChangeAsOnAFreshEntry()
    {
        QFETCH(QString, change);
        QFETCH(int, today);
        EntryHarness h;
        const QStringList lines = {line(QStringLiteral("2026/12/01"), 70.0, 30.0), line(QStringLiteral("2026/12/07"), 69.0, 29.0),
                                   line(QStringLiteral("2026/12/07"), 68.6, 28.1)};
        h.startOnEntry(lines.first(today + 1), {line(QStringLiteral("2026/12/07"), 55.0, 24.0), line(QStringLiteral("2026/12/07"), 54.2, 25.0)});
        h.window->resize(1200, 800); // room for the whole screen: the screen's pixels are compared
        auto *chart = h.find<Chart>(QStringLiteral("mcrMain"));
        // What the window system shows: after a change only the parts announced as changed are
        // repainted, while grab() would paint the whole chart afresh.
        auto drawn = [&] {
            QTest::qWait(60);
            const QPoint at = chart->mapTo(chart->window(), QPoint());
            return chart->screen()->grabWindow(chart->window()->winId(), at.x(), at.y(), chart->width(), chart->height()).toImage();
        };
        (void)drawn(); // as the user sees it before the change
        if (change == QLatin1String("cmdUser2")) {
            h.click(change);
        } else {
            if (change == QLatin1String("insert"))
                h.pickDay(QDate(2026, 12, 1));
            h.pickSituation(0);
            h.type("txtTaiInp", QStringLiteral("68.4"));
            h.click(QStringLiteral("cmdTaiHozon"));
        }
        const QImage afterChange = drawn();
        h.click(QStringLiteral("cmdMemo"));
        h.click(QStringLiteral("cmdMain"));
        QVERIFY(afterChange == drawn());
    }

    // The list never shows a choice the screen does not hold: after a save nothing is chosen,
    // and the time or a free text chosen instead is not the entry the list highlighted.
    void situationListShowsOnlyTheChoiceHeld_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("situation");
        QTest::newRow("save") << QStringLiteral("cmdTaiHozon") << QString();
        QTest::newRow("time of day") << QStringLiteral("cmdJikan") << QStringLiteral("06:07:08");
        QTest::newRow("free input") << QStringLiteral("cmdFree") << QStringLiteral("散歩のあと");
        QTest::newRow("another day") << QStringLiteral("mtvmain") << QString();
    }
    void situationListShowsOnlyTheChoiceHeld()
    {
        QFETCH(QString, action);
        QFETCH(QString, situation);
        EntryHarness h;
        h.startOnEntry({line(QStringLiteral("2026/12/01"), 70.0, 30.0)});
        h.clock.time = QTime(6, 7, 8);
        h.dialogs.inputAnswers = {QStringLiteral("散歩のあと")};
        h.dialogs.answers = {MessageAnswer::No};
        auto *list = h.find<QListWidget>(QStringLiteral("lstAct"));
        h.pickSituation(1);
        QCOMPARE(list->selectedItems().size(), 1);
        if (action == QLatin1String("mtvmain"))
            h.pickDay(QDate(2026, 12, 6));
        else
            h.click(action);
        QCOMPARE(h.entry().selectedSituation(), situation);
        QVERIFY(list->selectedItems().isEmpty());
        QCOMPARE(list->currentItem(), nullptr); // not even framed as the current entry
    }

    // From the partner buttons Tab goes through the calendar to the situation list, with no stop
    // that shows nothing on the way; up and down in the boxes do what the arrow buttons beside
    // them do, nothing before a situation is chosen.
    void keyboardOnTheEntryScreen()
    {
        EntryHarness h;
        h.startOnEntry({line(QStringLiteral("2026/12/01"), 70.0, 30.0)});
        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        h.find(QStringLiteral("cmdUser2"))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(h.find(QStringLiteral("mtvmain"))->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), h.find(QStringLiteral("lstAct")));

        QLineEdit *weight = h.box("txtTaiInp");
        QLineEdit *fat = h.box("txtShiInp");
        weight->setText(QStringLiteral("70"));
        QTest::keyClick(weight, Qt::Key_Up);
        QCOMPARE(weight->text(), QStringLiteral("70"));
        h.pickSituation(0);
        const struct {
            QLineEdit *box;
            Qt::Key key;
            const char *expected;
        } keys[] = {{weight, Qt::Key_Up, "70.1"}, {weight, Qt::Key_Down, "70"}, {weight, Qt::Key_Down, "69.9"},
                    {fat, Qt::Key_Up, "30.1"},    {fat, Qt::Key_Down, "30"}};
        for (const auto &k : keys) {
            QTest::keyClick(k.box, k.key);
            QCOMPARE(k.box->text(), QString::fromLatin1(k.expected));
        }
    }

    void checksRunInOrderAndKeepTheInput()
    {
        EntryHarness h;
        h.startOnEntry({line(QStringLiteral("2026/12/01"), 70.0, 30.0)});
        const QByteArray before = TestFiles::bytes(h.path(), FileName::data1);
        h.type("txtTaiInp", QStringLiteral("65"));
        h.type("txtShiInp", QStringLiteral("20"));
        h.click(QStringLiteral("cmdTaiHozon"));
        QCOMPARE(h.dialogs.shown.last(), (Message{MessageIcon::Exclamation, MessageButtons::Ok, QStringLiteral("行動未入力"),
                                                  QStringLiteral("行動が指定されていません")}));
        h.pickSituation(0);
        h.type("txtTaiInp", QStringLiteral("abc"));
        h.click(QStringLiteral("cmdTaiHozon"));
        QCOMPARE(h.dialogs.shown.last().title, QStringLiteral("数値以外入力"));
        QCOMPARE(h.dialogs.shown.last().text, QStringLiteral("数値を入力してください"));
        h.type("txtTaiInp", QStringLiteral("65"));
        h.type("txtShiInp", QString());
        h.click(QStringLiteral("cmdTaiHozon"));
        QCOMPARE(h.dialogs.shown.last().title, QStringLiteral("体脂肪率未入力"));
        QCOMPARE(h.dialogs.shown.size(), 3);
        QCOMPARE(h.box("txtTaiInp")->text(), QStringLiteral("65"));
        QCOMPARE(TestFiles::bytes(h.path(), FileName::data1), before);
    }

    void choosingASituationPrefillsFromTheLastLine()
    {
        EntryHarness h;
        // nothing yet today (12/07): the boxes take the file's last line
        h.startOnEntry({line(QStringLiteral("2026/12/01"), 70.0, 30.0), line(QStringLiteral("2026/12/05"), 65.5, 21.3)});
        QVERIFY(!h.find(QStringLiteral("cmdUp"))->isEnabled());
        h.pickSituation(2);
        QCOMPARE(h.box("txtTaiInp")->text(), QStringLiteral("65.5"));
        QCOMPARE(h.box("txtShiInp")->text(), QStringLiteral("21.3"));
        for (const QString &arrow : {QStringLiteral("cmdUp"), QStringLiteral("cmdDn"), QStringLiteral("cmdUp1"), QStringLiteral("cmdDn1")})
            QVERIFY(h.find(arrow)->isEnabled());
        QCOMPARE(h.entry().selectedSituation(), h.find<QListWidget>(QStringLiteral("lstAct"))->item(2)->text());

        h.click(QStringLiteral("cmdUp"));
        QCOMPARE(h.box("txtTaiInp")->text(), QStringLiteral("65.6"));
        h.click(QStringLiteral("cmdDn"));
        h.click(QStringLiteral("cmdDn"));
        QCOMPARE(h.box("txtTaiInp")->text(), QStringLiteral("65.4"));
        h.click(QStringLiteral("cmdDn1"));
        QCOMPARE(h.box("txtShiInp")->text(), QStringLiteral("21.2"));
    }

    void sameDayAppendsWithTheTimeStampWhenOn()
    {
        EntryHarness h;
        h.startOnEntry({line(QStringLiteral("2026/12/01"), 70.0, 30.0), line(QStringLiteral("2026/12/07"), 69.0, 29.0)});
        h.click(QStringLiteral("chkJikan"));
        QCOMPARE(TestFiles::text(h.path(), FileName::autoTime), QStringLiteral(" 1 \r\n"));
        h.clock.time = QTime(21, 5, 33);
        h.pickSituation(0);
        const QString situation = h.entry().selectedSituation();
        h.type("txtTaiInp", QStringLiteral("68.6"));
        h.type("txtShiInp", QStringLiteral("28.5"));
        h.click(QStringLiteral("cmdTaiHozon"));
        QVERIFY(h.dialogs.shown.isEmpty());
        QCOMPARE(h.data1().size(), 3);
        QCOMPARE(h.data1().last(), QStringLiteral("\"2026/12/07\",\"%1\",68.6,\"21:05:33\",28.5,\"\"").arg(situation));
        // the refresh: two rows today, boxes emptied, arrows off, situation forgotten
        QCOMPARE(h.dayList()->rows(), 3);
        QCOMPARE(h.dayList()->textMatrix(2, 2), QStringLiteral("68.6Kg"));
        QCOMPARE(h.dayList()->textMatrix(2, 3), QStringLiteral("-0.4Kg"));
        QCOMPARE(h.dayList()->textMatrix(2, 4), QStringLiteral("↓"));
        QVERIFY(h.box("txtTaiInp")->text().isEmpty());
        QVERIFY(h.box("txtShiInp")->text().isEmpty());
        QVERIFY(!h.find(QStringLiteral("cmdUp"))->isEnabled());
        QVERIFY(h.entry().selectedSituation().isEmpty());
        QCOMPARE(h.find<QLabel>(QStringLiteral("lblUser1"))->text(), QStringLiteral("2"));
        QVERIFY(h.visible(QStringLiteral("imgNi1")));
        QVERIFY(h.visible(QStringLiteral("imgwara")));

        // without the stamp the comment stays empty
        h.click(QStringLiteral("chkJikan"));
        h.pickSituation(1);
        h.click(QStringLiteral("cmdTaiHozon"));
        QCOMPARE(h.data1().size(), 4);
        QVERIFY(h.data1().last().contains(QStringLiteral(",68.6,\"\",28.5,")));
        QCOMPARE(h.find<QLabel>(QStringLiteral("lblUser1"))->text(), QStringLiteral("3"));
        QVERIFY(h.visible(QStringLiteral("imgWarai1")));
    }

    void earlierDayIsInsertedWithoutComment()
    {
        EntryHarness h;
        h.startOnEntry({line(QStringLiteral("2026/12/01"), 70.0, 30.0), line(QStringLiteral("2026/12/03"), 69.5, 29.5),
                        line(QStringLiteral("2026/12/03"), 69.4, 29.5), line(QStringLiteral("2026/12/05"), 69.0, 29.0)});
        h.click(QStringLiteral("chkJikan"));
        h.pickDay(QDate(2026, 12, 3));
        QCOMPARE(h.dayList()->rows(), 3);
        h.pickSituation(0);
        // the day has measurements: the boxes take its last one
        QCOMPARE(h.box("txtTaiInp")->text(), QStringLiteral("69.4"));
        h.type("txtTaiInp", QStringLiteral("69.2"));
        h.click(QStringLiteral("cmdTaiHozon"));
        QStringList lines = h.data1();
        QCOMPARE(lines.size(), 5);
        QVERIFY(lines[3].startsWith(QStringLiteral("\"2026/12/03\"")));
        QVERIFY(lines[3].contains(QStringLiteral(",69.2,\"\",29.5,")));
        QVERIFY(lines[4].startsWith(QStringLiteral("\"2026/12/05\"")));
        QCOMPARE(h.dayList()->rows(), 4);

        // earlier than everything: the new start of the diet
        h.pickDay(QDate(2026, 11, 30));
        QCOMPARE(h.dayList()->rows(), 1);
        QVERIFY(h.visible(QStringLiteral("imgNashi")));
        h.pickSituation(0);
        h.click(QStringLiteral("cmdTaiHozon"));
        lines = h.data1();
        QCOMPARE(lines.size(), 6);
        QVERIFY(lines[0].startsWith(QStringLiteral("\"2026/11/30\"")));
        QCOMPARE(h.entry().day().startDate, QStringLiteral("2026/11/30"));
    }

    void timeButtonAndFreeSituation()
    {
        EntryHarness h;
        h.startOnEntry({line(QStringLiteral("2026/12/01"), 70.0, 30.0)});
        h.clock.time = QTime(6, 7, 8);
        h.click(QStringLiteral("cmdJikan"));
        QCOMPARE(h.entry().selectedSituation(), QStringLiteral("06:07:08"));
        QCOMPARE(h.box("txtTaiInp")->text(), QStringLiteral("70"));

        const int before = h.find<QListWidget>(QStringLiteral("lstAct"))->count();
        h.dialogs.inputAnswers = {QStringLiteral("散歩のあと")};
        h.dialogs.answers = {MessageAnswer::Yes};
        h.click(QStringLiteral("cmdFree"));
        QVERIFY(h.dialogs.promptsAsked.last().startsWith(QStringLiteral("状況フリー入力|状況リストに無い内容をフリーで入力できます。")));
        QCOMPARE(h.dialogs.shown.last(), (Message{MessageIcon::Question, MessageButtons::YesNo, QStringLiteral("状況リスト登録の有無"),
                                                  QStringLiteral("状況リストに追加しますか？")}));
        QCOMPARE(h.entry().selectedSituation(), QStringLiteral("散歩のあと"));
        for (const QString &list : {QStringLiteral("lstAct"), QStringLiteral("lstAct2"), QStringLiteral("lstKoumoku")}) {
            auto *l = h.find<QListWidget>(list);
            QCOMPARE(l->count(), before + 1);
            QCOMPARE(l->item(before)->text(), QStringLiteral("散歩のあと"));
        }
        QCOMPARE(TestFiles::lines(h.path(), FileName::situationList).last(), QStringLiteral("\"散歩のあと\""));

        // "No": chosen for this measurement, not added
        h.dialogs.inputAnswers = {QStringLiteral("ジムの帰り")};
        h.dialogs.answers = {MessageAnswer::No};
        h.click(QStringLiteral("cmdFree"));
        QCOMPARE(h.entry().selectedSituation(), QStringLiteral("ジムの帰り"));
        QCOMPARE(h.find<QListWidget>(QStringLiteral("lstAct"))->count(), before + 1);

        // cancelled: nothing changes
        h.click(QStringLiteral("cmdFree"));
        QCOMPARE(h.entry().selectedSituation(), QStringLiteral("ジムの帰り"));
    }

    void unstorableSituationIsRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("double quote") << QStringLiteral("\"散歩\"");
        QTest::newRow("emoji") << QStringLiteral("散歩😀");
        QTest::newRow("yen sign") << QStringLiteral("¥100");
    }
    void unstorableSituationIsRefused()
    {
        QFETCH(QString, text);
        EntryHarness h;
        h.startOnEntry({line(QStringLiteral("2026/12/01"), 70.0, 30.0)});
        const QByteArray list = TestFiles::bytes(h.path(), FileName::situationList);
        h.dialogs.inputAnswers = {text};
        h.click(QStringLiteral("cmdFree"));
        QCOMPARE(h.dialogs.shown.size(), 1);
        QCOMPARE(h.dialogs.shown[0].icon, MessageIcon::Exclamation);
        QVERIFY(h.dialogs.shown[0].text.contains(text));
        QVERIFY(h.entry().selectedSituation().isEmpty());
        QCOMPARE(TestFiles::bytes(h.path(), FileName::situationList), list);
    }

    void partnerCountsAndColours()
    {
        EntryHarness h;
        const QString today = QStringLiteral("2026/12/07");
        h.startOnEntry({line(QStringLiteral("2026/12/01"), 70.0), line(today, 69.0), line(today, 68.9), line(today, 69.1)},
                       {line(QStringLiteral("2026/12/01"), 55.0), line(today, 54.0)});
        auto *l1 = h.find<QLabel>(QStringLiteral("lblUser1"));
        auto *l2 = h.find<QLabel>(QStringLiteral("lblUser2"));
        QCOMPARE(l1->text(), QStringLiteral("3"));
        QCOMPARE(l2->text(), QStringLiteral("1"));
        QCOMPARE(l1->palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xC0));
        QCOMPARE(l2->palette().color(QPalette::Window), QColor(0xFF, 0xC0, 0xC0));
        QVERIFY(h.visible(QStringLiteral("imgWarai1")));
        QVERIFY(!h.visible(QStringLiteral("imgNon1")));
        QVERIFY(h.visible(QStringLiteral("imgKura2")));
        // a day where both have nothing
        h.pickDay(QDate(2026, 12, 2));
        QCOMPARE(l1->text(), QStringLiteral("0"));
        QCOMPARE(l1->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xC0));
        QCOMPARE(l2->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xC0));
        QVERIFY(h.visible(QStringLiteral("imgNon1")));
        QVERIFY(h.visible(QStringLiteral("imgNon2")));
    }

    void longDayScrollsToItsNewestRow_data()
    {
        QTest::addColumn<int>("measurements");
        QTest::addColumn<bool>("scrolled");
        QTest::newRow("8: no scrolling") << 8 << false;
        QTest::newRow("9") << 9 << true;
        QTest::newRow("30") << 30 << true;
    }
    void longDayScrollsToItsNewestRow()
    {
        QFETCH(int, measurements);
        QFETCH(bool, scrolled);
        EntryHarness h;
        QStringList lines = {line(QStringLiteral("2026/12/01"), 70.0)};
        for (int i = 0; i < measurements; ++i)
            lines << line(QStringLiteral("2026/12/07"), 69.0 + i / 10.0);
        h.startOnEntry(lines);
        Grid *list = h.dayList();
        QCOMPARE(list->rows(), measurements + 1);
        QScrollBar *bar = list->verticalScrollBar();
        // scrolled as far as the list goes, so the newest row is in view
        QCOMPARE(bar->value(), scrolled ? bar->maximum() : 0);
        if (measurements == 30)
            QVERIFY(bar->maximum() > 0);
    }

    void markerStyleCyclesAndPersists()
    {
        EntryHarness h;
        h.startOnEntry({line(QStringLiteral("2026/12/01"), 70.0)});
        auto *chart = h.find<Chart>(QStringLiteral("mcrMain"));
        QCOMPARE(chart->seriesMarker(1), Chart::Marker::Circle);
        const QStringList expected = {QStringLiteral("2\r\n"), QStringLiteral("0\r\n"), QStringLiteral("1\r\n")};
        const Chart::Marker markers[] = {Chart::Marker::Ball, Chart::Marker::None, Chart::Marker::Circle};
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
            QCOMPARE(TestFiles::text(h.path(), FileName::marker), expected[i]);
            QCOMPARE(chart->seriesMarker(1), markers[i]);
            QCOMPARE(chart->seriesMarker(2), markers[i]);
        }
    }

    void graphShowsTheDayOnTwoAxes()
    {
        EntryHarness h;
        h.startOnEntry({line(QStringLiteral("2026/12/01"), 70.0, 31.0), line(QStringLiteral("2026/12/07"), 65.5, 30.2),
                        line(QStringLiteral("2026/12/07"), 65.0, 29.0)});
        auto *chart = h.find<Chart>(QStringLiteral("mcrMain"));
        QCOMPARE(chart->rowCount(), 2);
        QCOMPARE(chart->point(1, 1), QStringLiteral("65.5"));
        QCOMPARE(chart->point(2, 2), QStringLiteral("29"));
        QCOMPARE(chart->axisMinimum(1), 65.0);
        QCOMPARE(chart->axisMaximum(1), 66.0);
        QCOMPARE(chart->axisMinimum(2), 29.0);
        QCOMPARE(chart->axisMaximum(2), 31.0);
        h.click(QStringLiteral("optTai"));
        QVERIFY(chart->seriesVisible(1));
        QVERIFY(!chart->seriesVisible(2));
        QVERIFY(chart->axisScaleVisible(1));
        QVERIFY(!chart->axisScaleVisible(2));
        h.click(QStringLiteral("optShi"));
        QVERIFY(!chart->seriesVisible(1));
        QVERIFY(chart->seriesVisible(2));
        QCOMPARE(chart->point(1, 1), QStringLiteral("65.5")); // hidden, not emptied
        h.click(QStringLiteral("optKon"));
        QVERIFY(chart->seriesVisible(1) && chart->seriesVisible(2));
    }

    void fullFileRefusesTheSave()
    {
        EntryHarness h;
        QString text;
        for (int i = 0; i < 32767; ++i)
            text += line(QStringLiteral("2026/12/01"), 70.0) + QStringLiteral("\r\n");
        h.writeCouple({}, {line(QStringLiteral("2026/12/01"), 55.0)});
        h.write(FileName::data1, text);
        h.setHelpTour(0);
        h.start();
        h.click(QStringLiteral("cmdMain"));
        const QByteArray before = TestFiles::bytes(h.path(), FileName::data1);
        h.pickSituation(0);
        h.click(QStringLiteral("cmdTaiHozon"));
        QCOMPARE(h.dialogs.shown.size(), 1);
        QCOMPARE(h.dialogs.shown[0].title, QStringLiteral("保存できません"));
        QVERIFY(h.dialogs.shown[0].text.contains(QStringLiteral("32767")));
        QCOMPARE(TestFiles::bytes(h.path(), FileName::data1), before);
        QCOMPARE(h.box("txtTaiInp")->text(), QStringLiteral("70"));
    }

    // A data file that is there but cannot be read (here a folder of its name) is no empty
    // diary: it is said once, in a box naming it, and the save refuses it with the same message.
    void unreadableFileIsSaidOnceAndNeverWritten_data()
    {
        QTest::addColumn<int>("partner");
        QTest::newRow("selected partner's file") << 1;
        QTest::newRow("other partner's file") << 2;
    }
    void unreadableFileIsSaidOnceAndNeverWritten()
    {
        QFETCH(int, partner);
        EntryHarness h;
        const QString file = FileName::dataFile(partner);
        h.writeCouple({line(QStringLiteral("2026/12/07"), 70.0)}, {line(QStringLiteral("2026/12/07"), 55.0)});
        QVERIFY(QFile::remove(QDir(h.path()).filePath(file)));
        QVERIFY(QDir(h.path()).mkdir(file));
        h.setHelpTour(0);
        h.start();
        const QStringList entries = QDir(h.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        const QString said = QStringLiteral("「%1」を読み込めませんでした").arg(file);
        QCOMPARE(h.dialogs.shown.size(), 1);
        QCOMPARE(h.dialogs.shown[0].title, QStringLiteral("読み込めないファイル"));
        QVERIFY2(h.dialogs.shown[0].text.contains(said), qPrintable(h.dialogs.shown[0].text));
        // Every screen that reads it, and the partner counts, stay silent about it from now on.
        for (const char *button : {"cmdMain", "cmdTaijyu", "cmdRentai", "cmdBunseki", "cmdCale", "cmdMemo", "cmdAvgtai", "cmdMain"})
            h.click(QString::fromLatin1(button));
        if (partner == 2)
            h.click(QStringLiteral("cmdUser2"));
        QCOMPARE(h.dialogs.shown.size(), 1);
        QCOMPARE(h.find<QLabel>(QStringLiteral("lblUser%1").arg(partner))->text(), QStringLiteral("0"));

        h.pickSituation(0);
        h.type("txtTaiInp", QStringLiteral("65"));
        h.type("txtShiInp", QStringLiteral("20"));
        h.click(QStringLiteral("cmdTaiHozon"));
        QCOMPARE(h.dialogs.shown.size(), 2);
        QCOMPARE(h.dialogs.shown[1].title, QStringLiteral("保存できません"));
        QVERIFY2(h.dialogs.shown[1].text.contains(said), qPrintable(h.dialogs.shown[1].text));
        QCOMPARE(QDir(h.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), entries);
        QVERIFY(QFileInfo(QDir(h.path()).filePath(file)).isDir());

        // Readable again, it is read without a word; unreadable once more, it is said again.
        QVERIFY(QDir(h.path()).rmdir(file));
        h.write(file, line(QStringLiteral("2026/12/07"), 60.0) + QStringLiteral("\r\n"));
        h.pickDay(QDate(2026, 12, 7));
        QCOMPARE(h.dialogs.shown.size(), 2);
        QCOMPARE(h.find<QLabel>(QStringLiteral("lblUser%1").arg(partner))->text(), QStringLiteral("1"));
        QVERIFY(QFile::remove(QDir(h.path()).filePath(file)));
        QVERIFY(QDir(h.path()).mkdir(file));
        h.pickDay(QDate(2026, 12, 6));
        QCOMPARE(h.dialogs.shown.size(), 3);
        QVERIFY(h.dialogs.shown[2].text.contains(said));
    }

    void newCoupleRegistersRestartsAndRecords()
    {
        EntryHarness h;
        h.clock.day = QDate(2026, 12, 7);
        h.start(); // an empty folder: the registration is open
        const char *boxes[] = {"txtPriData1", "txtSincyou1", "txtMokuTai1", "txtNowTai", "txtNowShi", "txtNowJyou"};
        const QStringList partner1 = {QStringLiteral("ぽむ"), QStringLiteral("172"), QStringLiteral("66"), QStringLiteral("72.4"),
                                      QStringLiteral("26.1"), QStringLiteral("はじめの一歩")};
        const QStringList partner2 = {QStringLiteral("りな"), QStringLiteral("158"), QStringLiteral("52"), QStringLiteral("58"),
                                      QStringLiteral("30"), QStringLiteral("はじめの一歩")};
        for (const QStringList &fields : {partner1, partner2}) {
            for (int i = 0; i < 6; ++i)
                h.box(boxes[i])->setText(fields[i]);
            h.click(QStringLiteral("cmdStHozon"));
        }
        QCOMPARE(h.ended, 1);

        // the next start: partner 1 records today, then on an earlier day; partner 2 today
        h.clock.day = QDate(2026, 12, 9);
        h.window.reset();
        h.dialogs.clear();
        h.setHelpTour(0);
        h.start();
        QCOMPARE(h.window->windowTitle(), QStringLiteral(" ぽむ のデータ"));
        h.click(QStringLiteral("cmdMain"));
        h.pickSituation(0);
        h.click(QStringLiteral("cmdDn"));
        h.click(QStringLiteral("cmdTaiHozon"));
        h.pickDay(QDate(2026, 12, 8));
        h.pickSituation(1);
        h.click(QStringLiteral("cmdTaiHozon"));
        h.click(QStringLiteral("cmdUser2"));
        h.pickDay(QDate(2026, 12, 9));
        h.pickSituation(2);
        h.type("txtShiInp", QStringLiteral("29.8"));
        h.click(QStringLiteral("cmdTaiHozon"));
        QVERIFY(h.dialogs.shown.isEmpty());

        const QStringList situations = TestFiles::lines(h.path(), FileName::situationList);
        auto entry = [&](int i) { return situations[i].mid(1, situations[i].size() - 2); };
        QCOMPARE(TestFiles::lines(h.path(), FileName::data1),
                 (QStringList{QStringLiteral("\"2026/12/07\",\"はじめの一歩\",72.4,\"\",26.1,\"\""),
                              // a day without measurements is pre-filled from the file's last line
                              QStringLiteral("\"2026/12/08\",\"%1\",72.3,\"\",26.1,\"\"").arg(entry(1)),
                              QStringLiteral("\"2026/12/09\",\"%1\",72.3,\"\",26.1,\"\"").arg(entry(0))}));
        QCOMPARE(TestFiles::lines(h.path(), FileName::data2),
                 (QStringList{QStringLiteral("\"2026/12/07\",\"はじめの一歩\",58,\"\",30,\"\""),
                              QStringLiteral("\"2026/12/09\",\"%1\",58,\"\",29.8,\"\"").arg(entry(2))}));
        QCOMPARE(h.find<QLabel>(QStringLiteral("lblUser1"))->text(), QStringLiteral("1"));
        QCOMPARE(h.find<QLabel>(QStringLiteral("lblUser2"))->text(), QStringLiteral("1"));
    }

    void enterMovesThroughTheBoxes()
    {
        EntryHarness h;
        h.startOnEntry({line(QStringLiteral("2026/12/01"), 70.0)});
        h.window->activateWindow();
        h.pickSituation(0);
        QLineEdit *weight = h.box("txtTaiInp");
        QVERIFY(weight->hasFocus() || QApplication::focusWidget() == weight);
        QCOMPARE(weight->selectedText(), QStringLiteral("70"));
        QTest::keyClick(weight, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), h.box("txtShiInp"));
        h.box("txtShiInp")->clear();
        QTest::keyClick(h.box("txtShiInp"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), h.box("txtShiInp")); // empty: stays
        h.box("txtShiInp")->setText(QStringLiteral("25"));
        QTest::keyClick(h.box("txtShiInp"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), h.find(QStringLiteral("cmdTaiHozon")));
    }

    void enterAloneSavesFromTheList()
    {
        // Only keys, as a user without a mouse: to the list, down two entries, Enter, the weight,
        // Enter, the body fat, Enter, and Enter once more on the save button.
        EntryHarness h;
        h.startOnEntry({line(QStringLiteral("2026/12/01"), 70.0, 30.0)});
        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        auto *list = h.find<QListWidget>(QStringLiteral("lstAct"));
        list->setFocus(Qt::TabFocusReason);
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 2);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), h.box("txtTaiInp"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("66.5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), h.box("txtShiInp"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("24.5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(QApplication::focusWidget(), h.find(QStringLiteral("cmdTaiHozon")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(h.data1().last(), QStringLiteral("\"2026/12/07\",\"%1\",66.5,\"\",24.5,\"\"").arg(list->item(2)->text()));
        QVERIFY(h.dialogs.shown.isEmpty());
        // Ready for the next measurement: back in the list, where nothing is chosen yet.
        QCOMPARE(QApplication::focusWidget(), list);
        QVERIFY(list->selectedItems().isEmpty());
        QCOMPARE(list->currentItem(), nullptr);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(h.entry().selectedSituation(), list->item(0)->text());
    }
};

QTEST_MAIN(EntryScreenTest)
#include "tst_entryscreen.moc"
