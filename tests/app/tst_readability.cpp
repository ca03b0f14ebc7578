// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of every screen readable under a light and a dark desktop palette: each text against
// what it is drawn on, by the WCAG contrast ratio, at least 4.5:1.
#include "support/DarkPalette.h"
#include "support/MainWindowHarness.h"

#include "screens/shell/ScreenController.h"
#include "ui/Grid.h"
#include "ui/ReadableColour.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextCharFormat>
#include <QTextEdit>
#include <QValueAxis>

namespace {

// A couple whose screens show every colour: partner 1 went up, stayed and went down on the
// shown day (the three trend marks), measured more often than partner 2 that day (the green and
// the red count), and over a few weeks (the calendar's day colours, the diary's marks).
void writeCouple(MainWindowHarness &h)
{
    QStringList lines1;
    QStringList lines2;
    for (int day = 1; day <= 6; ++day) {
        const QString date = QStringLiteral("2026/12/%1").arg(day, 2, 10, QLatin1Char('0'));
        lines1 << line(date, 70.0 + (day % 3) * 0.2, 26, QStringLiteral("起床後"), QStringLiteral("07:12:45"));
        if (day % 2)
            lines1 << line(date, 70.5, 26.2, QStringLiteral("夕食後"), QStringLiteral("外食"));
        lines2 << line(date, 55.0 - day * 0.1, 28, QStringLiteral("入浴後"));
    }
    const QString today = QStringLiteral("2026/12/07");
    lines1 << line(today, 70.0) << line(today, 70.4) << line(today, 70.4) << line(today, 70.1);
    lines2 << line(today, 54.2);
    h.writeCouple(lines1, lines2);
    h.setHelpTour(0);
}

QString describe(const QWidget *w)
{
    QString name = w->objectName();
    if (name.isEmpty())
        name = QString::fromLatin1(w->metaObject()->className());
    return name;
}

bool paintsOwnBackground(const QWidget *w)
{
    return w->autoFillBackground() || w->styleSheet().contains(QLatin1String("background"));
}

// The colour a widget without a background of its own is drawn on: that of the nearest widget
// under it that paints one (the window at the latest).
QColor backgroundBehind(const QWidget *w)
{
    for (const QWidget *p = w; p; p = p->parentWidget()) {
        if (paintsOwnBackground(p) || p->isWindow())
            return p->palette().color(QPalette::Active, p->backgroundRole());
    }
    return QColor();
}

class Sweep
{
public:
    QStringList unreadable;
    int pairs = 0;
    int colouredCells = 0;

    void check(const QString &where, const QColor &text, const QColor &back)
    {
        ++pairs;
        const double ratio = contrastRatio(text, back);
        if (ratio < kReadableContrast)
            unreadable << QStringLiteral("%1: %2 on %3 (%4:1)").arg(where, text.name(), back.name()).arg(ratio, 0, 'f', 2);
    }

    void widget(QWidget *w)
    {
        if (!w->isVisible() || !w->isEnabled())
            return;
        const QPalette palette = w->palette();
        auto own = [&](QPalette::ColorRole role) { return palette.color(QPalette::Active, role); };
        auto drawnOn = [&] { return paintsOwnBackground(w) ? own(w->backgroundRole()) : backgroundBehind(w->parentWidget()); };
        const QString where = describe(w);

        if (auto *button = qobject_cast<QPushButton *>(w)) {
            if (!button->text().isEmpty())
                check(where + QStringLiteral("「%1」").arg(button->text()), own(QPalette::ButtonText), own(QPalette::Button));
        } else if (auto *option = qobject_cast<QAbstractButton *>(w); option && (qobject_cast<QRadioButton *>(w) || qobject_cast<QCheckBox *>(w))) {
            check(where + QStringLiteral("「%1」").arg(option->text()), own(w->foregroundRole()), drawnOn());
            indicator(where + QStringLiteral("「%1」").arg(option->text()), option, drawnOn());
        } else if (auto *label = qobject_cast<QLabel *>(w)) {
            if (!label->text().trimmed().isEmpty())
                check(where + QStringLiteral("「%1」").arg(label->text().left(12)), own(w->foregroundRole()), drawnOn());
        } else if (auto *frame = qobject_cast<QGroupBox *>(w)) {
            if (!frame->title().trimmed().isEmpty())
                check(where + QStringLiteral(" title"), own(QPalette::WindowText), drawnOn());
        } else if (qobject_cast<QLineEdit *>(w) || qobject_cast<QTextEdit *>(w) || qobject_cast<QPlainTextEdit *>(w)) {
            check(where, own(QPalette::Text), own(QPalette::Base));
        } else if (auto *box = qobject_cast<QComboBox *>(w); box && !box->isEditable()) {
            check(where, own(QPalette::ButtonText), own(QPalette::Button));
        } else if (auto *calendar = qobject_cast<QCalendarWidget *>(w)) {
            monthCalendar(calendar);
        } else if (auto *view = qobject_cast<QChartView *>(w)) {
            chart(where, view->chart());
        }
        // The program's lists; the month calendar's days are looked at above (the days of the
        // months before and after are greyed by the calendar itself, as disabled text).
        if (auto *grid = qobject_cast<Grid *>(w))
            cells(where, grid);
        else if (auto *view = qobject_cast<QAbstractItemView *>(w))
            check(where, view->palette().color(QPalette::Active, QPalette::Text), view->palette().color(QPalette::Active, QPalette::Base));
    }

