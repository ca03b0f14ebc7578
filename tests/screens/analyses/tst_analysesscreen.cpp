// SPDX-License-Identifier: GPL-3.0-or-later
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
        // As the screen button does it: the files looked at, the screen built while hidden, then shown.
        h.session.refresh();
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

        // A partner without measurements sees empty lists, not the other partner's (the files
        // looked at first, as a partner switch does).
        h.session.refresh();
        h.controller->refreshForPartner();
        for (Grid *grid : {p->msgB1, p->msgB2, p->msgB3, p->msgB4})
            QCOMPARE(grid->rows(), 1);
        QVERIFY(p->Label5[0]->text().isEmpty() && p->Label5[1]->text().isEmpty());
        QCOMPARE(h.session.recordCount(), 0);
    }

    // Both partners' weeks, newest first from today's, a week without a record as a gap; a change
    // of the other partner's file alone lists them again.
    void weekAndMonthAverages()
    {
        AnalysesHarness h;
        h.clock.day = QDate(2003, 11, 26);
        h.writeProfile(1, {QStringLiteral("ポム"), 160.0f, 60.0f});
        h.write(FileName::data1, dataFile({70, 70, 69, 69, 69, 69, 69, 69, 69, 68}));
        h.write(FileName::data2, dataFile({60, 60, 59, 59, 59, 59, 59, 59, 59, 59.5}));
        h.session.refresh();
        h.controller->prepareAfterHiding();
        Grid *grid = h.panel()->msgB5;
        QCOMPARE(h.column(grid, 0), QStringList({QStringLiteral("2003/11/24〜11/30"), QStringLiteral("2003/11/17〜11/23"),
                                                 QStringLiteral("2003/11/10〜11/16"), QStringLiteral("2003/11/03〜11/09")}));
        QCOMPARE(h.column(grid, 2), QStringList({QStringLiteral("記録なし"), QStringLiteral("68.00Kg"), QStringLiteral("69.00Kg"), QStringLiteral("70.00Kg")}));
        QCOMPARE(h.column(grid, 4), QStringList({QString(), QStringLiteral("-1.00Kg"), QStringLiteral("-1.00Kg"), QString()}));
        QCOMPARE(h.column(grid, 5), QStringList({QString(), QStringLiteral("↓"), QStringLiteral("↓"), QString()}));
        QCOMPARE(h.column(grid, 7), QStringList({QString(), QStringLiteral("59.50Kg"), QStringLiteral("59.00Kg"), QStringLiteral("60.00Kg")}));
        QCOMPARE(h.column(grid, 8), QStringList({QString(), QStringLiteral("ポム"), QStringLiteral("同じ"), QString()}));
        QCOMPARE(grid->textMatrix(0, 6), QStringLiteral("ポム"));
        h.write(FileName::data2, dataFile({60, 60, 59, 59, 59, 59, 59, 59, 59, 58.5}));
        h.session.refresh();
        QVERIFY(!h.controller->upToDate());
        h.controller->refreshShown();
        QCOMPARE(grid->textMatrix(2, 7), QStringLiteral("58.50Kg"));
        QTest::mouseClick(h.panel()->Option3[1], Qt::LeftButton);
        QCOMPARE(h.column(grid, 0), QStringList({QStringLiteral("2003/11")}));
    }
};

QTEST_MAIN(TestAnalysesScreen)
#include "tst_analysesscreen.moc"
