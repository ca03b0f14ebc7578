// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison screen fraAvgTai as the user sees it: the controls and their names, the
// scoreboard, the list and both graphs filled from data files, and the graph options.

#include "screens/comparison/ComparisonController.h"
#include "ScoreHeadings.h"
#include "screens/comparison/ComparisonPanel.h"
#include "screens/shell/HelpTexts.h"
#include "store/DataFile.h"
#include "store/FileNames.h"
#include "store/TextFile.h"
#include "support/ScreenHarness.h"
#include "ui/Chart.h"
#include "ui/Grid.h"
#include "ui/Shape.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QDate kStart(2003, 8, 21);

Measurement record(const QDate &date, float weight)
{
    Measurement m;
    m.date = date.toString(QStringLiteral("yyyy/MM/dd"));
    m.situation = QStringLiteral("起床後");
    m.weight = weight;
    m.bodyFat = 25.0f;
    return m;
}

// One measurement a day from `start`, with the given weights.
QList<Measurement> daily(const QDate &start, const QList<float> &weights)
{
    QList<Measurement> records;
    for (int i = 0; i < weights.size(); ++i)
        records.append(record(start.addDays(i), weights[i]));
    return records;
}

QList<Measurement> sameWeightDays(const QDate &start, int days, float weight)
{
    return daily(start, QList<float>(days, weight));
}

QList<Measurement> oneDay(const QDate &day, int count, float weight)
{
    QList<Measurement> records;
    for (int i = 0; i < count; ++i)
        records.append(record(day, weight));
    return records;
}

QString name(const char *base, int index)
{
    return QString::fromLatin1(base) + u'(' + QString::number(index) + u')';
}

} // namespace

class TestComparisonPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    // controls
    void controls_data();
    void controls();
    void optionsAtStart();
    void headingBands_data();
    void headingBands();
    void shareBarPlaces();
    void averageGridSetup();

    // scoreboard
    void countRowAndShareBar_data();
    void countRowAndShareBar();
    void zeroDayPeriod();
    void belowTargetWinsRowSix();
    void nicknamesAndBadges();
    void missingPartnerFile();
    void emptyPartnerFile();
    void malformedLinesSkipped();

    // list and graphs
    void partnerStartingLater();
    void dayAverageAndEmptyDay();
    void separateAxesRange();
    void sameAxisCopyIncludesLastDay();
    void overlayAndBack();
    void listScrolling_data();
    void listScrolling();
    void lowerBoundModes();
    void targetAboveMaximum();
    void viewSwitchAndHelpTexts_data();
    void viewSwitchAndHelpTexts();
    void rebuildKeepsOptions();

