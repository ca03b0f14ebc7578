#include "UiTestMain.h"

#include "ui/Grid.h"
#include "ui/Twips.h"

#include <QAbstractItemModelTester>
#include <QBrush>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>

#include <memory>

namespace {

QString cellName(int row, int col)
{
    return QStringLiteral("r%1c%2").arg(row).arg(col);
}

void fill(Grid &grid)
{
    for (int r = 0; r < grid.rows(); ++r) {
        for (int c = 0; c < grid.cols(); ++c)
            grid.setTextMatrix(r, c, cellName(r, c));
    }
}

// A grid on screen, sized like a small list, as the click and scroll tests need it.
std::unique_ptr<Grid> shownGrid(int rows, int cols, int fixedCols = 0)
{
    auto grid = std::make_unique<Grid>();
    grid->setCols(cols);
    grid->setFixedCols(fixedCols);
    for (int c = 0; c < cols; ++c)
        grid->setColWidth(c, 900);
    grid->setRows(rows);
    fill(*grid);
    grid->resize(400, 200);
    grid->show();
    if (!QTest::qWaitForWindowExposed(grid.get()))
        return nullptr;
    return grid;
}

// What a widget receives from the window system for a double-click: the first click, then the
// second press as a double-click event, then its release.
void doubleClick(QWidget *widget, QPoint pos)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

} // namespace

// The list control: rows as the screens count them, texts, colours, widths, scrolling, clicks.
class TestGrid : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void modelStaysConsistent();

    void rowCount_data();
    void rowCount();
    void keptAndNewRows();
    void colCount_data();
    void colCount();
    void headingsAreHeaderData();
    void fixedColumn();
    void rowsHaveOneFixedHeight();

    void text_data();
    void text();
    void textMatrixIsPerCell();
    void rowTextsAreMadeWhenAsked();
    void outOfRange_data();
    void outOfRange();

    void backColourOnCurrentCellOnly();
    void systemBackColour();
    void backColourOfFixedCells();

    void colWidth_data();
    void colWidth();
    void fixedColWidth();
    void alignment_data();
    void alignment();
    void fixedColAlignment();

    void cellWritesAreBatched();
    void headingWritesShowAtOnce();

    void topRow_data();
    void topRow();
    void topRowWhileHidden();
    void topRowOfShortLists_data();
    void topRowOfShortLists();

    void clicks_data();
    void clicks();
    void doubleClicks_data();
    void doubleClicks();
    void headingClicks_data();
    void headingClicks();
    void fixedColumnClicks();
};

void TestGrid::modelStaysConsistent()
{
    Grid grid;
    QAbstractItemModelTester tester(grid.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);

    grid.setCols(12);
    grid.setRows(1);
    fill(grid);
    grid.setRows(501);
    fill(grid);
    grid.setRow(7);
    grid.setCol(6);
    grid.setCellBackColor(Colour::lightRed);
    QCoreApplication::processEvents();

    grid.setRows(200);
    grid.setRows(1);
    grid.setRows(10);
    fill(grid);
    grid.setFixedCols(1);
    grid.setCols(4);
    grid.setCols(32);
    fill(grid);
    QCoreApplication::processEvents();
    grid.setFixedCols(0);
    grid.setCols(8);
    grid.setRows(3);
    fill(grid);
    grid.setRows(0);
    QCoreApplication::processEvents();

    QCOMPARE(grid.rows(), 1);
    QCOMPARE(grid.cols(), 8);
    QCOMPARE(grid.model()->rowCount(), 0);
    QCOMPARE(grid.model()->columnCount(), 8);
}

