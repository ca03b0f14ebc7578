#include "ui/Printer.h"

#include "store/SystemReason.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
constexpr double kTwipsPerInch = 1440.0;
// Fine enough for text and lines on paper; a PDF keeps them as outlines anyway.
constexpr int kPdfResolution = 1200;
} // namespace

PrintPage::PrintPage(QPainter &painter)
    : m_painter(painter)
    , m_font(QGuiApplication::font())
{
    const QPaintDevice *device = painter.device();
    m_unitsPerTwipX = device->logicalDpiX() / kTwipsPerInch;
    m_unitsPerTwipY = device->logicalDpiY() / kTwipsPerInch;
    m_painter.setPen(QPen(Qt::black, 0)); // the thinnest line the device draws
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    setFontSize(m_font.pointSizeF() > 0 ? m_font.pointSizeF() : 11);
}

void PrintPage::drawLine(int x1, int y1, int x2, int y2)
{
    m_painter.drawLine(QPointF(x1 * m_unitsPerTwipX, y1 * m_unitsPerTwipY), QPointF(x2 * m_unitsPerTwipX, y2 * m_unitsPerTwipY));
}

void PrintPage::setFontSize(double points)
{
    m_font.setPointSizeF(points);
    m_painter.setFont(m_font);
}

double PrintPage::textWidth(const QString &text) const
{
    return QFontMetricsF(m_font, m_painter.device()).horizontalAdvance(text) / m_unitsPerTwipX;
}

void PrintPage::drawText(int x, int y, const QString &text)
{
    const double ascent = QFontMetricsF(m_font, m_painter.device()).ascent();
    m_painter.drawText(QPointF(x * m_unitsPerTwipX, y * m_unitsPerTwipY + ascent), text);
}

void PrintPage::drawImage(const QImage &image)
{
    if (image.isNull())
        return;
    const QPaintDevice *device = m_painter.device();
    const QSizeF area(device->width(), device->height());
    const QSizeF size = QSizeF(image.size()).scaled(area, Qt::KeepAspectRatio);
    m_painter.drawImage(QRectF(QPointF(0, 0), size), image);
}

Printer::Outcome Printer::printPage(const QString &documentName, const QString &fileStem, const QDateTime &now,
                                    QPageLayout::Orientation orientation, const std::function<void(PrintPage &)> &draw) const
{
    QPrinterInfo info;
    if (!m_printersIgnored) {
        info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
            if (!printers.isEmpty())
                info = printers.first();
        }
    }
    if (info.isNull())
        return printToPdf(documentName, fileStem, now, orientation, draw);

    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setPageOrientation(orientation);
    QPainter painter;
    if (!painter.begin(&printer))
        return {false, QString(), QStringLiteral("プリンター「%1」を使えませんでした。").arg(info.printerName())};
    PrintPage page(painter);
    draw(page);
    if (!painter.end())
        return {false, QString(), QStringLiteral("プリンター「%1」に送れませんでした。").arg(info.printerName())};
    return {true, QString(), QString()};
}

Printer::Outcome Printer::printToPdf(const QString &documentName, const QString &fileStem, const QDateTime &now,
                                     QPageLayout::Orientation orientation, const std::function<void(PrintPage &)> &draw) const
{
    QString folder = m_pdfFolder;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    if (!QDir().mkpath(folder))
        return {false, QString(), QStringLiteral("フォルダー「%1」を作れませんでした。").arg(folder)};

    const QString stamp = fileStem + u'_' + now.toString(QStringLiteral("yyyyMMdd_HHmmss"));
    QString path = QDir(folder).filePath(stamp + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(stamp + u'_' + QString::number(n) + QStringLiteral(".pdf"));

    // A half-written file is never left behind: the page goes to a temporary file renamed at the end.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, QString(), QStringLiteral("「%1」に書き込めませんでした（%2）。").arg(path, systemReason(file.errorString()))};
    {
        QPdfWriter writer(&file);
        writer.setTitle(documentName);
        writer.setCreator(QStringLiteral("ポムリナ"));
        writer.setResolution(kPdfResolution);
        // A margin that most printers can print within, should the file be printed later.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return {false, QString(), QStringLiteral("「%1」を作れませんでした。").arg(path)};
        }
        PrintPage page(painter);
        draw(page);
        painter.end();
    }
    if (!file.commit())
        return {false, QString(), QStringLiteral("「%1」に書き込めませんでした（%2）。").arg(path, systemReason(file.errorString()))};
    return {true, path, QString()};
}
