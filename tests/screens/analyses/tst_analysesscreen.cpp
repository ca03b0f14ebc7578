// The analysis screen fraBunseki as the user sees it: the four lists filled from the trend data
// set, the two option groups, and a partner without measurements.

#include "screens/analyses/AnalysesController.h"
#include "screens/analyses/AnalysesPanel.h"
#include "diary/TrendData.h"
#include "store/FileNames.h"
#include "support/ScreenHarness.h"
#include "ui/Grid.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

namespace {

// "yyyy/mm/dd weight" pairs separated by ";", one record each.
QString records(const QString &lines)
{
    QString text;
    for (const QString &line : lines.split(u';'))
        text += QStringLiteral("\"%1\",\"起床後\",%2,\"\",20,\"\"\r\n").arg(line.section(u' ', 0, 0), line.section(u' ', 1, 1));
    return text;
}

QString dataFile(const QList<double> &weights)
{
    QString text;
    for (int i = 0; i < weights.size(); ++i)
        text += QStringLiteral("\"%1\",\"起床後\",%2,\"\",20,\"\"\r\n")
                    .arg(QDate(2003, 11, 8).addDays(i).toString(QStringLiteral("yyyy/MM/dd")))
                    .arg(weights[i], 0, 'f', 1);
    return text;
}

// The analyses as in the window, the lists' headings written once.
struct AnalysesHarness : ScreenHarness<AnalysesController> {
    AnalysesPanel *panel() { return controller->analysesPanel(); }

    AnalysesHarness() { controller->SetupAnalysisGrids(); }
    QStringList column(Grid *grid, int col)
    {
        QStringList texts;
        for (int r = 1; r < grid->rows(); ++r)
            texts << grid->textMatrix(r, col);
        return texts;
    }
};

} // namespace

class TestAnalysesScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsFromTheTrendData()
    {
        AnalysesHarness h;
        AnalysesPanel *p = h.panel();
        QCOMPARE(p->msgB1->textMatrix(0, 3), QStringLiteral("初回差"));
        QList<double> weights{70.0, 69.4, 68.9, 69.6, 68.4};
        for (int i = 0; i < 20; ++i)
            weights << 68.0 - 0.3 * i;
        h.write(FileName::data1, dataFile(weights));
        h.host->resize(1000, 700);
        p->resize(1000, 700);
        h.host->show();
        // As the screen button does it: built while hidden, then shown.
        p->hide();
        h.controller->prepareAfterHiding();
        p->show();
        QCoreApplication::processEvents();
        QCOMPARE(p->msgB1->textMatrix(0, 3), QStringLiteral("前回差"));
        QCOMPARE(h.column(p->msgB1, 3).mid(0, 5), (QStringList{QStringLiteral("±0.0Kg"), QStringLiteral("-0.6Kg"), QStringLiteral("-0.5Kg"),
                                                               QStringLiteral("+0.7Kg"), QStringLiteral("-1.2Kg")}));
        QCOMPARE(h.column(p->msgB2, 3).mid(0, 3), (QStringList{QStringLiteral("1日後"), QStringLiteral("1日後"), QStringLiteral("2日後")}));
        QCOMPARE(p->Label5[0]->text(), QStringLiteral("最高　7.7Kg減を達成してから　0日経過"));
        QCOMPARE(p->msgB3->textMatrix(5, 2), QStringLiteral("69.260Kg"));
        QCOMPARE(p->Label5[1]->text(), QStringLiteral("連続ﾏｲﾅｽ記録 21日間達成！"));
        QCOMPARE(p->msgB4->textMatrix(1, 1), QStringLiteral("65.0～65.9Kg"));
        QCOMPARE(p->msgB4->textMatrix(1, 2), QStringLiteral("4回"));
        // The long lists show their newest rows; the ranking its first.
        for (Grid *grid : {p->msgB1, p->msgB2, p->msgB3}) {
            QVERIFY(grid->verticalScrollBar()->maximum() > 0);
            QCOMPARE(grid->verticalScrollBar()->value(), grid->verticalScrollBar()->maximum());
        }
        QCOMPARE(p->msgB4->topRow(), 1);

        // The file changes behind the screen: an option recomputes its own list from memory.
        h.write(FileName::data1, QString());
        const QStringList averages = h.column(p->msgB3, 2);
        QTest::mouseClick(p->Option1[1], Qt::LeftButton);
        QCOMPARE(p->msgB1->textMatrix(0, 3), QStringLiteral("初回差"));
        QCOMPARE(p->msgB1->textMatrix(3, 3), QStringLiteral("-1.1Kg"));
        QTest::mouseClick(p->Option2[1], Qt::LeftButton);
        QCOMPARE(p->fraB4->title(), QStringLiteral("    体重推移累積番付 < 0.5Kg刻み >"));
        QCOMPARE(p->msgB4->textMatrix(1, 2), QStringLiteral("2回"));
        QCOMPARE(h.column(p->msgB3, 2), averages);

        // A partner without measurements sees empty lists, not the other partner's.
        h.controller->refreshForPartner();
        for (Grid *grid : {p->msgB1, p->msgB2, p->msgB3, p->msgB4})
            QCOMPARE(grid->rows(), 1);
        QVERIFY(p->Label5[0]->text().isEmpty() && p->Label5[1]->text().isEmpty());
        QCOMPARE(h.session.recordCount(), 0);
    }

    // Both partners' weeks, newest first up to today's, a week without a record as a gap; a
    // change of the other partner's file alone lists them again.
    void weekAndMonthAverages()
    {
        AnalysesHarness h;
        AnalysesPanel *p = h.panel();
        h.writeProfile(1, {QStringLiteral("ポム"), 160.0f, 60.0f});
        h.writeProfile(2, {QStringLiteral("リナ"), 150.0f, 50.0f});
        h.write(FileName::data1, records(QStringLiteral("2026/11/09 70;2026/11/23 70;2026/11/24 69;2026/11/30 69;2026/12/07 68;2026/12/07 68.4")));
        h.write(FileName::data2, records(QStringLiteral("2026/11/25 60;2026/12/01 59;2026/12/07 59.5")));
        h.controller->prepareAfterHiding();
        Grid *grid = p->msgB5;
        QCOMPARE(grid->rows(), 6);
        QCOMPARE(h.column(grid, 0).first(), QStringLiteral("2026/12/07〜12/13"));
        QCOMPARE(QStringList({grid->textMatrix(1, 1), grid->textMatrix(1, 2), grid->textMatrix(1, 4), grid->textMatrix(1, 5)}),
                 QStringList({QStringLiteral("1日"), QStringLiteral("68.20Kg"), QStringLiteral("-0.80Kg"), QStringLiteral("↓")}));
        QCOMPARE(grid->textMatrix(0, 6), QStringLiteral("ポム"));
        QCOMPARE(h.column(grid, 7), QStringList({QStringLiteral("59.50Kg"), QStringLiteral("59.00Kg"), QStringLiteral("60.00Kg"), QString(), QString()}));
        QCOMPARE(h.column(grid, 8), QStringList({QStringLiteral("ポム"), QStringLiteral("リナ"), QString(), QString(), QString()}));
        QCOMPARE(grid->textMatrix(4, 2), QStringLiteral("記録なし"));

        h.write(FileName::data2, records(QStringLiteral("2026/11/25 60;2026/12/01 59;2026/12/07 59.5;2026/12/07 58.5")));
        h.session.refresh();
        QVERIFY(!h.controller->upToDate());
        h.controller->refreshShown();
        QCOMPARE(grid->textMatrix(1, 7), QStringLiteral("59.00Kg"));
        QTest::mouseClick(p->Option3[1], Qt::LeftButton);
        QCOMPARE(h.column(grid, 0), QStringList({QStringLiteral("2026/12"), QStringLiteral("2026/11")}));
        QCOMPARE(grid->textMatrix(1, 4), QStringLiteral("-1.30Kg"));
    }
};

QTEST_MAIN(TestAnalysesScreen)
#include "tst_analysesscreen.moc"