void TestGrid::rowTextsAreMadeWhenAsked()
{
    Grid grid;
    QAbstractItemModelTester tester(grid.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    grid.setCols(3);
    grid.setRows(1);
    fill(grid);
    grid.setRows(40);
    fill(grid);
    grid.setRow(5);
    grid.setCol(1);
    grid.setCellBackColor(Colour::lightRed);

    int asked = 0;
    grid.setRowTexts(32768, [&asked](int row, int col) {
        ++asked;
        return QStringLiteral("t%1.%2").arg(row).arg(col);
    });
    QCOMPARE(grid.rows(), 32768);
    QCOMPARE(grid.model()->rowCount(), 32767);
    QCOMPARE(grid.textMatrix(0, 2), cellName(0, 2)); // the heading stays
    QCOMPARE(grid.textMatrix(32767, 2), QStringLiteral("t32767.2"));
    QCOMPARE(grid.model()->index(4, 1).data().toString(), QStringLiteral("t5.1"));
    bool hasColour = true;
    grid.cellBackColor(5, 1, &hasColour);
    QVERIFY(!hasColour); // the old listing's colours went with it
    QVERIFY(asked < 100); // not one per cell

    // Writing into a row, or fewer rows, keeps every text there is.
    grid.setTextMatrix(3, 0, QStringLiteral("mine"));
    grid.setRows(10);
    QCOMPARE(grid.textMatrix(3, 0), QStringLiteral("mine"));
    QCOMPARE(grid.textMatrix(9, 2), QStringLiteral("t9.2"));
    grid.setRowTexts(4, [](int row, int col) { return QString::number(row * 10 + col); });
    grid.setCols(4);
    QCOMPARE(grid.textMatrix(3, 2), QStringLiteral("32"));
    QCOMPARE(grid.textMatrix(3, 3), QString());
    grid.setRowTexts(4, [](int, int) { return QStringLiteral("x"); });
    grid.setRows(1);
    grid.setRows(3);
    QCOMPARE(grid.textMatrix(2, 0), QString());

    // Colours made the same way: shown, read back, kept when the texts become cells, and gone
    // with the next listing.
    grid.setRowTexts(5, [](int row, int col) { return QString::number(row * 10 + col); });
    grid.setRowBackColors([](int row, int col) -> std::optional<Bgr> {
        if (col != 2)
            return std::nullopt;
        return row % 2 ? Colour::lightRed : Colour::lightGreen;
    });
    QCOMPARE(grid.model()->index(2, 2).data(Qt::BackgroundRole).value<QBrush>().color(), colorFromBgr(Colour::lightRed));
    QVERIFY(!grid.model()->index(2, 1).data(Qt::BackgroundRole).isValid());
    QCOMPARE(grid.cellBackColor(4, 2, &hasColour), Colour::lightGreen);
    QVERIFY(hasColour);
    grid.setTextMatrix(1, 0, QStringLiteral("mine"));
    QCOMPARE(grid.cellBackColor(3, 2, &hasColour), Colour::lightRed);
    QVERIFY(hasColour);
    QCOMPARE(grid.textMatrix(3, 2), QStringLiteral("32"));
    grid.setRowTexts(5, [](int, int) { return QStringLiteral("x"); });
    grid.cellBackColor(3, 2, &hasColour);
    QVERIFY(!hasColour);
}

void TestGrid::rowCount_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("inserted"); // first, last model row; empty: none
    QTest::addColumn<QList<int>>("removed");

    QTest::newRow("heading to five entries") << 1 << 6 << 6 << QList<int>{0, 4} << QList<int>{};
    QTest::newRow("more rows") << 4 << 10 << 10 << QList<int>{3, 8} << QList<int>{};
    QTest::newRow("fewer rows") << 10 << 4 << 4 << QList<int>{} << QList<int>{3, 8};
    QTest::newRow("emptied to heading") << 10 << 1 << 1 << QList<int>{} << QList<int>{0, 8};
    QTest::newRow("zero keeps the heading") << 10 << 0 << 1 << QList<int>{} << QList<int>{0, 8};
    QTest::newRow("negative keeps the heading") << 5 << -3 << 1 << QList<int>{} << QList<int>{0, 3};
    QTest::newRow("unchanged") << 5 << 5 << 5 << QList<int>{} << QList<int>{};
    QTest::newRow("heading stays heading") << 1 << 1 << 1 << QList<int>{} << QList<int>{};
    QTest::newRow("largest list") << 1 << 32767 << 32767 << QList<int>{0, 32765} << QList<int>{};
}