private:
    void write(const QString &name, const QList<Measurement> &records);
    void show(const ComparisonPartners &partners = {QStringLiteral("ぽむ"), QStringLiteral("りな"), 60.0f, 50.0f});
    template<typename T>
    T *child(const QString &name) const
    {
        T *found = m_panel->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QLabel *label(const char *base, int index) const { return child<QLabel>(name(base, index)); }
    bool markShown(const char *base, int index) const { return !label(base, index)->isHidden(); }
    Grid *list() const { return child<Grid>(QStringLiteral("msgAvgtai")); }
    Chart *separate() const { return child<Chart>(QStringLiteral("mcrAvgtai")); }
    Chart *sameAxis() const { return child<Chart>(QStringLiteral("mcrAvgtai2")); }
    QRadioButton *option(const char *optionName) const { return child<QRadioButton>(QString::fromLatin1(optionName)); }
    // A click on the button's round indicator, where a user points to choose it.
    void choose(const QString &optionName) const
    {
        QRadioButton *button = child<QRadioButton>(optionName);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    void choose(const char *optionName) const { choose(QString::fromLatin1(optionName)); }
    int px(int twips) const { return twipsToPixels(twips, m_panel); }

    std::unique_ptr<ScreenHarness<ComparisonController>> m_screen;
    ComparisonPanel *m_panel = nullptr;
};

void TestComparisonPanel::init()
{
    m_screen = std::make_unique<ScreenHarness<ComparisonController>>();
    QVERIFY(m_screen->dir.isValid());
    m_panel = m_screen->controller->comparisonPanel();
}

void TestComparisonPanel::cleanup()
{
    m_panel = nullptr;
    m_screen.reset();
}

void TestComparisonPanel::write(const QString &fileName, const QList<Measurement> &records)
{
    const StoreResult r = RewriteDataFile(m_screen->folder, fileName, records);
    QVERIFY2(r.ok(), qPrintable(r.message()));
}

void TestComparisonPanel::show(const ComparisonPartners &partners)
{
    m_screen->writeProfile(1, {partners.nickname1, 0.0f, partners.targetWeight1});
    m_screen->writeProfile(2, {partners.nickname2, 0.0f, partners.targetWeight2});
    // As the screen button does: the files looked at, then the screen built.
    m_screen->session.refresh();
    m_screen->controller->prepareBeforeHiding();
}

void TestComparisonPanel::controls_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");

    for (int k = 0; k <= 6; ++k) {
        for (const char *base : {"lblD1", "lblD2", "imgD1", "imgD2"})
            QTest::addRow("%s(%d)", base, k) << name(base, k) << QStringLiteral("QLabel") << QString();
    }
    QTest::newRow("shpMirte(0)") << QStringLiteral("shpMirte(0)") << QStringLiteral("Shape") << QString();
    QTest::newRow("shpMirte(1)") << QStringLiteral("shpMirte(1)") << QStringLiteral("Shape") << QString();
    QTest::newRow("msgAvgtai") << QStringLiteral("msgAvgtai") << QStringLiteral("Grid") << QString();
    QTest::newRow("mcrAvgtai") << QStringLiteral("mcrAvgtai") << QStringLiteral("Chart") << QString();
    QTest::newRow("mcrAvgtai2") << QStringLiteral("mcrAvgtai2") << QStringLiteral("Chart") << QString();
    QTest::newRow("fraDgr") << QStringLiteral("fraDgr") << QStringLiteral("QGroupBox") << QString();
    QTest::newRow("fraDgr2") << QStringLiteral("fraDgr2") << QStringLiteral("QGroupBox") << QString();
    QTest::newRow("optG1") << QStringLiteral("optG1") << QStringLiteral("QRadioButton") << QStringLiteral("実際の値のまま");
    QTest::newRow("optG2") << QStringLiteral("optG2") << QStringLiteral("QRadioButton") << QStringLiteral("グラフを重ねる");
    QTest::newRow("optG3") << QStringLiteral("optG3") << QStringLiteral("QRadioButton") << QStringLiteral("下限自動");
    QTest::newRow("optG4") << QStringLiteral("optG4") << QStringLiteral("QRadioButton") << QStringLiteral("下限目標");
    QTest::newRow("optGra1") << QStringLiteral("optGra1") << QStringLiteral("QRadioButton") << QStringLiteral("同一軸上でグラフ表示");
    QTest::newRow("optGra2") << QStringLiteral("optGra2") << QStringLiteral("QRadioButton") << QStringLiteral("別々の軸上でグラフ表示");
}

void TestComparisonPanel::controls()
{
    QFETCH(QString, objectName);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    QCOMPARE(m_panel->objectName(), QStringLiteral("fraAvgTai"));
    const QList<QWidget *> found = m_panel->findChildren<QWidget *>(objectName);
    QCOMPARE(found.size(), 1);
    QCOMPARE(QString::fromLatin1(found.first()->metaObject()->className()), className);
    if (auto *button = qobject_cast<QRadioButton *>(found.first()))
        QCOMPARE(button->text(), caption);
}

void TestComparisonPanel::optionsAtStart()
{
    QVERIFY(option("optGra2")->isChecked());
    QVERIFY(!option("optGra1")->isChecked());
    QVERIFY(option("optG3")->isChecked());
    QVERIFY(!option("optG4")->isChecked());
    QVERIFY(option("optG1")->isChecked());
    QVERIFY(!option("optG2")->isChecked());
    QVERIFY(!separate()->isHidden());
    QVERIFY(sameAxis()->isHidden());
    QVERIFY(!child<QGroupBox>(QStringLiteral("fraDgr2"))->isHidden());
    QVERIFY(child<QGroupBox>(QStringLiteral("fraDgr"))->isHidden());
    // The option pairs sit in their frames.
    QCOMPARE(option("optG1")->parentWidget()->objectName(), QStringLiteral("fraDgr"));
    QCOMPARE(option("optG2")->parentWidget()->objectName(), QStringLiteral("fraDgr"));
    QCOMPARE(option("optG3")->parentWidget()->objectName(), QStringLiteral("fraDgr2"));
    QCOMPARE(option("optG4")->parentWidget()->objectName(), QStringLiteral("fraDgr2"));
    // The graph's partner 2 series is drawn against the right axis on the separate-axes graph only.
    QCOMPARE(separate()->seriesAxis(2), 2);
    QCOMPARE(sameAxis()->seriesAxis(2), 1);
}

