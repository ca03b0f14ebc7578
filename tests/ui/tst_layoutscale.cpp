#include "UiTestMain.h"

#include "ui/LayoutScale.h"
#include "ui/Twips.h"
#include "ui/WindowPlacement.h"

#include <QWidget>

// The one factor the layout is drawn at, twips through it, and windows kept inside the screen.
class TestLayoutScale : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { setLayoutScale(1.0); }

    void scaleForScreen_data()
    {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<double>("scale");
        // The window needs 1180 × 720 at 96 DPI and 40 pixels above it for the title bar.
        QTest::newRow("1920x1080") << QSize(1920, 1080) << 1.0;
        QTest::newRow("1920x1080 at 125 %") << QSize(1536, 864) << 1.0;
        QTest::newRow("exactly the room") << QSize(1180, 760) << 1.0;
        QTest::newRow("1920x1080 at 150 %") << QSize(1280, 720) << 680.0 / 720;
        QTest::newRow("1366x768 below a panel") << QSize(1366, 736) << 696.0 / 720;
        QTest::newRow("narrow") << QSize(1024, 1024) << 1024.0 / 1180;
        QTest::newRow("too small: no smaller than legible") << QSize(800, 600) << 0.75;
        QTest::newRow("nothing available") << QSize(0, 0) << 0.75;
    }
    void scaleForScreen()
    {
        QFETCH(QSize, available);
        QFETCH(double, scale);
        QCOMPARE(LayoutScaleFor(available, LeastWindowSize(96)), scale);
    }

    void windowSizesFollowTheDpi()
    {
        QCOMPARE(DesignedWindowSize(96), QSize(1180, 780));
        QCOMPARE(LeastWindowSize(96), QSize(1180, 720));
        QCOMPARE(LeastWindowSize(120), QSize(1475, 900));
    }

    void twipsAtScale_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("pixels");
        QTest::newRow("one inch at 0.75") << 1440 << 0.75 << 72;
        QTest::newRow("one inch at 0.9") << 1440 << 0.9 << 86; // 86.4
        QTest::newRow("column at 0.85") << 1315 << 0.85 << 75; // 74.52
        QTest::newRow("unscaled") << 305 << 1.0 << 20;
    }
    void twipsAtScale()
    {
        QFETCH(int, twips);
        QFETCH(double, scale);
        QFETCH(int, pixels);
        QCOMPARE(twipsToPixelsAtDpi(twips, 96.0, scale), pixels);
        // The same through the layout's own scale, for twips and for the pixels the program chose.
        setLayoutScale(scale);
        QWidget widget;
        QCOMPARE(twipsToPixels(twips, &widget), pixels);
        QCOMPARE(pixelsPerTwip(&widget), 96.0 * scale / 1440.0);
        QCOMPARE(layoutPixels(96, &widget), twipsToPixels(1440, &widget));
    }

    void placeInside_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("placed");
        const QRect screen(0, 0, 1280, 720);
        QTest::newRow("inside stays") << QRect(100, 50, 600, 400) << screen << QRect(100, 50, 600, 400);
        QTest::newRow("off the right edge") << QRect(900, 50, 600, 400) << screen << QRect(680, 50, 600, 400);
        QTest::newRow("title bar room at the bottom") << QRect(100, 400, 600, 400) << screen << QRect(100, 280, 600, 400);
        QTest::newRow("above and left of the area") << QRect(-50, -30, 600, 400) << screen << QRect(0, 0, 600, 400);
        QTest::newRow("too large shrinks") << QRect(0, 0, 1180, 780) << screen << QRect(0, 0, 1180, 680);
        QTest::newRow("below a desktop panel") << QRect(10, 0, 1180, 780) << QRect(0, 32, 1366, 736) << QRect(10, 32, 1180, 696);
        QTest::newRow("second screen") << QRect(1900, 100, 800, 600) << QRect(1920, 0, 1366, 768) << QRect(1920, 100, 800, 600);
    }
    void placeInside()
    {
        QFETCH(QRect, window);
        QFETCH(QRect, available);
        QFETCH(QRect, placed);
        QCOMPARE(PlaceInside(window, available), placed);
    }
};

PMLINA_UI_TEST_MAIN(TestLayoutScale)

#include "tst_layoutscale.moc"