void TestGrid::rowCount()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, rows);
    QFETCH(QList<int>, inserted);
    QFETCH(QList<int>, removed);

    Grid grid;
    grid.setCols(4);
    grid.setRows(from);
    QSignalSpy insertedSpy(grid.model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy removedSpy(grid.model(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy resetSpy(grid.model(), &QAbstractItemModel::modelReset);

    grid.setRows(to);

    QCOMPARE(grid.rows(), rows);
    QCOMPARE(grid.model()->rowCount(), rows - 1);
    QCOMPARE(resetSpy.count(), 0);
    QCOMPARE(insertedSpy.count(), inserted.isEmpty() ? 0 : 1);
    if (!inserted.isEmpty()) {
        QCOMPARE(insertedSpy.at(0).at(1).toInt(), inserted.at(0));
        QCOMPARE(insertedSpy.at(0).at(2).toInt(), inserted.at(1));
    }
    QCOMPARE(removedSpy.count(), removed.isEmpty() ? 0 : 1);
    if (!removed.isEmpty()) {
        QCOMPARE(removedSpy.at(0).at(1).toInt(), removed.at(0));
        QCOMPARE(removedSpy.at(0).at(2).toInt(), removed.at(1));
    }
}

void TestGrid::keptAndNewRows()
{
    Grid grid;
    grid.setCols(3);
    grid.setRows(6);
    fill(grid);
    grid.setRow(4);
    grid.setCol(1);
    grid.setCellBackColor(Colour::lightGreen);

    grid.setRows(3);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c)
            QCOMPARE(grid.textMatrix(r, c), cellName(r, c));
    }
    QCOMPARE(grid.textMatrix(3, 0), QString());

    // Rows added again come back empty: nothing of what the removed rows held.
    grid.setRows(6);
    for (int r = 3; r < 6; ++r) {
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(grid.textMatrix(r, c), QString());
            bool has = true;
            QCOMPARE(grid.cellBackColor(r, c, &has), Bgr(0));
            QVERIFY(!has);
        }
    }
    QCOMPARE(grid.model()->index(4, 1).data().toString(), QString());
    QVERIFY(!grid.model()->index(3, 1).data(Qt::BackgroundRole).isValid());
}

void TestGrid::colCount_data()
{
    QTest::addColumn<int>("fixedCols");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("cols");

    QTest::newRow("4 to 12") << 0 << 4 << 12 << 12;
    QTest::newRow("32 to 8") << 0 << 32 << 8 << 8;
    QTest::newRow("10 to 10") << 0 << 10 << 10 << 10;
    QTest::newRow("zero keeps one") << 0 << 4 << 0 << 1;
    QTest::newRow("fixed, 12 to 4") << 1 << 12 << 4 << 4;
    QTest::newRow("fixed, 4 to 32") << 1 << 4 << 32 << 32;
}

void TestGrid::colCount()
{
    QFETCH(int, fixedCols);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, cols);

    Grid grid;
    QAbstractItemModelTester tester(grid.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    grid.setCols(from);
    grid.setFixedCols(fixedCols);
    grid.setRows(4);
    fill(grid);
    grid.setCols(to);

    QCOMPARE(grid.cols(), cols);
    QCOMPARE(grid.model()->columnCount(), cols - fixedCols);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < cols; ++c)
            QCOMPARE(grid.textMatrix(r, c), c < from ? cellName(r, c) : QString());
    }
    QCOMPARE(grid.textMatrix(0, cols), QString());
}

void TestGrid::headingsAreHeaderData()
{
    Grid grid;
    grid.setCols(4);
    grid.setRows(3);
    const QStringList headings{QStringLiteral("日数"), QStringLiteral("日付"), QStringLiteral("体重１"), QStringLiteral("体重２")};
    grid.setRow(0);
    for (int c = 0; c < 4; ++c) {
        grid.setCol(c);
        grid.setText(headings.at(c));
    }
    grid.setTextMatrix(1, 0, QStringLiteral("1"));
    grid.setTextMatrix(2, 1, QStringLiteral("03/11/08"));

    for (int c = 0; c < 4; ++c) {
        QCOMPARE(grid.model()->headerData(c, Qt::Horizontal).toString(), headings.at(c));
        QCOMPARE(grid.textMatrix(0, c), headings.at(c));
    }
    // The heading is not a data row: model row 0 is grid row 1.
    QCOMPARE(grid.model()->rowCount(), 2);
    QCOMPARE(grid.model()->index(0, 0).data().toString(), QStringLiteral("1"));
    QCOMPARE(grid.model()->index(1, 1).data().toString(), QStringLiteral("03/11/08"));
    QVERIFY(!grid.verticalHeader()->isVisibleTo(&grid));
    QVERIFY(grid.horizontalHeader()->isVisibleTo(&grid));
}