void TestComparisonPanel::headingBands_data()
{
    addScoreHeadingRows();
}

void TestComparisonPanel::headingBands()
{
    QFETCH(int, row);
    const Shape *band = child<Shape>(name("shpHead", row));
    QTEST(uint(band->backColor()), "colour");
    QCOMPARE(band->width(), px(2265));
    QCOMPARE(band->height(), px(360));
    const QLabel *heading = band->findChild<QLabel *>(name("lblHead", row));
    QVERIFY(heading);
    QTEST(heading->text(), "heading");
    // Value labels and marks stand beside the band, on its line.
    QCOMPARE(label("lblD1", row)->y(), band->y());
    QVERIFY(label("lblD1", row)->x() > band->geometry().right());
    QVERIFY(label("lblD2", row)->x() > label("lblD1", row)->geometry().right());
}

void TestComparisonPanel::shareBarPlaces()
{
    const Shape *whole = child<Shape>(QStringLiteral("shpMirte(1)"));
    QCOMPARE(whole->geometry(), QRect(px(7590), px(225), px(3555), px(105)));
    QCOMPARE(uint(whole->backColor()), 0xC0C0FFu);
    const Shape *part = child<Shape>(QStringLiteral("shpMirte(0)"));
    QCOMPARE(part->x(), px(7575));
    QCOMPARE(part->y(), px(225));
    QCOMPARE(part->height(), px(105));
    QCOMPARE(uint(part->backColor()), 0xFFFFC0u);
}

void TestComparisonPanel::averageGridSetup()
{
    write(FileName::data1, sameWeightDays(kStart, 5, 70.0f));
    write(FileName::data2, sameWeightDays(kStart, 5, 60.0f));
    show();
    QCOMPARE(list()->rows(), 6);
    m_panel->SetupAverageGrid();
    Grid *grid = list();
    QCOMPARE(grid->rows(), 1);
    QCOMPARE(grid->cols(), 4);
    const QStringList headings = {QStringLiteral("日数"), QStringLiteral("日付"), QStringLiteral("体重１"), QStringLiteral("体重２")};
    const QList<int> widths = {660, 1150, 700, 700};
    const QList<Grid::Align> alignments = {Grid::Align::Right, Grid::Align::Center, Grid::Align::Right, Grid::Align::Right};
    for (int c = 0; c < 4; ++c) {
        QCOMPARE(grid->textMatrix(0, c), headings[c]);
        QCOMPARE(grid->colWidth(c), widths[c]);
        QCOMPARE(grid->colAlignment(c), alignments[c]);
        QCOMPARE(grid->headingAlignment(c), Grid::Align::Center);
    }
}

void TestComparisonPanel::countRowAndShareBar_data()
{
    QTest::addColumn<int>("count1");
    QTest::addColumn<int>("count2");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<int>("barTwips");
    QTest::addColumn<bool>("mark1");
    QTest::addColumn<bool>("mark2");

    QTest::newRow("30 against 10") << 30 << 10 << QStringLiteral("30 回  ( 75.0% )") << QStringLiteral("10 回  ( 25.0% )") << 2666 << true
                                   << false;
    QTest::newRow("equal counts") << 20 << 20 << QStringLiteral("20 回  ( 50.0% )") << QStringLiteral("20 回  ( 50.0% )") << 1777 << true
                                  << true;
    QTest::newRow("9 against 11") << 9 << 11 << QStringLiteral("9 回  ( 45.0% )") << QStringLiteral("11 回  ( 55.0% )") << 1599 << false
                                  << true;
}

