// SPDX-License-Identifier: GPL-3.0-or-later
// The WCAG measure and the text colour chosen from it.
#include "ui/ReadableColour.h"

#include <QTest>

class TestReadableColour : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void contrastAsWcagGivesIt_data()
    {
        QTest::addColumn<QColor>("a");
        QTest::addColumn<QColor>("b");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(0, 0, 0) << QColor(255, 255, 255) << 21.0;
        QTest::newRow("the same") << QColor(192, 192, 0) << QColor(192, 192, 0) << 1.0;
        QTest::newRow("#777 on white") << QColor(0x77, 0x77, 0x77) << QColor(255, 255, 255) << 4.48;
        QTest::newRow("white on olive") << QColor(255, 255, 255) << QColor(192, 192, 0) << 1.95;
        QTest::newRow("pure red on white") << QColor(255, 0, 0) << QColor(255, 255, 255) << 4.0;
    }
    void contrastAsWcagGivesIt()
    {
        QFETCH(QColor, a);
        QFETCH(QColor, b);
        QFETCH(double, ratio);
        QCOMPARE(std::round(contrastRatio(a, b) * 100) / 100, ratio);
        QCOMPARE(contrastRatio(b, a), contrastRatio(a, b));
    }

    void foregroundReads_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("preferred");
        QTest::addColumn<QColor>("expected"); // invalid: only readable, a shade of the preferred colour
        QTest::newRow("pale yellow: black") << QColor(255, 255, 192) << QColor() << QColor(0, 0, 0);
        QTest::newRow("olive: black") << QColor(192, 192, 0) << QColor() << QColor(0, 0, 0);
        QTest::newRow("dark red: white") << QColor(192, 0, 0) << QColor() << QColor(255, 255, 255);
        QTest::newRow("dark window: white") << QColor(0x35, 0x35, 0x35) << QColor() << QColor(255, 255, 255);
        QTest::newRow("blue on white kept") << QColor(255, 255, 255) << QColor(0, 0, 192) << QColor(0, 0, 192);
        QTest::newRow("red on white darker") << QColor(255, 255, 255) << QColor(255, 0, 0) << QColor();
        QTest::newRow("olive on white darker") << QColor(255, 255, 255) << QColor(128, 128, 0) << QColor();
        QTest::newRow("blue on dark lighter") << QColor(0x2d, 0x2d, 0x2d) << QColor(0x22, 0x44, 0xCC) << QColor();
        QTest::newRow("red on dark lighter") << QColor(0x2d, 0x2d, 0x2d) << QColor(0xCC, 0x22, 0x22) << QColor();
    }
    void foregroundReads()
    {
        QFETCH(QColor, background);
        QFETCH(QColor, preferred);
        QFETCH(QColor, expected);
        const QColor text = readableForeground(background, preferred);
        QVERIFY2(contrastRatio(text, background) >= kReadableContrast, qPrintable(text.name()));
        if (expected.isValid()) {
            QCOMPARE(text, expected);
            return;
        }
        // The nearest shade that reads: just past 4.5, the hue of the preferred colour kept, and
        // darker on a light background or lighter on a dark one.
        QVERIFY2(contrastRatio(text, background) < kReadableContrast + 0.15, qPrintable(text.name()));
        QVERIFY(std::abs(text.hue() - preferred.hue()) <= 2);
        const bool lightBackground = relativeLuminance(background) > 0.5;
        QCOMPARE(relativeLuminance(text) < relativeLuminance(preferred), lightBackground);
    }

    // Whatever the background and the wish, the text reads.
    void everyBackgroundGetsAReadableText()
    {
        const QColor wishes[] = {QColor(), QColor(255, 0, 0), QColor(0, 0, 192), QColor(128, 128, 0), QColor(238, 238, 236)};
        for (int r = 0; r < 256; r += 17) {
            for (int g = 0; g < 256; g += 17) {
                for (int b = 0; b < 256; b += 17) {
                    for (const QColor &wish : wishes) {
                        const QColor back(r, g, b);
                        const QColor text = readableForeground(back, wish);
                        QVERIFY2(contrastRatio(text, back) >= kReadableContrast, qPrintable(back.name() + u' ' + text.name()));
                    }
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestReadableColour)
#include "tst_readablecolour.moc"