void TestGrid::fixedColumn()
{
    Grid grid;
    QAbstractItemModelTester tester(grid.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    grid.setCols(12);
    grid.setFixedCols(1);
    grid.setRows(4);
    grid.setTextMatrix(0, 0, QStringLiteral("回"));
    grid.setTextMatrix(0, 1, QStringLiteral("日付け"));
    for (int r = 1; r < 4; ++r) {
        grid.setTextMatrix(r, 0, QString::number(r));
        grid.setTextMatrix(r, 1, cellName(r, 1));
    }

    QCOMPARE(grid.fixedCols(), 1);
    QVERIFY(grid.verticalHeader()->isVisibleTo(&grid));
    QCOMPARE(grid.model()->columnCount(), 11);
    QCOMPARE(grid.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("日付け"));
    for (int r = 1; r < 4; ++r) {
        QCOMPARE(grid.model()->headerData(r - 1, Qt::Vertical).toString(), QString::number(r));
        QCOMPARE(grid.model()->index(r - 1, 0).data().toString(), cellName(r, 1));
    }
    QCOMPARE(grid.textMatrix(0, 0), QStringLiteral("回"));
    QCOMPARE(grid.textMatrix(2, 0), QStringLiteral("2"));

    grid.setFixedCols(0);
    QCOMPARE(grid.fixedCols(), 0);
    QVERIFY(!grid.verticalHeader()->isVisibleTo(&grid));
    QCOMPARE(grid.model()->columnCount(), 12);
    QCOMPARE(grid.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("回"));
    QCOMPARE(grid.model()->index(1, 0).data().toString(), QStringLiteral("2"));
}

void TestGrid::rowsHaveOneFixedHeight()
{
    Grid grid;
    grid.setCols(12);
    grid.setRows(32767);
    QHeaderView *rows = grid.verticalHeader();
    QCOMPARE(rows->sectionResizeMode(0), QHeaderView::Fixed);
    QVERIFY(rows->defaultSectionSize() >= grid.fontMetrics().height());
    QCOMPARE(rows->sectionSize(0), rows->defaultSectionSize());
    QCOMPARE(rows->sectionSize(32765), rows->defaultSectionSize());
    QCOMPARE(rows->length(), 32766 * rows->defaultSectionSize());
}

void TestGrid::text_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("weight") << QStringLiteral("65.5Kg");
    QTest::newRow("japanese") << QStringLiteral("朝食後（散歩）");
    QTest::newRow("empty") << QString();
    QTest::newRow("spaces kept") << QStringLiteral("  two  spaces  ");
    QTest::newRow("arrow") << QStringLiteral("↑");
    QTest::newRow("date") << QStringLiteral("03/11/08");
    QTest::newRow("minus zero") << QStringLiteral("-0.0Kg");
    QTest::newRow("half-width kana") << QStringLiteral("ﾃﾞｰﾀ");
    QTest::newRow("long") << QString(300, u'あ');
    QTest::newRow("placeholder-like") << QStringLiteral("%1 & <b>");
}

void TestGrid::text()
{
    QFETCH(QString, text);
    Grid grid;
    grid.setCols(8);
    grid.setRows(5);
    grid.setTextMatrix(3, 7, QStringLiteral("old"));
    grid.setRow(3);
    grid.setCol(7);
    grid.setText(text);

    QCOMPARE(grid.text(), text);
    QCOMPARE(grid.textMatrix(3, 7), text);
    QCOMPARE(grid.model()->index(2, 7).data().toString(), text);
    // Shown unchanged: no alignment or formatting is mixed into the text.
    QCOMPARE(grid.model()->index(2, 7).data(Qt::DisplayRole).userType(), QMetaType::QString);
}

void TestGrid::textMatrixIsPerCell()
{
    Grid grid;
    grid.setCols(10);
    grid.setRows(20);
    fill(grid);
    grid.setRow(5);
    grid.setCol(2);
    QCOMPARE(grid.text(), cellName(5, 2));
    grid.setText(QStringLiteral("changed"));
    for (int r = 0; r < 20; ++r) {
        for (int c = 0; c < 10; ++c)
            QCOMPARE(grid.textMatrix(r, c), (r == 5 && c == 2) ? QStringLiteral("changed") : cellName(r, c));
    }
    QCOMPARE(grid.row(), 5);
    QCOMPARE(grid.col(), 2);
}

void TestGrid::outOfRange_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");

    QTest::newRow("row -1") << -1 << 0;
    QTest::newRow("col -1") << 1 << -1;
    QTest::newRow("row past the end") << 5 << 0;
    QTest::newRow("col past the end") << 1 << 4;
    QTest::newRow("far away") << 100000 << 100000;
    QTest::newRow("most negative") << std::numeric_limits<int>::min() << std::numeric_limits<int>::min();
}