    // An option's indicator reads as its caption does: its edge stands out from what it is drawn
    // on, and the chosen one has a mark of some size that stands out from the indicator without.
    // Both as drawn by the option's own style, pixel by pixel.
    void indicator(const QString &where, QAbstractButton *option, const QColor &back)
    {
        const bool radio = qobject_cast<QRadioButton *>(option) != nullptr;
        QStyleOptionButton drawn;
        drawn.initFrom(option);
        const QSize size = option->style()->subElementRect(radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &drawn, option).size();
        drawn.rect = QRect(QPoint(), size);
        const auto image = [&](QStyle::State chosen) {
            QImage pixels(size, QImage::Format_RGB32);
            pixels.fill(back);
            QPainter painter(&pixels);
            QStyleOptionButton state = drawn;
            state.state = (state.state & ~(QStyle::State_On | QStyle::State_Off | QStyle::State_HasFocus)) | chosen;
            option->style()->drawPrimitive(radio ? QStyle::PE_IndicatorRadioButton : QStyle::PE_IndicatorCheckBox, &state, &painter, option);
            return pixels;
        };
        const QImage off = image(QStyle::State_Off), on = image(QStyle::State_On);
        int edge = 0, mark = 0;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                edge += contrastRatio(off.pixelColor(x, y), back) >= kReadableContrast ? 1 : 0;
                mark += contrastRatio(on.pixelColor(x, y), off.pixelColor(x, y)) >= kReadableContrast ? 1 : 0;
            }
        }
        // An edge all round: about as many pixels as the indicator is wide on each of its sides;
        // a mark about a third of the indicator across.
        pairs += 2;
        if (edge < 2 * size.width())
            unreadable << QStringLiteral("%1 indicator's edge: %2 pixels read on %3").arg(where).arg(edge).arg(back.name());
        if (mark < (size.width() / 3) * (size.width() / 3))
            unreadable << QStringLiteral("%1 indicator's mark: %2 pixels read").arg(where).arg(mark);
    }

    // Cells with a colour of their own: their text against that colour; the others are drawn in
    // the view's own colours.
    void cells(const QString &where, QAbstractItemView *view)
    {
        const QAbstractItemModel *model = view->model();
        if (!model)
            return;
        const QColor text = view->palette().color(QPalette::Active, QPalette::Text);
        check(where, text, view->palette().color(QPalette::Active, QPalette::Base));
        const int rows = std::min(model->rowCount(), 2000);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < model->columnCount(); ++c) {
                const QModelIndex index = model->index(r, c);
                const QVariant back = index.data(Qt::BackgroundRole);
                if (!back.isValid() || index.data(Qt::DisplayRole).toString().isEmpty())
                    continue;
                const QVariant fore = index.data(Qt::ForegroundRole);
                ++colouredCells;
                check(QStringLiteral("%1 cell %2,%3 「%4」").arg(where).arg(r + 1).arg(c).arg(index.data().toString()),
                      fore.isValid() ? fore.value<QBrush>().color() : text, back.value<QBrush>().color());
            }
        }
    }

    void monthCalendar(QCalendarWidget *calendar)
    {
        const auto *days = calendar->findChild<QAbstractItemView *>(QStringLiteral("qt_calendar_calendarview"));
        QVERIFY(days);
        const QPalette palette = days->palette();
        for (Qt::DayOfWeek day : {Qt::Saturday, Qt::Sunday}) {
            const QBrush fore = calendar->weekdayTextFormat(day).foreground();
            const QColor text = fore.style() == Qt::NoBrush ? palette.color(QPalette::Active, QPalette::Text) : fore.color();
            const QString where = describe(calendar) + (day == Qt::Saturday ? QStringLiteral(" Saturday") : QStringLiteral(" Sunday"));
            check(where, text, palette.color(QPalette::Active, QPalette::Base));
            check(where + QStringLiteral(" heading"), text, palette.color(QPalette::Active, QPalette::AlternateBase));
        }
    }

    void chart(const QString &where, QChart *chart)
    {
        // The chart's background, every colour of it where it is a gradient.
        const QBrush brush = chart->backgroundBrush();
        QList<QColor> ground;
        if (const QGradient *gradient = brush.gradient()) {
            for (const QGradientStop &stop : gradient->stops())
                ground << stop.second;
        } else {
            ground << brush.color();
        }
        for (const QColor &back : std::as_const(ground)) {
            for (QAbstractAxis *axis : chart->axes()) {
                if (axis->isVisible() && axis->labelsVisible())
                    check(where + QStringLiteral(" axis labels"), axis->labelsColor(), back);
            }
            if (chart->legend()->isVisible())
                check(where + QStringLiteral(" legend"), chart->legend()->labelColor(), back);
        }
    }

    void everything(QWidget *root)
    {
        widget(root);
        for (QWidget *w : root->findChildren<QWidget *>())
            widget(w);
    }
};

} // namespace

class ReadabilityTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_desktop = QApplication::palette(); }
    void cleanup() { QApplication::setPalette(m_desktop); }

    void everyTextReadsOnItsBackground_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << QApplication::style()->standardPalette();
        QTest::newRow("dark") << darkPalette();
    }
    void everyTextReadsOnItsBackground()
    {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        MainWindowHarness h;
        writeCouple(h);
        h.start();
        MainWindow &window = *h.window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QList<ScreenController *> screens = window.findChildren<ScreenController *>();
        QVERIFY(screens.size() >= 8);
        QStringList unreadable;
        int colouredCells = 0;
        for (ScreenController *screen : screens) {
            window.openScreen(screen);
            QVERIFY(screen->panel()->isVisible());
            // The states that colour more: the trend graph's lower bound at the target.
            if (auto *target = screen->panel()->findChild<QPushButton *>(QStringLiteral("cmdMokuChk")))
                target->click();
            QCoreApplication::sendPostedEvents();
            Sweep sweep;
            sweep.everything(&window);
            // The window's buttons and the screen's controls, not a sweep that found nothing.
            QVERIFY2(sweep.pairs > 20, qPrintable(screen->panel()->objectName()));
            colouredCells += sweep.colouredCells;
            for (const QString &finding : std::as_const(sweep.unreadable))
                unreadable << screen->panel()->objectName() + QStringLiteral(": ") + finding;
        }
        // The help window, a page of its own.
        h.click(QStringLiteral("cmdHelp"));
        if (auto *help = window.findChild<QWidget *>(QStringLiteral("helpViewer")); help && help->isVisible()) {
            Sweep sweep;
            sweep.everything(help);
            unreadable << sweep.unreadable;
        }
        // The day list's trend marks and the diary's at least.
        QVERIFY(colouredCells >= 10);
        unreadable.removeDuplicates();
        QVERIFY2(unreadable.isEmpty(), qPrintable(QString::number(unreadable.size()) + QStringLiteral(" unreadable:\n") + unreadable.join(u'\n')));
    }

private:
    QPalette m_desktop;
};

QTEST_MAIN(ReadabilityTest)
#include "tst_readability.moc"