void TestComparisonPanel::countRowAndShareBar()
{
    QFETCH(int, count1);
    QFETCH(int, count2);
    QFETCH(int, barTwips);
    write(FileName::data1, oneDay(kStart, count1, 70.0f));
    write(FileName::data2, oneDay(kStart, count2, 60.0f));
    show();
    QTEST(label("lblD1", 1)->text(), "text1");
    QTEST(label("lblD2", 1)->text(), "text2");
    QTEST(markShown("imgD1", 1), "mark1");
    QTEST(markShown("imgD2", 1), "mark2");
    const Shape *part = child<Shape>(QStringLiteral("shpMirte(0)"));
    QCOMPARE(part->width(), px(barTwips));
    QCOMPARE(part->x(), px(7575));
    QVERIFY(!part->isHidden());
}

void TestComparisonPanel::zeroDayPeriod()
{
    write(FileName::data1, oneDay(kStart, 3, 70.0f));
    write(FileName::data2, oneDay(kStart, 2, 60.0f));
    show();
    QCOMPARE(label("lblD1", 2)->text(), QStringLiteral("03/08/21 → 0日"));
    QCOMPARE(label("lblD2", 2)->text(), QStringLiteral("03/08/21 → 0日"));
    QCOMPARE(label("lblD1", 3)->text(), QStringLiteral("3.00 回 / 日"));
    QCOMPARE(label("lblD2", 3)->text(), QStringLiteral("2.00 回 / 日"));
    // Equal elapsed days keep both row 2 marks; the higher rate wins row 3.
    QVERIFY(markShown("imgD1", 2));
    QVERIFY(markShown("imgD2", 2));
    QVERIFY(markShown("imgD1", 3));
    QVERIFY(!markShown("imgD2", 3));
    QCOMPARE(list()->rows(), 2);
    QCOMPARE(list()->textMatrix(1, 1), QStringLiteral("03/08/21"));
}

void TestComparisonPanel::belowTargetWinsRowSix()
{
    write(FileName::data1, daily(kStart, {66.0f, 62.0f, 58.5f}));
    write(FileName::data2, daily(kStart, {55.0f, 54.0f, 53.0f}));
    show({QStringLiteral("ぽむ"), QStringLiteral("りな"), 60.0f, 50.0f});
    QCOMPARE(label("lblD1", 6)->text(), QStringLiteral("60.0Kgまで ( -1.5Kg )"));
    QCOMPARE(label("lblD2", 6)->text(), QStringLiteral("50.0Kgまで ( 3.0Kg )"));
    QVERIFY(markShown("imgD1", 6));
    QVERIFY(!markShown("imgD2", 6));
    QCOMPARE(label("lblD1", 4)->text(), QStringLiteral("58.5Kg ( -7.5Kg )"));
    QCOMPARE(label("lblD2", 4)->text(), QStringLiteral("53.0Kg ( -2.0Kg )"));
    QCOMPARE(label("lblD1", 5)->text(), QStringLiteral("58.5Kg ( -7.5Kg )"));
    QVERIFY(markShown("imgD1", 4));
    QVERIFY(!markShown("imgD2", 4));
    QVERIFY(markShown("imgD1", 5));
    QVERIFY(!markShown("imgD2", 5));
}

void TestComparisonPanel::nicknamesAndBadges()
{
    write(FileName::data1, oneDay(kStart, 1, 70.0f));
    write(FileName::data2, oneDay(kStart, 1, 60.0f));
    show({QStringLiteral("たろう"), QStringLiteral("はなこ"), 60.0f, 50.0f});
    QCOMPARE(label("lblD1", 0)->text(), QStringLiteral("たろう"));
    QCOMPARE(label("lblD2", 0)->text(), QStringLiteral("はなこ"));
    // The decorative pictures of row 0 and every mark have a picture painted for them.
    for (int k = 0; k <= 6; ++k) {
        QVERIFY(!label("imgD1", k)->pixmap().isNull());
        QVERIFY(!label("imgD2", k)->pixmap().isNull());
    }
    QVERIFY(markShown("imgD1", 0));
    QVERIFY(markShown("imgD2", 0));
    // Everything equal (one day, no change, both 10 kg above target): every mark stays.
    for (int k = 1; k <= 6; ++k) {
        QVERIFY(markShown("imgD1", k));
        QVERIFY(markShown("imgD2", k));
    }
}