void TestGrid::outOfRange()
{
    QFETCH(int, row);
    QFETCH(int, col);
    Grid grid;
    grid.setCols(4);
    grid.setRows(5);
    fill(grid);

    grid.setTextMatrix(row, col, QStringLiteral("x"));
    QCOMPARE(grid.textMatrix(row, col), QString());
    grid.setRow(row);
    grid.setCol(col);
    grid.setText(QStringLiteral("y"));
    grid.setCellBackColor(Colour::lightRed);
    QCOMPARE(grid.text(), QString());
    bool has = true;
    QCOMPARE(grid.cellBackColor(row, col, &has), Bgr(0));
    QVERIFY(!has);
    grid.setColWidth(col, 500);
    grid.setColAlignment(col, Grid::Align::Right);
    grid.setHeadingAlignment(col, Grid::Align::Right);
    QCoreApplication::processEvents();

    // Nothing else was touched.
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(grid.textMatrix(r, c), cellName(r, c));
            grid.cellBackColor(r, c, &has);
            QVERIFY(!has);
        }
    }
}

void TestGrid::backColourOnCurrentCellOnly()
{
    Grid grid;
    grid.setCols(4);
    grid.setRows(4);
    grid.setRow(2);
    grid.setCol(3);
    grid.setCellBackColor(Colour::lightRed);
    grid.setCol(1);
    grid.setCellBackColor(Colour::lightYellow);

    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            bool has = false;
            const Bgr colour = grid.cellBackColor(r, c, &has);
            const QVariant brush = r > 0 ? grid.model()->index(r - 1, c).data(Qt::BackgroundRole) : QVariant();
            if (r == 2 && c == 3) {
                QVERIFY(has);
                QCOMPARE(colour, Colour::lightRed);
                QCOMPARE(brush.value<QBrush>().color(), QColor(255, 192, 192));
            } else if (r == 2 && c == 1) {
                QVERIFY(has);
                QCOMPARE(colour, Colour::lightYellow);
                QCOMPARE(brush.value<QBrush>().color(), QColor(255, 255, 192));
            } else {
                QVERIFY(!has);
                QCOMPARE(colour, Bgr(0));
                QVERIFY(!brush.isValid());
            }
        }
    }
    // Setting a colour leaves the text alone.
    QCOMPARE(grid.textMatrix(2, 3), QString());
    QCOMPARE(grid.cellBackColor(2, 3), Colour::lightRed);
}

void TestGrid::systemBackColour()
{
    Grid grid;
    grid.setCols(2);
    grid.setRows(2);
    grid.setRow(1);
    grid.setCol(0);
    grid.setCellBackColor(Colour::buttonFace);
    QCOMPARE(grid.cellBackColor(1, 0), Colour::buttonFace);
    QCOMPARE(grid.model()->index(0, 0).data(Qt::BackgroundRole).value<QBrush>().color(),
             QGuiApplication::palette().color(QPalette::Button));
}

void TestGrid::backColourOfFixedCells()
{
    Grid grid;
    grid.setCols(3);
    grid.setFixedCols(1);
    grid.setRows(3);
    grid.setRow(2);
    grid.setCol(0);
    grid.setCellBackColor(Colour::lightGreen);
    grid.setRow(0);
    grid.setCol(2);
    grid.setCellBackColor(Colour::lightRed);

    QCOMPARE(grid.model()->headerData(1, Qt::Vertical, Qt::BackgroundRole).value<QBrush>().color(), QColor(192, 255, 192));
    QVERIFY(!grid.model()->headerData(0, Qt::Vertical, Qt::BackgroundRole).isValid());
    QCOMPARE(grid.model()->headerData(1, Qt::Horizontal, Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 192, 192));
    QVERIFY(!grid.model()->headerData(0, Qt::Horizontal, Qt::BackgroundRole).isValid());
}

void TestGrid::colWidth_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels"); // at the tests' 96 DPI

    QTest::newRow("date") << 950 << 63;
    QTest::newRow("weekday") << 320 << 21;
    QTest::newRow("situation") << 1565 << 104;
    QTest::newRow("calendar day") << 305 << 20;
    QTest::newRow("month") << 1315 << 88;
    QTest::newRow("one inch") << 1440 << 96;
    QTest::newRow("hidden") << 0 << 0;
}

