// SPDX-License-Identifier: GPL-3.0-or-later
// Printing: the record sheet as it lands on a page, the font that lets its lines fit, the PDF
// written where no printer is installed, and the confirmations.
#include "support/MainWindowHarness.h"
#include "support/ScreenHarness.h"

#include "screens/printing/PrintingController.h"
#include "screens/printing/RecordSheet.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPushButton>
#include <QTextItem>

namespace {

// A page that remembers what was drawn on it, in device units.
class RecordingEngine : public QPaintEngine
{
public:
    struct Text {
        QPointF baseline;
        QString text;
        double points = 0;
    };
    QList<QLineF> lines;
    QList<Text> texts;

    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawLines(const QLineF *lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            this->lines << lines[i];
    }
    // A text whose characters come from several fonts arrives in pieces along one baseline.
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        if (!texts.isEmpty() && texts.last().baseline.y() == p.y() && texts.last().baseline.x() < p.x())
            texts.last().text += item.text();
        else
            texts << Text{p, item.text(), item.font().pointSizeF()};
    }
    Type type() const override { return QPaintEngine::User; }
};

class RecordingPage : public QPaintDevice
{
public:
    static constexpr int kDpi = 600;
    mutable RecordingEngine engine;
    QPaintEngine *paintEngine() const override { return &engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return 8 * kDpi;
        case PdmHeight: return 11 * kDpi;
        case PdmWidthMM: return 203;
        case PdmHeightMM: return 279;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return kDpi;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        }
        return 0;
    }
};

double device(int twips)
{
    return twips * double(RecordingPage::kDpi) / 1440.0;
}

} // namespace

class PrintingTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void recordSheetOnThePage()
    {
        using namespace RecordSheetLayout;
        RecordingPage recording;
        QPainter painter(&recording);
        PrintPage page(painter);
        drawRecordSheet(page);
        painter.end();
        const RecordingEngine &e = recording.engine;

        // Two vertical lines, then three horizontal ones.
        const QList<QLineF> lines = {
            {device(3770), 0, device(3770), device(17000)}, {device(7540), 0, device(7540), device(17000)},
            {0, device(4050), device(12000), device(4050)}, {0, device(8100), device(12000), device(8100)},
            {0, device(12150), device(12000), device(12150)}};
        QCOMPARE(e.lines, lines);

        // The twelve headings column by column, then the 120 entry lines, block by block.
        QCOMPARE(e.texts.size(), 12 + 120);
        const double points = e.texts.first().points;
        QVERIFY(points > 0 && points <= 11);
        QFont font = QGuiApplication::font();
        font.setPointSizeF(points);
        const QFontMetricsF metrics(font, &recording);
        const double ascent = metrics.ascent();
        // Measured on the page, each entry line ends at least the margin before the next column,
        // at the largest quarter-point size that allows it (at 11 points it would not fit).
        const double room = device(kBlockWidth - 2 * kMargin);
        QVERIFY2(metrics.horizontalAdvance(kEntryLine) <= room, qPrintable(QString::number(points)));
        font.setPointSizeF(points + 0.25);
        QVERIFY2(QFontMetricsF(font, &recording).horizontalAdvance(kEntryLine) > room, qPrintable(QString::number(points)));
        for (int i = 0; i < e.texts.size(); ++i) {
            const bool heading = i < 12;
            const int block = heading ? i : (i - 12) / kEntryLines;
            const int c = block / kRows;
            const int r = block % kRows;
            const int top = heading ? r * 4050 + 100 : r * 4050 + 500 + (i - 12) % kEntryLines * 300;
            QCOMPARE(e.texts[i].text, heading ? kHeading : kEntryLine);
            QCOMPARE(e.texts[i].points, points);
            QVERIFY2(qAbs(e.texts[i].baseline.x() - device(c * 3770 + 100)) < 0.05 && qAbs(e.texts[i].baseline.y() - ascent - device(top)) < 0.05,
                     qPrintable(QStringLiteral("text %1 at %2,%3 ascent %4").arg(i).arg(e.texts[i].baseline.x()).arg(e.texts[i].baseline.y()).arg(ascent)));
        }
    }

    // Without a printer the page goes to a PDF file in the documents folder (created when
    // missing), named with the date and time, and the user is told where it is.
    void withoutPrinterToPdf_data()
    {
        QTest::addColumn<bool>("sheet");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("file");
        const QString sheetQuestion = QStringLiteral("体重記録用紙を印刷しますか？\r\n\r\n良かったらＯＫボタンを押してください");
        const QString screenQuestion = QStringLiteral("表示中の画面イメージで印刷しますか？\r\n\r\n良かったらＯＫボタンを押してください");
        QTest::newRow("sheet") << true << MessageAnswer::Ok << sheetQuestion << QStringLiteral("体重記録用紙_20261207_073015.pdf");
        QTest::newRow("screen") << false << MessageAnswer::Ok << screenQuestion << QStringLiteral("ポムリナ画面_20261207_073015.pdf");
        QTest::newRow("sheet cancelled") << true << MessageAnswer::Cancel << sheetQuestion << QString();
        QTest::newRow("screen cancelled") << false << MessageAnswer::Cancel << screenQuestion << QString();
    }
    void withoutPrinterToPdf()
    {
        QFETCH(bool, sheet);
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, question);
        QFETCH(QString, file);
        ScreenHarness<PrintingController> h;
        h.host->resize(400, 300);
        const QString documents = h.path() + QStringLiteral("/書類");
        h.controller->printer().setPrintersIgnored(true);
        h.controller->printer().setPdfFolder(documents);
        h.dialogs.answers = {answer};
        sheet ? h.controller->cmdPrint1_Click() : h.controller->cmdPrint_Click();

        QCOMPARE(h.dialogs.shown.first(), (Message{MessageIcon::Question, MessageButtons::OkCancel, QStringLiteral("印刷確認"), question}));
        if (file.isEmpty()) {
            QCOMPARE(h.dialogs.shown.size(), 1);
            QVERIFY(!QFileInfo::exists(documents));
            return;
        }
        const QString path = documents + u'/' + file;
        QCOMPARE(QDir(documents).entryList(QDir::Files), QStringList{file});
        const QByteArray pdf = TestFiles::bytes(documents, file);
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.contains("/Subtype /Image"), !sheet);
        QCOMPARE(h.dialogs.shown.size(), 2);
        QCOMPARE(h.dialogs.shown[1].icon, MessageIcon::Information);
        QVERIFY(h.dialogs.shown[1].text.endsWith(path));
    }

    void buttonsAskOnTheMainWindow()
    {
        MainWindowHarness h;
        h.writeCouple({line(QStringLiteral("2026/12/01"), 70.0)}, {line(QStringLiteral("2026/12/03"), 55.0)});
        h.setHelpTour(0);
        h.start();
        h.dialogs.answers = {MessageAnswer::Cancel, MessageAnswer::Cancel};
        h.click(QStringLiteral("cmdPrint"));
        h.click(QStringLiteral("cmdPrint1"));
        QCOMPARE(h.dialogs.titles(), (QStringList{QStringLiteral("印刷確認"), QStringLiteral("印刷確認")}));
        QVERIFY(h.dialogs.shown[0].text.startsWith(QStringLiteral("表示中の画面イメージ")));
        QVERIFY(h.dialogs.shown[1].text.startsWith(QStringLiteral("体重記録用紙")));
        QVERIFY(h.visible(QStringLiteral("fraAvgTai")));
    }
};

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