void TestComparisonPanel::missingPartnerFile()
{
    write(FileName::data1, sameWeightDays(kStart, 30, 70.0f));
    show();
    QCOMPARE(label("lblD1", 1)->text(), QStringLiteral("30 回  ( 100.0% )"));
    QCOMPARE(label("lblD2", 0)->text(), QStringLiteral("りな"));
    for (int k = 1; k <= 6; ++k) {
        QVERIFY2(label("lblD2", k)->text().isEmpty(), qPrintable(label("lblD2", k)->text()));
        QVERIFY(!label("lblD1", k)->text().isEmpty());
        QVERIFY(markShown("imgD1", k));
        QVERIFY(!markShown("imgD2", k));
    }
    QCOMPARE(child<Shape>(QStringLiteral("shpMirte(0)"))->width(), px(3555));
    QCOMPARE(list()->rows(), 31);
    QCOMPARE(list()->textMatrix(30, 2), QStringLiteral("70.0"));
    QCOMPARE(list()->textMatrix(30, 3), QString());
    QCOMPARE(separate()->point(30, 2), QString());
    // The empty axis borrows partner 1's range instead of stretching the same-axis graph.
    QCOMPARE(separate()->axisMinimum(2), 70.0);
    QCOMPARE(separate()->axisMaximum(2), 71.0);
    QCOMPARE(sameAxis()->axisMinimum(1), 70.0);
    QCOMPARE(sameAxis()->axisMaximum(1), 71.0);

    // Nobody at all: nothing to show, nothing to fail on.
    QVERIFY(QFile::remove(m_screen->folder.pathFor(FileName::data1)));
    show();
    QCOMPARE(list()->rows(), 1);
    QCOMPARE(separate()->rowCount(), 0);
    QCOMPARE(sameAxis()->rowCount(), 0);
    QCOMPARE(label("lblD1", 1)->text(), QString());
    QVERIFY(child<Shape>(QStringLiteral("shpMirte(0)"))->isHidden());
    option("optG2")->click();
    QCOMPARE(sameAxis()->rowCount(), 0);
}

void TestComparisonPanel::emptyPartnerFile()
{
    write(FileName::data2, sameWeightDays(kStart, 4, 60.0f));
    QVERIFY(replaceText(m_screen->folder, FileName::data1, QString()).ok());
    show();
    QCOMPARE(label("lblD1", 1)->text(), QString());
    QCOMPARE(label("lblD2", 1)->text(), QStringLiteral("4 回  ( 100.0% )"));
    QVERIFY(!markShown("imgD1", 1));
    QVERIFY(markShown("imgD2", 1));
    QVERIFY(child<Shape>(QStringLiteral("shpMirte(0)"))->isHidden());
    QCOMPARE(list()->rows(), 5);
}

void TestComparisonPanel::malformedLinesSkipped()
{
    const QString text = QStringLiteral("\"2003/08/21\",\"起床後\",70,\"\",25,\"\"\r\n"
                                        "this is not a measurement\r\n"
                                        "\"2003/08/22\",\"起床後\",69,\"\",25,\"\"\r\n");
    QVERIFY(replaceText(m_screen->folder, FileName::data1, text).ok());
    write(FileName::data2, oneDay(kStart, 2, 60.0f));
    show();
    QCOMPARE(label("lblD1", 1)->text(), QStringLiteral("2 回  ( 50.0% )"));
    QCOMPARE(label("lblD1", 5)->text(), QStringLiteral("69.0Kg ( -1.0Kg )"));
    QCOMPARE(list()->textMatrix(2, 2), QStringLiteral("69.0"));
}

void TestComparisonPanel::partnerStartingLater()
{
    write(FileName::data1, daily(kStart, {70.0f, 70.5f, 71.0f, 70.0f, 69.5f, 69.0f}));
    write(FileName::data2, daily(kStart.addDays(3), {60.0f, 60.5f, 61.0f}));
    show();
    Grid *grid = list();
    QCOMPARE(grid->rows(), 7);
    for (int row = 1; row <= 3; ++row) {
        QCOMPARE(grid->textMatrix(row, 0), QString::number(row));
        QCOMPARE(grid->textMatrix(row, 3), QString());
        QVERIFY(!grid->textMatrix(row, 2).isEmpty());
        QCOMPARE(separate()->point(row, 2), QString());
        QVERIFY(!separate()->point(row, 1).isEmpty());
    }
    QCOMPARE(grid->textMatrix(1, 1), QStringLiteral("03/08/21"));
    QCOMPARE(grid->textMatrix(4, 1), QStringLiteral("03/08/24"));
    QCOMPARE(grid->textMatrix(4, 3), QStringLiteral("60.0"));
    QCOMPARE(grid->textMatrix(6, 3), QStringLiteral("61.0"));
    QCOMPARE(separate()->point(4, 2), QStringLiteral("60"));
    QCOMPARE(separate()->point(6, 2), QStringLiteral("61"));
    QCOMPARE(separate()->rowCount(), 6);
    // Partner 2 is the later starter: both rows 2 (elapsed) are compared on their own starts.
    QCOMPARE(label("lblD2", 2)->text(), QStringLiteral("03/08/24 → 2日"));
    QCOMPARE(label("lblD1", 2)->text(), QStringLiteral("03/08/21 → 5日"));
}