void TestGrid::colWidth()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    Grid grid;
    grid.setCols(4);
    grid.setRows(3);
    grid.setColWidth(2, twips);

    QCOMPARE(grid.colWidth(2), twips);
    QCOMPARE(grid.columnWidth(2), pixels);
    QCOMPARE(grid.columnWidth(2), twipsToPixels(twips, &grid));
    // Other columns keep their own widths.
    QCOMPARE(grid.columnWidth(1), twipsToPixels(grid.colWidth(1), &grid));

    // The width holds when columns are added behind it.
    grid.setCols(12);
    QCOMPARE(grid.colWidth(2), twips);
    QCOMPARE(grid.columnWidth(2), pixels);
}

void TestGrid::fixedColWidth()
{
    Grid grid;
    grid.setCols(12);
    grid.setFixedCols(1);
    grid.setColWidth(0, 600);
    grid.setColWidth(1, 950);
    QCOMPARE(grid.colWidth(0), 600);
    QCOMPARE(grid.colWidth(1), 950);
    QCOMPARE(grid.verticalHeader()->maximumWidth(), 40);
    QCOMPARE(grid.verticalHeader()->minimumWidth(), 40);
    QCOMPARE(grid.columnWidth(0), 63); // model column 0 is grid column 1

    // Widths follow their grid columns when the fixed column goes away.
    grid.setFixedCols(0);
    QCOMPARE(grid.columnWidth(0), 40);
    QCOMPARE(grid.columnWidth(1), 63);
}

void TestGrid::alignment_data()
{
    QTest::addColumn<Grid::Align>("align");
    QTest::addColumn<int>("expected");

    QTest::newRow("left") << Grid::Align::Left << int(Qt::AlignLeft | Qt::AlignVCenter);
    QTest::newRow("centre") << Grid::Align::Center << int(Qt::AlignHCenter | Qt::AlignVCenter);
    QTest::newRow("right") << Grid::Align::Right << int(Qt::AlignRight | Qt::AlignVCenter);
}

