// SPDX-License-Identifier: GPL-3.0-or-later
// The trend screen fraRenTai as the user sees it: the graph and its moving average, the labels,
// the target button, the size box and the quantity options.

#include "screens/analyses/TrendController.h"
#include "diary/TrendData.h"
#include "screens/analyses/TrendPanel.h"
#include "store/FileNames.h"
#include "store/NumberText.h"
#include "support/ScreenHarness.h"
#include "ui/ButtonColour.h"
#include "ui/Chart.h"

#include <QComboBox>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// 25 measurements, one a day from 2003/11/08, from 65.5 kg down by 0.1 kg a day.
QString dataFile(int count = 25)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("\"%1\",\"起床後\",%2,\"\",%3,\"\"\r\n")
                    .arg(QDate(2003, 11, 8).addDays(i).toString(QStringLiteral("yyyy/MM/dd")))
                    .arg(65.5 - 0.1 * i, 0, 'f', 1)
                    .arg(20 + i % 3);
    return text;
}

// The names the graph's legend shows, once the graph has taken in its changes.
QStringList legendNames(Chart *chart)
{
    chart->sync();
    QStringList names;
    for (const QLegendMarker *marker : chart->chart()->legend()->markers()) {
        if (marker->isVisible())
            names << marker->label();
    }
    return names;
}

struct TrendHarness : ScreenHarness<TrendController> {
    TrendPanel *panel() { return controller->trendPanel(); }
    Chart *chart() { return panel()->mcrRentai; }
    // Today is the day of the last measurement of dataFile().
    void start(const QString &data, const QString &size = QStringLiteral("10"))
    {
        clock.day = QDate(2003, 12, 2);
        write(FileName::data1, data);
        write(FileName::movingAverage, size + QStringLiteral("\r\n"));
        writeProfile(1, {QString(), 0.0f, 60.0f});
        controller->LoadMovingAverageSetting();
        controller->prepareBeforeHiding();
    }
    void confirmSize(const QString &text)
    {
        // Keys go to the box, which has the focus, as they do on the screen.
        panel()->cboIdou->lineEdit()->clear();
        QTest::keyClicks(panel()->cboIdou, text);
        QTest::keyClick(panel()->cboIdou, Qt::Key_Return);
    }
    // The first graph row with a moving average, 0 when none has.
    int firstAverageRow()
    {
        for (int r = 1; r <= chart()->rowCount(); ++r) {
            if (chart()->value(r, 2))
                return r;
        }
        return 0;
    }
};

} // namespace

class TestTrendScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void enteringDrawsTheWholePeriod()
    {
        TrendHarness h;
        h.start(dataFile());
        Chart *chart = h.chart();
        // The measurements, then the rows of the forecast's dashed line.
        QVERIFY(chart->rowCount() > 25);
        QVERIFY(chart->value(25, 1) && !chart->value(26, 1));
        QCOMPARE(*chart->value(25, 3), 20.0);
        QCOMPARE(h.firstAverageRow(), 10);
        QVERIFY(std::fabs(*chart->value(10, 2) - (65.5 + 64.6) / 2) < 1e-5);
        QCOMPARE(chart->axisMinimum(1), 63.0);
        QCOMPARE(chart->axisMaximum(1), 66.0);
        QCOMPARE(h.panel()->lblNichis->text(),
                 QStringLiteral("2003/11/08 ( 65.5Kg ) でスタート ～ 2003/12/02 ( 63.1Kg ) まで 24日経過 _ 2.4Kg 減"));
        QCOMPARE(h.panel()->cmdMokuChk->text(), QStringLiteral("目標まで残り　3.1Kg"));
        QCOMPARE(h.session.recordCount(), 25);
        QCOMPARE(h.controller->trendData().minWeightDate, QStringLiteral("2003/12/02"));
        // The weight view: weight and its average on the left axis, no body fat.
        QVERIFY(h.panel()->optTai1->isChecked());
        QVERIFY(chart->seriesVisible(1) && chart->seriesVisible(2) && !chart->seriesVisible(3));
        QVERIFY(chart->axisScaleVisible(1) && !chart->axisScaleVisible(2));

        // A partner without measurements: an empty graph and empty labels.
        h.write(FileName::data1, QString());
        h.controller->refreshForPartner();
        QCOMPARE(chart->rowCount(), 0);
        QCOMPARE(h.panel()->lblKiro->text(), QString());
        QCOMPARE(h.panel()->cmdMokuChk->text(), QStringLiteral("目標まで残り"));
        QCOMPARE(h.session.recordCount(), 0);
    }

    // The forecast from the four weeks up to today: its sentence and the weekly rate beside the
    // target button, and a dashed line from the present level at the last measurement towards
    // the target, as far as the weight axis shows it and in the weight views only.
    void forecastLineAndProjection()
    {
        TrendHarness h;
        h.start(dataFile());
        Chart *chart = h.chart();
        const Forecast &f = h.controller->forecast();
        QCOMPARE(f.state, Forecast::State::Date);
        QVERIFY(h.panel()->lblYosoku->text().startsWith(QStringLiteral("このペースなら ") + storedDate(f.date)));
        QCOMPARE(h.panel()->lblShuHenka->text(), QStringLiteral("直近28日の傾き 週 -0.70Kg（記録25日分）"));
        QVERIFY(!chart->value(24, 4));
        QCOMPARE(*chart->value(25, 4), f.level);
        // The target (60) lies below the axis (63): the line stops at the axis, and the history
        // keeps the width.
        const int rows = chart->rowCount();
        QVERIFY(rows > 25 && *chart->value(rows, 4) <= 63.0 && *chart->value(rows - 1, 4) > 63.0);
        QVERIFY(chart->seriesDashed(4));
        QCOMPARE(legendNames(chart), QStringList({u"体重"_qs, u"移動平均"_qs, u"予測"_qs}));
        QTest::mouseClick(h.panel()->optShi1, Qt::LeftButton);
        QVERIFY(!chart->seriesVisible(4));
        QCOMPARE(chart->rowCount(), 25);
        QTest::mouseClick(h.panel()->optTai1, Qt::LeftButton);
        QCOMPARE(chart->rowCount(), rows);
        // With the axis down to the target the line goes on towards it, in at most a third as
        // many rows as the measurements have.
        QTest::mouseClick(h.panel()->cmdMokuChk, Qt::LeftButton);
        QCOMPARE(chart->rowCount(), 25 + 8);
        QVERIFY(*chart->value(33, 4) > 60.0 && *chart->value(33, 4) < *chart->value(rows, 4));
        QTest::mouseClick(h.panel()->cmdMokuChk, Qt::LeftButton);
        QCOMPARE(chart->rowCount(), rows);

        // A target already passed: the sentence says so, and nothing is drawn after the measurements.
        h.writeProfile(1, {QString(), 0.0f, 64.0f});
        h.controller->refreshForPartner();
        QCOMPARE(h.panel()->lblYosoku->text(), QStringLiteral("目標体重に到達しています"));
        QCOMPARE(chart->rowCount(), 25);
        QCOMPARE(legendNames(chart), QStringList({u"体重"_qs, u"移動平均"_qs}));
        // No target, no forecast.
        h.writeProfile(1, {QString(), 0.0f, 0.0f});
        h.controller->refreshForPartner();
        QCOMPARE(h.panel()->lblYosoku->text(), QString());
        // Sixty days on without a record, with a target: no forecast and no line; the day alone
        // rebuilds the screen.
        h.writeProfile(1, {QString(), 0.0f, 60.0f});
        h.controller->refreshForPartner();
        h.clock.day = QDate(2004, 1, 31);
        h.controller->refreshShown();
        QCOMPARE(h.panel()->lblYosoku->text(), QStringLiteral("最後の記録から60日たっているため予測できません"));
        QCOMPARE(chart->rowCount(), 25);
    }

    void optionsAndTargetButton()
    {
        TrendHarness h;
        h.start(dataFile());
        Chart *chart = h.chart();
        QTest::mouseClick(h.panel()->optShi1, Qt::LeftButton);
        QVERIFY(!chart->seriesVisible(1) && !chart->seriesVisible(2) && chart->seriesVisible(3));
        QVERIFY(!chart->axisScaleVisible(1) && chart->axisScaleVisible(2));
        QTest::mouseClick(h.panel()->optKon1, Qt::LeftButton);
        QVERIFY(chart->seriesVisible(1) && chart->seriesVisible(3) && chart->axisScaleVisible(1));

        QPushButton *button = h.panel()->cmdMokuChk;
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(chart->axisMinimum(1), 60.0);
        QCOMPARE(chart->axisMaximum(1), 66.0);
        QCOMPARE(buttonBackColor(button), Colour::chosenToggle);
        // A partner switch keeps the view and the mode; entering again chooses the weight view.
        h.controller->refreshForPartner();
        QVERIFY(h.panel()->optKon1->isChecked() && chart->seriesVisible(3));
        QCOMPARE(chart->axisMinimum(1), 60.0);
        h.controller->prepareBeforeHiding();
        QVERIFY(h.panel()->optTai1->isChecked() && !chart->seriesVisible(3));
        QCOMPARE(chart->axisMinimum(1), 60.0);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(chart->axisMinimum(1), 63.0);
        QCOMPARE(buttonBackColor(button), Colour::buttonFace);
    }

    void sizeBox()
    {
        TrendHarness h;
        h.start(dataFile());
        h.confirmSize(QStringLiteral("5"));
        QCOMPARE(h.firstAverageRow(), 5);
        QCOMPARE(TestFiles::text(h.path(), FileName::movingAverage), QStringLiteral("5\r\n"));
        QCOMPARE(h.panel()->cboIdou->count(), 30); // a typed size is no new item

        // A size below 1 empties the box; nothing is drawn anew or saved.
        for (const QString &bad : {QStringLiteral("0"), QStringLiteral("abc")}) {
            h.confirmSize(bad);
            QCOMPARE(h.panel()->cboIdou->currentText(), QString());
            QCOMPARE(h.firstAverageRow(), 5);
            QCOMPARE(TestFiles::text(h.path(), FileName::movingAverage), QStringLiteral("5\r\n"));
        }
        // Leaving the box saves nothing, even with the text of an item.
        h.host->show();
        QVERIFY(QTest::qWaitForWindowActive(h.host.get()));
        h.panel()->cboIdou->lineEdit()->setFocus();
        QTest::keyClicks(h.panel()->cboIdou->lineEdit(), QStringLiteral("7"));
        h.panel()->cmdMokuChk->setFocus();
        QVERIFY(!h.panel()->cboIdou->lineEdit()->hasFocus());
        QCOMPARE(TestFiles::text(h.path(), FileName::movingAverage), QStringLiteral("5\r\n"));
        h.panel()->cboIdou->setEditText(QString());
        // An empty box at entry draws no average; picking an item from the list draws one.
        h.controller->prepareBeforeHiding();
        QCOMPARE(h.firstAverageRow(), 0);
        h.panel()->cboIdou->setCurrentIndex(2);
        Q_EMIT h.panel()->cboIdou->activated(2);
        QCOMPARE(h.firstAverageRow(), 3);
        QCOMPARE(TestFiles::text(h.path(), FileName::movingAverage), QStringLiteral("3\r\n"));
        QVERIFY(h.dialogs.shown.isEmpty());
    }
};

QTEST_MAIN(TestTrendScreen)
#include "tst_trendscreen.moc"