void TestComparisonPanel::dayAverageAndEmptyDay()
{
    QList<Measurement> records1 = {record(kStart, 70.0f), record(kStart, 70.4f), record(kStart, 70.2f)};
    records1 += record(kStart.addDays(2), 69.0f);
    write(FileName::data1, records1);
    write(FileName::data2, sameWeightDays(kStart, 3, 60.0f));
    show();
    Grid *grid = list();
    QCOMPARE(grid->textMatrix(1, 2), QStringLiteral("70.2"));
    QCOMPARE(grid->textMatrix(2, 2), QString());
    QCOMPARE(grid->textMatrix(3, 2), QStringLiteral("69.0"));
    // The graph repeats the previous day's average on the empty day.
    QVERIFY(!separate()->point(1, 1).isEmpty());
    QCOMPARE(separate()->point(2, 1), separate()->point(1, 1));
    QVERIFY(qAbs(separate()->value(1, 1).value_or(0.0) - 70.2) < 0.0001);
    QCOMPARE(separate()->point(3, 1), QStringLiteral("69"));
}

void TestComparisonPanel::separateAxesRange()
{
    write(FileName::data1, daily(kStart, {70.0f, 68.3f, 74.0f, 71.0f}));
    write(FileName::data2, daily(kStart, {55.2f, 56.0f, 57.1f, 56.5f}));
    show();
    QCOMPARE(separate()->axisMinimum(1), 68.0);
    QCOMPARE(separate()->axisMaximum(1), 74.0);
    QCOMPARE(separate()->axisMinimum(2), 55.0);
    QCOMPARE(separate()->axisMaximum(2), 58.0);
    QCOMPARE(label("lblD1", 4)->text(), QStringLiteral("68.3Kg ( -1.7Kg )"));
}

void TestComparisonPanel::sameAxisCopyIncludesLastDay()
{
    write(FileName::data1, daily(kStart, {70.0f, 70.5f, 71.5f}));
    write(FileName::data2, daily(kStart, {60.0f, 59.5f, 58.5f}));
    show();
    Chart *copy = sameAxis();
    QCOMPARE(copy->rowCount(), 3);
    for (int row = 1; row <= 3; ++row) {
        QCOMPARE(copy->point(row, 1), separate()->point(row, 1));
        QCOMPARE(copy->point(row, 2), separate()->point(row, 2));
    }
    QCOMPARE(copy->point(3, 1), QStringLiteral("71.5"));
    QCOMPARE(copy->point(3, 2), QStringLiteral("58.5"));
    QCOMPARE(copy->axisMinimum(1), 58.0);
    QCOMPARE(copy->axisMaximum(1), 72.0);
}

void TestComparisonPanel::overlayAndBack()
{
    // Partner 1 at 80.0 and partner 2 at 60.0 on the first common day.
    write(FileName::data1, daily(kStart, {80.0f, 79.5f, 79.0f, 78.0f}));
    write(FileName::data2, daily(kStart, {60.0f, 60.5f, 59.0f, 58.5f}));
    show();
    m_screen->host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen->host.get()));
    choose("optGra1");
    QVERIFY(!sameAxis()->isHidden());
    choose("optG2");
    QVERIFY(option("optG2")->isChecked());
    const QStringList raised = {QStringLiteral("80"), QStringLiteral("80.5"), QStringLiteral("79"), QStringLiteral("78.5")};
    const QStringList actual2 = {QStringLiteral("60"), QStringLiteral("60.5"), QStringLiteral("59"), QStringLiteral("58.5")};
    const QStringList actual1 = {QStringLiteral("80"), QStringLiteral("79.5"), QStringLiteral("79"), QStringLiteral("78")};
    for (int row = 1; row <= 4; ++row) {
        QCOMPARE(sameAxis()->point(row, 2), raised[row - 1]);
        QCOMPARE(sameAxis()->point(row, 1), actual1[row - 1]);
    }
    // Axes of mcrAvgtai: 78 to 80 and 58 to 61; the wider span (3) below the higher maximum.
    QCOMPARE(sameAxis()->axisMaximum(1), 80.0);
    QCOMPARE(sameAxis()->axisMinimum(1), 77.0);

    // A second overlay finds nothing to move.
    choose("optG2");
    for (int row = 1; row <= 4; ++row)
        QCOMPARE(sameAxis()->point(row, 2), raised[row - 1]);

    // "実際の値のまま" brings the measured values back.
    choose("optG1");
    for (int row = 1; row <= 4; ++row)
        QCOMPARE(sameAxis()->point(row, 2), actual2[row - 1]);
    QCOMPARE(sameAxis()->axisMinimum(1), 58.0);
    QCOMPARE(sameAxis()->axisMaximum(1), 80.0);
}