void TestGrid::alignment()
{
    QFETCH(Grid::Align, align);
    QFETCH(int, expected);
    Grid grid;
    grid.setCols(4);
    grid.setRows(4);
    grid.setColAlignment(1, align);
    grid.setHeadingAlignment(2, align);

    QCOMPARE(grid.colAlignment(1), align);
    QCOMPARE(grid.headingAlignment(2), align);
    for (int r = 0; r < 3; ++r)
        QCOMPARE(grid.model()->index(r, 1).data(Qt::TextAlignmentRole).toInt(), expected);
    QCOMPARE(grid.model()->headerData(2, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), expected);
    // Each setting keeps to its own part: data cells of column 1, the heading of column 2.
    QCOMPARE(grid.model()->index(0, 2).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
    QCOMPARE(grid.model()->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
}

void TestGrid::fixedColAlignment()
{
    Grid grid;
    grid.setCols(4);
    grid.setFixedCols(1);
    grid.setRows(3);
    grid.setColAlignment(0, Grid::Align::Center);
    grid.setColAlignment(1, Grid::Align::Right);
    QCOMPARE(grid.model()->headerData(0, Qt::Vertical, Qt::TextAlignmentRole).toInt(), int(Qt::AlignHCenter | Qt::AlignVCenter));
    QCOMPARE(grid.model()->index(1, 0).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
}

void TestGrid::cellWritesAreBatched()
{
    Grid grid;
    grid.setCols(12);
    grid.setRows(101);
    QCoreApplication::processEvents();
    QSignalSpy spy(grid.model(), &QAbstractItemModel::dataChanged);

    for (int r = 5; r <= 20; ++r) {
        grid.setRow(r);
        for (int c = 2; c <= 4; ++c) {
            grid.setCol(c);
            grid.setText(cellName(r, c));
        }
    }
    grid.setRow(30);
    grid.setCol(3);
    grid.setCellBackColor(Colour::lightRed);

    // The cells read back at once; the view hears of them once, from the event loop.
    QCOMPARE(grid.textMatrix(20, 4), cellName(20, 4));
    QCOMPARE(grid.model()->index(19, 4).data().toString(), cellName(20, 4));
    QCOMPARE(spy.count(), 0);
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<QModelIndex>(), grid.model()->index(4, 2));
    QCOMPARE(spy.at(0).at(1).value<QModelIndex>(), grid.model()->index(29, 4));

    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 1);
}

void TestGrid::headingWritesShowAtOnce()
{
    Grid grid;
    grid.setCols(4);
    grid.setRows(3);
    QSignalSpy spy(grid.model(), &QAbstractItemModel::headerDataChanged);
    grid.setTextMatrix(0, 2, QStringLiteral("体重"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<Qt::Orientation>(), Qt::Horizontal);
    QCOMPARE(spy.at(0).at(1).toInt(), 2);
    QCOMPARE(spy.at(0).at(2).toInt(), 2);
}

void TestGrid::topRow_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("expected"); // 0: as far as the grid scrolls

    QTest::newRow("first row") << 1 << 1;
    QTest::newRow("middle") << 40 << 40;
    QTest::newRow("last row") << 100 << 0;
    QTest::newRow("row count") << 101 << 0;
    QTest::newRow("far past the end") << 32767 << 0;
    QTest::newRow("heading row") << 0 << 1;
    QTest::newRow("negative") << -5 << 1;
}

void TestGrid::topRow()
{
    QFETCH(int, target);
    QFETCH(int, expected);
    auto grid = shownGrid(1, 4);
    QVERIFY(grid);

    // As the screens do it: refill, then scroll before the view has had a chance to lay out.
    grid->setRows(101);
    fill(*grid);
    grid->setTopRow(target);

    QScrollBar *bar = grid->verticalScrollBar();
    const int lastTop = bar->maximum() + 1;
    QVERIFY2(lastTop > 40 && lastTop < 100, "the test needs a list longer than the view");
    const int top = expected == 0 ? lastTop : expected;
    QCOMPARE(grid->topRow(), top);
    QCOMPARE(bar->value(), top - 1);
    QCOMPARE(grid->rowAt(0), top - 1);
    if (expected == 0) {
        // The newest row is in full view.
        const QRect last = grid->visualRect(grid->model()->index(99, 0));
        QVERIFY(last.isValid());
        QVERIFY(last.bottom() < grid->viewport()->height());
    }
    QCoreApplication::processEvents();
    QCOMPARE(grid->topRow(), top);
}

void TestGrid::topRowWhileHidden()
{
    Grid grid;
    grid.setCols(4);
    grid.resize(400, 200);
    grid.setRows(101);
    fill(grid);
    grid.setTopRow(101);

    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QScrollBar *bar = grid.verticalScrollBar();
    QVERIFY(bar->maximum() > 40 && bar->maximum() < 99);
    QCOMPARE(bar->value(), bar->maximum());
    QCOMPARE(grid.topRow(), bar->maximum() + 1);
    QVERIFY(grid.visualRect(grid.model()->index(99, 0)).bottom() < grid.viewport()->height());

    // A refill forgets the old wish; the list starts at its top again.
    grid.hide();
    grid.setRows(1);
    grid.setRows(101);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QCOMPARE(grid.topRow(), 1);
}

void TestGrid::topRowOfShortLists_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("target");

    QTest::newRow("heading only") << 1 << 5;
    QTest::newRow("heading only, row 0") << 1 << 0;
    QTest::newRow("one entry") << 2 << 2;
    QTest::newRow("fits in view") << 5 << 4;
    QTest::newRow("fits in view, far") << 5 << 1000;
    QTest::newRow("fits in view, negative") << 5 << -1;
}

void TestGrid::topRowOfShortLists()
{
    QFETCH(int, rows);
    QFETCH(int, target);
    auto grid = shownGrid(rows, 4);
    QVERIFY(grid);
    grid->setTopRow(target);
    QCOMPARE(grid->topRow(), 1);
    QCOMPARE(grid->verticalScrollBar()->value(), 0);
}

void TestGrid::clicks_data()
{
    QTest::addColumn<int>("fixedCols");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");

    QTest::newRow("first cell") << 0 << 1 << 0;
    QTest::newRow("inner cell") << 0 << 3 << 2;
    QTest::newRow("last row") << 0 << 5 << 3;
    QTest::newRow("fixed column, first data column") << 1 << 2 << 1;
    QTest::newRow("fixed column, last column") << 1 << 4 << 3;
}

void TestGrid::clicks()
{
    QFETCH(int, fixedCols);
    QFETCH(int, row);
    QFETCH(int, col);
    auto grid = shownGrid(6, 4, fixedCols);
    QVERIFY(grid);
    QSignalSpy clicked(grid.get(), &Grid::cellClicked);
    QSignalSpy doubleClicked(grid.get(), &Grid::cellDoubleClicked);

    const QModelIndex index = grid->model()->index(row - 1, col - fixedCols);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());

    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), row);
    QCOMPARE(clicked.at(0).at(1).toInt(), col);
    QCOMPARE(doubleClicked.count(), 0);
    // The clicked cell becomes the current one, as in the old grid.
    QCOMPARE(grid->row(), row);
    QCOMPARE(grid->col(), col);
    QCOMPARE(grid->text(), cellName(row, col));
}

