#include "metrics/BmiGauge.h"
#include "metrics/BmiJudgement.h"
#include "metrics/BodyMetrics.h"
#include "store/NumberText.h"

#include <QTest>

class MetricsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void judgementBounds_data()
    {
        QTest::addColumn<float>("bmi");
        QTest::addColumn<QString>("text");
        QTest::addColumn<quint32>("labelColour");
        QTest::addColumn<int>("zone");
        QTest::newRow("15") << 15.0f << QStringLiteral("やせ過ぎ") << 0xFFC0C0u << -1;
        QTest::newRow("16.9") << 16.9f << QStringLiteral("やせ過ぎ") << 0xFFC0C0u << -1;
        QTest::newRow("17.0") << 17.0f << QStringLiteral("やせ気味") << 0xFFFFC0u << 0;
        QTest::newRow("19.99") << 19.99f << QStringLiteral("やせ気味") << 0xFFFFC0u << 0;
        QTest::newRow("20.0") << 20.0f << QStringLiteral("スタンダード") << 0xC0FFC0u << 1;
        QTest::newRow("24.0") << 24.0f << QStringLiteral("スタンダード") << 0xC0FFC0u << 1;
        QTest::newRow("24.1") << 24.1f << QStringLiteral("でぶメゾフォルテ") << 0xC0FFFFu << 2;
        QTest::newRow("26.4") << 26.4f << QStringLiteral("でぶメゾフォルテ") << 0xC0FFFFu << 2;
        QTest::newRow("26.5") << 26.5f << QStringLiteral("でぶフォルテ") << 0xFFC0FFu << 3;
        QTest::newRow("29.99") << 29.99f << QStringLiteral("でぶフォルテ") << 0xFFC0FFu << 3;
        QTest::newRow("30.0") << 30.0f << QStringLiteral("でぶフォルテシモ") << 0xC0C0FFu << 4;
        QTest::newRow("35") << 35.0f << QStringLiteral("でぶフォルテシモ") << 0xC0C0FFu << 4;
    }
    void judgementBounds()
    {
        QFETCH(float, bmi);
        QFETCH(QString, text);
        QFETCH(quint32, labelColour);
        QFETCH(int, zone);
        const BmiJudgement j = JudgeBmi(bmi);
        QCOMPARE(j.text, text);
        QCOMPARE(j.labelColour, labelColour);
        QCOMPARE(j.zone, zone);
        QCOMPARE(j.zoneColour, gaugeZoneColour(zone));
    }

    void formulasFromHeightAndWeight_data()
    {
        QTest::addColumn<float>("height");
        QTest::addColumn<float>("weight");
        QTest::addColumn<QString>("bmi");
        QTest::addColumn<QString>("standard");
        QTest::addColumn<QString>("obesity");
        QTest::addColumn<QString>("judgement");
        QTest::newRow("170cm 63.58kg") << 170.0f << 63.58f << QStringLiteral("22.0") << QStringLiteral("63.6") << QStringLiteral("0.0%")
                                       << QStringLiteral("スタンダード");
        QTest::newRow("160cm 64kg") << 160.0f << 64.0f << QStringLiteral("25.0") << QStringLiteral("56.3") << QStringLiteral("13.6%")
                                    << QStringLiteral("でぶメゾフォルテ");
        QTest::newRow("168.5cm 55kg") << 168.5f << 55.0f << QStringLiteral("19.4") << QStringLiteral("62.5") << QStringLiteral("-11.9%")
                                      << QStringLiteral("やせ気味");
    }
    void formulasFromHeightAndWeight()
    {
        QFETCH(float, height);
        QFETCH(float, weight);
        QFETCH(QString, bmi);
        QFETCH(QString, standard);
        QFETCH(QString, obesity);
        QFETCH(QString, judgement);
        const float value = Bmi(weight, height).value();
        QCOMPARE(formatOneDecimal(value), bmi);
        QCOMPARE(formatOneDecimal(StandardWeight(height).value()), standard);
        QCOMPARE(formatRatioPercent(Obesity(weight, height).value()), obesity);
        QCOMPARE(JudgeBmi(value).text, judgement);
    }

    void zeroHeightHasNoFigures()
    {
        QVERIFY(!Bmi(60.0f, 0.0f));
        QVERIFY(!StandardWeight(0.0f));
        QVERIFY(!Obesity(60.0f, 0.0f));
        QVERIFY(!Bmi(60.0f, -5.0f));
    }

    void pointerAndSlider_data()
    {
        QTest::addColumn<float>("bmi");
        QTest::addColumn<float>("clamped");
        QTest::addColumn<int>("slider");
        QTest::addColumn<double>("entryLeft");
        QTest::addColumn<double>("meterLeft");
        // zone 2 starts at BMI 24: 1305 and 3975 twips; the pointer's middle stands on the value
        QTest::newRow("24") << 24.0f << 24.0f << 240 << 1305.0 - 240 << 3975.0 - 240;
        QTest::newRow("22") << 22.0f << 22.0f << 220 << 1305.0 - 560 << 3975.0 - 1240;
        QTest::newRow("15 clamps to 17") << 15.0f << 17.0f << 170 << 1305.0 - 1360 << 3975.0 - 3740;
        QTest::newRow("35 clamps to 32") << 35.0f << 32.0f << 320 << 1305.0 + 1040 << 3975.0 + 3760;
        QTest::newRow("tie to even down") << 21.25f << 21.25f << 212 << 1305.0 - (2.75 * 160 + 240) << 3975.0 - (2.75 * 500 + 240);
        QTest::newRow("tie to even up") << 21.75f << 21.75f << 218 << 1305.0 - (2.25 * 160 + 240) << 3975.0 - (2.25 * 500 + 240);
    }
    void pointerAndSlider()
    {
        QFETCH(float, bmi);
        QFETCH(float, clamped);
        QFETCH(int, slider);
        QFETCH(double, entryLeft);
        QFETCH(double, meterLeft);
        const float meter = ClampMeterBmi(bmi);
        QCOMPARE(meter, clamped);
        QCOMPARE(SliderValueFor(meter), slider);
        QCOMPARE(PointerLeft(kEntryGauge, meter), entryLeft);
        QCOMPARE(PointerLeft(kMeterGauge, meter), meterLeft);
    }

    void meterMovedByUser_data()
    {
        QTest::addColumn<int>("slider");
        QTest::addColumn<float>("height");
        QTest::addColumn<QString>("bmi");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("standard");
        QTest::addColumn<QString>("obesity");
        QTest::addColumn<QString>("judgement");
        // obesity from the shown texts: (64.0 − 56.3) ÷ 56.3 × 100 = 13.7 (13.6 from the exact numbers)
        QTest::newRow("250 at 160cm") << 250 << 160.0f << QStringLiteral("25.0") << QStringLiteral("64.0") << QStringLiteral("56.3")
                                      << QStringLiteral("13.7") << QStringLiteral("でぶメゾフォルテ");
        QTest::newRow("170 at 160cm") << 170 << 160.0f << QStringLiteral("17.0") << QStringLiteral("43.5") << QStringLiteral("56.3")
                                      << QStringLiteral("-22.7") << QStringLiteral("やせ気味");
        QTest::newRow("320 at 180cm") << 320 << 180.0f << QStringLiteral("32.0") << QStringLiteral("103.7") << QStringLiteral("71.3")
                                      << QStringLiteral("45.4") << QStringLiteral("でぶフォルテシモ");
        QTest::newRow("standard weight below ten") << 220 << 60.0f << QStringLiteral("22.0") << QStringLiteral("7.9") << QStringLiteral("07.9")
                                                   << QStringLiteral("0.0") << QStringLiteral("スタンダード");
    }
    void meterMovedByUser()
    {
        QFETCH(int, slider);
        QFETCH(float, height);
        QFETCH(QString, bmi);
        QFETCH(QString, weight);
        QFETCH(QString, standard);
        QFETCH(QString, obesity);
        QFETCH(QString, judgement);
        const MeterReading r = ReadMeter(slider, height, QStringLiteral("70"), true);
        QCOMPARE(r.bmiText, bmi);
        QCOMPARE(r.weightText, weight);
        QCOMPARE(r.standardWeight, standard);
        QCOMPARE(r.obesityText, obesity);
        QCOMPARE(r.judgement.text, judgement);
    }

    void meterSetByProgramKeepsTheRealWeight()
    {
        // The program put the slider at the BMI of 68.4 kg; the weight label keeps 68.4.
        const MeterReading r = ReadMeter(240, 168.5f, QStringLiteral("68.4"), false);
        QCOMPARE(r.weightText, QStringLiteral("68.4"));
        QCOMPARE(r.bmiText, QStringLiteral("24.0"));
        QCOMPARE(r.standardWeight, QStringLiteral("62.5"));
        QCOMPARE(r.obesityText, QStringLiteral("9.4"));
    }

    void meterWithoutHeightHasNoObesity()
    {
        const MeterReading r = ReadMeter(220, 0.0f, QStringLiteral("60"), true);
        QCOMPARE(r.standardWeight, QStringLiteral("00.0"));
        QVERIFY(r.obesityText.isEmpty());
    }
};

QTEST_APPLESS_MAIN(MetricsTest)
#include "tst_metrics.moc"