void TestComparisonPanel::listScrolling_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<bool>("scrolled");
    QTest::newRow("7 days, 8 rows") << 7 << false;
    QTest::newRow("8 days, 9 rows") << 8 << true;
}

void TestComparisonPanel::listScrolling()
{
    QFETCH(int, days);
    QFETCH(bool, scrolled);
    write(FileName::data1, sameWeightDays(kStart, days, 70.0f));
    write(FileName::data2, sameWeightDays(kStart, days, 60.0f));
    // Low enough that only a few rows fit, so a scroll shows whether it was asked for.
    m_panel->resize(m_panel->sizeHint().width(), px(3030 + 1500 + 200));
    m_screen->host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen->host.get()));
    show();
    Grid *grid = list();
    QCOMPARE(grid->rows(), days + 1);
    QVERIFY(grid->verticalScrollBar()->maximum() > 0);
    if (scrolled) {
        // The last day asked for as top row: the list goes as far down as it can.
        QCOMPARE(grid->topRow(), grid->verticalScrollBar()->maximum() + 1);
        QVERIFY(grid->topRow() > 1);
    } else {
        QCOMPARE(grid->topRow(), 1);
    }
}

void TestComparisonPanel::lowerBoundModes()
{
    write(FileName::data1, daily(kStart, {70.0f, 68.3f, 74.0f}));
    write(FileName::data2, daily(kStart, {55.2f, 56.0f, 57.1f}));
    show({QStringLiteral("ぽむ"), QStringLiteral("りな"), 62.5f, 49.0f});
    m_screen->host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen->host.get()));
    choose("optG4");
    QCOMPARE(separate()->axisMinimum(1), 62.0);
    QCOMPARE(separate()->axisMaximum(1), 74.0);
    QCOMPARE(separate()->axisMinimum(2), 49.0);
    QCOMPARE(separate()->axisMaximum(2), 58.0);
    choose("optG3");
    QCOMPARE(separate()->axisMinimum(1), 68.0);
    QCOMPARE(separate()->axisMinimum(2), 55.0);
    // The same-axis graph takes the lower bound chosen at the time of the copy.
    choose("optG4");
    choose("optGra1");
    choose("optG1");
    QCOMPARE(sameAxis()->axisMinimum(1), 49.0);
    QCOMPARE(sameAxis()->axisMaximum(1), 74.0);
}

void TestComparisonPanel::targetAboveMaximum()
{
    write(FileName::data1, daily(kStart, {70.0f, 68.3f, 74.0f}));
    write(FileName::data2, daily(kStart, {55.2f, 56.0f, 57.1f}));
    show({QStringLiteral("ぽむ"), QStringLiteral("りな"), 80.5f, 58.0f});
    m_screen->host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen->host.get()));
    choose("optG4");
    QCOMPARE(separate()->axisMinimum(1), 80.0);
    QCOMPARE(separate()->axisMaximum(1), 81.0);
    QCOMPARE(separate()->axisMinimum(2), 58.0);
    QCOMPARE(separate()->axisMaximum(2), 59.0);
    choose("optG3");
    QCOMPARE(separate()->axisMinimum(1), 68.0);
    QCOMPARE(separate()->axisMaximum(1), 74.0);
    QCOMPARE(separate()->axisMaximum(2), 58.0);
}