void TestGrid::doubleClicks_data()
{
    clicks_data();
}

void TestGrid::doubleClicks()
{
    QFETCH(int, fixedCols);
    QFETCH(int, row);
    QFETCH(int, col);
    auto grid = shownGrid(6, 4, fixedCols);
    QVERIFY(grid);
    QSignalSpy clicked(grid.get(), &Grid::cellClicked);
    QSignalSpy doubleClicked(grid.get(), &Grid::cellDoubleClicked);

    const QPoint centre = grid->visualRect(grid->model()->index(row - 1, col - fixedCols)).center();
    doubleClick(grid->viewport(), centre);

    QCOMPARE(doubleClicked.count(), 1);
    QCOMPARE(doubleClicked.at(0).at(0).toInt(), row);
    QCOMPARE(doubleClicked.at(0).at(1).toInt(), col);
    // The first click of the pair, and no click for the release that ends it.
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), row);
}

void TestGrid::headingClicks_data()
{
    QTest::addColumn<int>("fixedCols");
    QTest::addColumn<int>("col");

    QTest::newRow("first heading") << 0 << 0;
    QTest::newRow("third heading") << 0 << 2;
    QTest::newRow("fixed column, heading 1") << 1 << 1;
    QTest::newRow("fixed column, heading 3") << 1 << 3;
}

void TestGrid::headingClicks()
{
    QFETCH(int, fixedCols);
    QFETCH(int, col);
    auto grid = shownGrid(6, 4, fixedCols);
    QVERIFY(grid);
    QSignalSpy clicked(grid.get(), &Grid::cellClicked);
    QSignalSpy doubleClicked(grid.get(), &Grid::cellDoubleClicked);

    QHeaderView *heading = grid->horizontalHeader();
    const int section = col - fixedCols;
    const QPoint centre(heading->sectionViewportPosition(section) + heading->sectionSize(section) / 2, heading->height() / 2);
    QTest::mouseClick(heading->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 0);
    QCOMPARE(clicked.at(0).at(1).toInt(), col);

    doubleClick(heading->viewport(), centre);
    QCOMPARE(doubleClicked.count(), 1);
    QCOMPARE(doubleClicked.at(0).at(0).toInt(), 0);
    QCOMPARE(doubleClicked.at(0).at(1).toInt(), col);
    QCOMPARE(clicked.count(), 2);
}

void TestGrid::fixedColumnClicks()
{
    auto grid = shownGrid(6, 4, 1);
    QVERIFY(grid);
    QSignalSpy clicked(grid.get(), &Grid::cellClicked);
    QSignalSpy doubleClicked(grid.get(), &Grid::cellDoubleClicked);

    // Grid row 3 of the fixed column.
    QHeaderView *fixed = grid->verticalHeader();
    const QPoint centre(fixed->width() / 2, fixed->sectionViewportPosition(2) + fixed->sectionSize(2) / 2);
    QTest::mouseClick(fixed->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 3);
    QCOMPARE(clicked.at(0).at(1).toInt(), 0);
    doubleClick(fixed->viewport(), centre);
    QCOMPARE(doubleClicked.count(), 1);
    QCOMPARE(doubleClicked.at(0).at(0).toInt(), 3);
    QCOMPARE(doubleClicked.at(0).at(1).toInt(), 0);
    QCOMPARE(clicked.count(), 2);

    // The corner where the heading row meets the fixed column is grid cell (0, 0).
    clicked.clear();
    QWidget *corner = nullptr;
    for (QWidget *child : grid->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->inherits("QAbstractButton"))
            corner = child;
    }
    QVERIFY(corner);
    QVERIFY(corner->isVisible());
    doubleClicked.clear();
    QTest::mouseClick(corner, Qt::LeftButton, {}, corner->rect().center());
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 0);
    QCOMPARE(clicked.at(0).at(1).toInt(), 0);
    doubleClick(corner, corner->rect().center());
    QCOMPARE(doubleClicked.count(), 1);
    QCOMPARE(doubleClicked.at(0).at(0).toInt(), 0);
    QCOMPARE(doubleClicked.at(0).at(1).toInt(), 0);
    QCOMPARE(clicked.count(), 2);
}

PMLINA_UI_TEST_MAIN(TestGrid)

#include "tst_grid.moc"
