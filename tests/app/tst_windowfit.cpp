// SPDX-License-Identifier: GPL-3.0-or-later
// The window on the screens people have: every control of every screen inside the window, the
// window inside the screen's available area with room for its title bar.
#include "support/DarkPalette.h"
#include "support/MainWindowHarness.h"

#include "screens/shell/ScreenController.h"
#include "ui/JapaneseFont.h"
#include "ui/LayoutScale.h"
#include "ui/Twips.h"
#include "ui/WindowPlacement.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>

namespace {

void writeCouple(MainWindowHarness &h)
{
    QStringList lines1;
    QStringList lines2;
    for (int day = 1; day <= 28; ++day) {
        const QString date = QStringLiteral("2026/11/%1").arg(day, 2, 10, QLatin1Char('0'));
        lines1 << line(date, 72.0 - day * 0.1, 27.5, QStringLiteral("起床後"), QStringLiteral("07:12:45"))
               << line(date, 72.4 - day * 0.1, 27.8, QStringLiteral("夕食後"), QStringLiteral("外食で食べ過ぎ"));
        lines2 << line(date, 58.0 - day * 0.05, 30.1, QStringLiteral("入浴後"));
    }
    h.writeCouple(lines1, lines2, QStringLiteral("ぽむぽむ"), QStringLiteral("りなりな"));
    h.setHelpTour(0);
}

// What a control with a text needs to show it whole; nothing for the rest. A push button is
// judged by its text and icon, not by the style's least width for buttons.
QSize neededSize(const QWidget *w)
{
    if (const auto *button = qobject_cast<const QPushButton *>(w)) {
        if (button->text().isEmpty())
            return {};
        const QStyle *style = button->style();
        const int margins = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        return {button->fontMetrics().horizontalAdvance(button->text()) + icon + margins, button->fontMetrics().height()};
    }
    const auto *label = qobject_cast<const QLabel *>(w);
    const auto *check = qobject_cast<const QAbstractButton *>(w);
    if ((label && !label->text().isEmpty()) || (check && !check->text().isEmpty()))
        return w->minimumSizeHint();
    return {};
}

// A list that has to be scrolled sideways, and the columns that cut their heading or a text of
// the rows in sight.
QStringList cutColumns(QTableView *view, const QString &name)
{
    QStringList problems;
    if (view->horizontalScrollBar()->maximum() > 0)
        problems << name + QStringLiteral(" scrolls sideways");
    const QHeaderView *header = view->horizontalHeader();
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int c = 0; c < view->model()->columnCount(); ++c) {
        const QString heading = view->model()->headerData(c, Qt::Horizontal).toString();
        const int width = view->columnWidth(c);
        if (width > 0 && std::max(static_cast<QAbstractItemView *>(view)->sizeHintForColumn(c), header->fontMetrics().horizontalAdvance(heading) + margins) > width)
            problems << QStringLiteral("%1 column 「%2」 cut at %3").arg(name, heading).arg(width);
    }
    return problems;
}

// Where a control would be cut off: outside the part of the window that shows without scrolling,
// or squeezed below the size its text needs.
QStringList misplacedControls(QWidget *window, const QWidget *shown)
{
    const QRect visibleArea(shown->mapTo(window, QPoint(0, 0)), shown->size());
    QStringList problems;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->isWindow() || !w->isVisibleTo(window))
            continue;
        const QRect place(w->mapTo(window, QPoint(0, 0)), w->size());
        const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
        if (!visibleArea.contains(place))
            problems << QStringLiteral("%1 at %2,%3 %4x%5").arg(name).arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height());
        if (const QSize needed = neededSize(w); w->width() < needed.width() || w->height() < needed.height())
            problems << QStringLiteral("%1 squeezed to %2x%3 (needs %4x%5)").arg(name).arg(w->width()).arg(w->height()).arg(needed.width()).arg(needed.height());
        if (auto *view = qobject_cast<QTableView *>(w))
            problems << cutColumns(view, name);
    }
    return problems;
}

} // namespace

class WindowFitTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        chooseJapaneseFont(*qApp);
        m_desktop = QApplication::font();
        m_palette = QApplication::palette();
    }
    void cleanup()
    {
        QApplication::setPalette(m_palette);
        setDesktopFont(m_desktop);
        applyLayoutScale(1.0);
    }

    // The toolkit's own font, GTK's (10 points) and GNOME's (11 points), under a light and a
    // dark palette.
    void everyControlOfEveryScreenInside_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("dark");
        QTest::newRow("1280x720") << QRect(0, 0, 1280, 720) << 9.0 << false;
        QTest::newRow("1280x720, 10 points, dark") << QRect(0, 0, 1280, 720) << 10.0 << true;
        QTest::newRow("1280x720, 11 points") << QRect(0, 0, 1280, 720) << 11.0 << false;
        QTest::newRow("1280x720, 11 points, dark") << QRect(0, 0, 1280, 720) << 11.0 << true;
        QTest::newRow("1366x768 below a desktop panel") << QRect(0, 32, 1366, 736) << 9.0 << false;
        QTest::newRow("1024x768") << QRect(0, 0, 1024, 768) << 9.0 << false;
        QTest::newRow("1920x1080") << QRect(0, 0, 1920, 1080) << 9.0 << false;
        QTest::newRow("1920x1080, 11 points") << QRect(0, 0, 1920, 1080) << 11.0 << false;
    }

    void everyControlOfEveryScreenInside()
    {
        QFETCH(QRect, available);
        QFETCH(double, points);
        QFETCH(bool, dark);
        if (dark)
            QApplication::setPalette(darkPalette());
        QFont desktop = m_desktop;
        desktop.setPointSizeF(points);
        setDesktopFont(desktop);
        applyLayoutScaleFor(available.size(), 96);
        MainWindowHarness h;
        writeCouple(h);
        h.start();
        MainWindow &window = *h.window;
        window.fitInto(available);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(available.contains(QRect(window.pos(), window.size() + QSize(0, kTitleBarRoom))));

        const auto *scroller = qobject_cast<QScrollArea *>(window.centralWidget());
        QVERIFY(scroller);
        const QList<ScreenController *> screens = window.findChildren<ScreenController *>();
        QVERIFY(screens.size() >= 8);
        QStringList problems;
        for (ScreenController *screen : screens) {
            window.openScreen(screen);
            QVERIFY(screen->panel()->isVisible());
            QCoreApplication::sendPostedEvents();
            // Opening a screen never makes the window outgrow the area.
            QVERIFY(available.contains(QRect(window.pos(), window.size() + QSize(0, kTitleBarRoom))));
            QStringList found = misplacedControls(&window, scroller->viewport());
            if (scroller->horizontalScrollBar()->maximum() > 0 || scroller->verticalScrollBar()->maximum() > 0)
                found << QStringLiteral("the window scrolls");
            if (!found.isEmpty())
                problems << screen->panel()->objectName() + QStringLiteral(": ") + found.join(QStringLiteral("; "));
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        QVERIFY(h.dialogs.shown.isEmpty());
    }

    void tooSmallAScreenScrolls()
    {
        const QRect available(0, 0, 800, 600);
        applyLayoutScaleFor(available.size(), 96);
        QCOMPARE(layoutScale(), kSmallestLayoutScale);
        MainWindowHarness h;
        writeCouple(h);
        h.start();
        h.window->fitInto(available);
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        QCOMPARE(QRect(h.window->pos(), h.window->size()), QRect(0, 0, 800, 560));
        auto *scroller = qobject_cast<QScrollArea *>(h.window->centralWidget());
        QVERIFY(scroller->horizontalScrollBar()->maximum() > 0);
        QVERIFY(scroller->verticalScrollBar()->maximum() > 0);
    }

    void largeScreenKeepsTheDesign()
    {
        const QRect available(0, 0, 1920, 1080);
        applyLayoutScaleFor(available.size(), 96);
        QCOMPARE(layoutScale(), 1.0);
        MainWindowHarness h;
        writeCouple(h);
        h.start();
        h.window->fitInto(available);
        QCOMPARE(h.window->size(), QSize(1180, 780));
        QCOMPARE(h.window->pos(), QPoint(370, 130));
    }

private:
    QFont m_desktop;
    QPalette m_palette;
};

QTEST_MAIN(WindowFitTest)
#include "tst_windowfit.moc"