void TestComparisonPanel::viewSwitchAndHelpTexts_data()
{
    QTest::addColumn<QString>("optionName");
    QTest::addColumn<bool>("sameAxisShown");
    QTest::addColumn<QString>("helpText");
    QTest::newRow("optGra1") << QStringLiteral("optGra1") << true
                             << QStringLiteral("二人の平均体重データを同一の軸でグラフ表示します。\r\n"
                                               "\r\n"
                                               "実際のデータをそのままにグラフ表示するモードと\r\n"
                                               "体重の重い方に軽い方を重ねた形でグラフ表示するモードがあります。\r\n"
                                               "\r\n"
                                               "グラフを重ねるモードにすると純粋にお互いの体重の増減推移を比較することができます。\r\n");
    QTest::newRow("optGra2") << QStringLiteral("optGra2") << false
                             << QStringLiteral("登録者それぞれの平均体重データを別々の軸でグラフ表示します。\r\n"
                                               "登録者１が左の軸、登録者２が右の軸になります。\r\n"
                                               "\r\n"
                                               "Ｙ軸の下限値を最低体重（平均値）から自動的に設定するモードと\r\n"
                                               "目標値として登録した値を下限値にするモードがあります。\r\n"
                                               "\r\n");
}

void TestComparisonPanel::viewSwitchAndHelpTexts()
{
    QFETCH(QString, optionName);
    QFETCH(bool, sameAxisShown);
    QFETCH(QString, helpText);
    m_screen->host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen->host.get()));
    QStringList &helpShown = m_screen->shell.helpShown;
    // From the other view, so that the click changes something.
    choose(optionName == QStringLiteral("optGra1") ? "optGra2" : "optGra1");
    helpShown.clear();
    choose(optionName);
    QCOMPARE(helpShown.size(), 1);
    const QString emitted = helpShown.at(0);
    QCOMPARE(emitted, helpText);
    QCOMPARE(emitted, helpTourText(optionName == QStringLiteral("optGra1") ? HelpTopic::SameAxisGraph : HelpTopic::SeparateAxesGraph));
    QCOMPARE(sameAxis()->isVisible(), sameAxisShown);
    QCOMPARE(separate()->isVisible(), !sameAxisShown);
    QCOMPARE(child<QGroupBox>(QStringLiteral("fraDgr"))->isVisible(), sameAxisShown);
    QCOMPARE(child<QGroupBox>(QStringLiteral("fraDgr2"))->isVisible(), !sameAxisShown);
    // Choosing it again tells the help again.
    choose(optionName);
    QCOMPARE(helpShown.size(), 2);
}

void TestComparisonPanel::rebuildKeepsOptions()
{
    write(FileName::data1, daily(kStart, {80.0f, 79.5f, 79.0f}));
    write(FileName::data2, daily(kStart, {60.0f, 60.5f, 59.0f}));
    show({QStringLiteral("ぽむ"), QStringLiteral("りな"), 75.0f, 55.0f});
    m_screen->host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen->host.get()));
    choose("optG4");
    choose("optGra1");
    choose("optG2");

    // A new measurement, then the screen is built again.
    QVERIFY(AppendMeasurement(m_screen->folder, FileName::data2, record(kStart.addDays(3), 58.0f)).ok());
    show({QStringLiteral("ぽむ"), QStringLiteral("りな"), 75.0f, 55.0f});
    QVERIFY(option("optGra1")->isChecked());
    QVERIFY(option("optG2")->isChecked());
    QVERIFY(option("optG4")->isChecked());
    QVERIFY(!sameAxis()->isHidden());
    QVERIFY(separate()->isHidden());
    // The graphs agree with the options: target lower bounds, partner 2 laid over partner 1,
    // the new last day included.
    QCOMPARE(separate()->axisMinimum(1), 75.0);
    QCOMPARE(separate()->axisMinimum(2), 55.0);
    QCOMPARE(sameAxis()->rowCount(), 4);
    QCOMPARE(sameAxis()->point(1, 2), QStringLiteral("80"));
    QCOMPARE(sameAxis()->point(4, 2), QStringLiteral("78"));
    QCOMPARE(sameAxis()->point(4, 1), QStringLiteral("79"));
    QCOMPARE(label("lblD2", 1)->text(), QStringLiteral("4 回  ( 57.1% )"));
}

QTEST_MAIN(TestComparisonPanel)
#include "tst_comparison_panel.moc"
