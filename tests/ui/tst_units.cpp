#include "UiTestMain.h"

#include "ui/Colors.h"
#include "ui/Twips.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

// Colour values and twips as the screens hand them over.
class TestUnits : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void plainColours_data();
    void plainColours();
    void systemColours_data();
    void systemColours();

    void twipsAtDpi_data();
    void twipsAtDpi();
    void twipsOnScreen_data();
    void twipsOnScreen();
    void pixelsPerTwip();
};

void TestUnits::plainColours_data()
{
    QTest::addColumn<quint32>("bgr");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("light red") << quint32(Colour::lightRed) << QColor(255, 192, 192);
    QTest::newRow("light yellow") << quint32(Colour::lightYellow) << QColor(255, 255, 192);
    QTest::newRow("light green") << quint32(Colour::lightGreen) << QColor(192, 255, 192);
    QTest::newRow("selected partner") << quint32(Colour::selectedPartner) << QColor(255, 255, 240);
    QTest::newRow("chosen toggle") << quint32(Colour::chosenToggle) << QColor(255, 224, 192);
    QTest::newRow("low byte is red") << quint32(0x0000C0) << QColor(192, 0, 0);
    QTest::newRow("middle byte is green") << quint32(0x008000) << QColor(0, 128, 0);
    QTest::newRow("high byte is blue") << quint32(0xC00000) << QColor(0, 0, 192);
    QTest::newRow("olive") << quint32(0x00C0C0) << QColor(192, 192, 0);
    QTest::newRow("black") << quint32(0) << QColor(0, 0, 0);
    QTest::newRow("white") << quint32(0xFFFFFF) << QColor(255, 255, 255);
    QTest::newRow("calendar day") << quint32(16761024) << QColor(192, 192, 255);
}

void TestUnits::plainColours()
{
    QFETCH(quint32, bgr);
    QFETCH(QColor, expected);
    const QColor colour = colorFromBgr(bgr);
    QCOMPARE(colour, expected);
    QCOMPARE(colour.alpha(), 255);
}

void TestUnits::systemColours_data()
{
    QTest::addColumn<quint32>("bgr");
    QTest::addColumn<int>("role");

    QTest::newRow("button face") << quint32(Colour::buttonFace) << int(QPalette::Button);
    QTest::newRow("window") << quint32(0x80000005) << int(QPalette::Base);
    QTest::newRow("window text") << quint32(0x80000008) << int(QPalette::Text);
    QTest::newRow("highlight") << quint32(0x8000000D) << int(QPalette::Highlight);
    QTest::newRow("highlight text") << quint32(0x8000000E) << int(QPalette::HighlightedText);
    QTest::newRow("button text") << quint32(0x80000012) << int(QPalette::ButtonText);
    QTest::newRow("unknown index") << quint32(0x800000FE) << int(QPalette::Button);
}

void TestUnits::systemColours()
{
    QFETCH(quint32, bgr);
    QFETCH(int, role);
    QCOMPARE(colorFromBgr(bgr), QGuiApplication::palette().color(QPalette::ColorRole(role)));
}

void TestUnits::twipsAtDpi_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("pixels");

    QTest::newRow("one inch") << 1440 << 96.0 << 96;
    QTest::newRow("one inch at 120") << 1440 << 120.0 << 120;
    QTest::newRow("half inch at 144") << 720 << 144.0 << 72;
    QTest::newRow("zero") << 0 << 96.0 << 0;
    QTest::newRow("15 twips is a pixel") << 15 << 96.0 << 1;
    QTest::newRow("below half a pixel") << 7 << 96.0 << 0;
    QTest::newRow("above half a pixel") << 8 << 96.0 << 1;
    QTest::newRow("305 rounds down") << 305 << 96.0 << 20;    // 20.33
    QTest::newRow("1315 rounds up") << 1315 << 96.0 << 88;    // 87.67
    QTest::newRow("exact half rounds up") << 6 << 120.0 << 1; // 0.5
    QTest::newRow("exact half, negative") << -6 << 120.0 << -1;
    QTest::newRow("negative") << -1440 << 96.0 << -96;
    QTest::newRow("list width") << 8535 << 96.0 << 569;
}

void TestUnits::twipsAtDpi()
{
    QFETCH(int, twips);
    QFETCH(double, dpi);
    QFETCH(int, pixels);
    QCOMPARE(twipsToPixelsAtDpi(twips, dpi), pixels);
}

void TestUnits::twipsOnScreen_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");

    QTest::newRow("one inch") << 1440 << 96;
    QTest::newRow("column") << 600 << 40;
    QTest::newRow("narrow column") << 320 << 21;
}

void TestUnits::twipsOnScreen()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    // The test main fixes the logical DPI at 96.
    QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0);
    QWidget widget;
    QCOMPARE(twipsToPixels(twips, &widget), pixels);
    QCOMPARE(twipsToPixels(twips), pixels);
}

void TestUnits::pixelsPerTwip()
{
    QWidget widget;
    QCOMPARE(::pixelsPerTwip(&widget), 96.0 / 1440.0);
    QCOMPARE(::pixelsPerTwip(), 96.0 / 1440.0);
}

PMLINA_UI_TEST_MAIN(TestUnits)

#include "tst_units.moc"
