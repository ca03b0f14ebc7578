#pragma once

#include <QFont>
#include <QPageLayout>
#include <QString>

#include <functional>

class QDateTime;
class QImage;
class QPainter;

// One page, addressed in twips (1/1440 inch) from the top-left corner of the device's drawing
// area, with thin black lines and text in the program's font.
class PrintPage
{
public:
    // `painter` is active on the device the page is drawn on.
    explicit PrintPage(QPainter &painter);

    void drawLine(int x1, int y1, int x2, int y2);
    void setFontSize(double points);
    double fontSize() const { return m_font.pointSizeF(); }
    // The width of the text in the current font as the device measures it, in twips.
    double textWidth(const QString &text) const;
    // The text with the top-left corner of its line at (x, y).
    void drawText(int x, int y, const QString &text);
    // The image as large as the drawing area allows, its proportions kept, from the top-left corner.
    void drawImage(const QImage &image);

private:
    QPainter &m_painter;
    QFont m_font;
    double m_unitsPerTwipX = 1;
    double m_unitsPerTwipY = 1;
};

// Where a printout goes: the system's default printer (or its first, when none is the default),
// or, where no printer is installed, a PDF file in the user's documents folder.
class Printer
{
public:
    struct Outcome {
        bool ok = false;
        QString pdfPath; // the file written, when the page went to a PDF file
        QString error;   // why nothing was printed
    };

    // Printing as if no printer were installed (tests), and the folder PDF files go to instead
    // of the documents folder.
    void setPrintersIgnored(bool ignored) { m_printersIgnored = ignored; }
    void setPdfFolder(const QString &folder) { m_pdfFolder = folder; }

    // A document of one page, which `draw` paints; ending it sends it to the printer. A PDF file
    // is named from `fileStem` and `now`: "stem_20261207_073015.pdf".
    Outcome printPage(const QString &documentName, const QString &fileStem, const QDateTime &now,
                      QPageLayout::Orientation orientation, const std::function<void(PrintPage &)> &draw) const;

private:
    Outcome printToPdf(const QString &documentName, const QString &fileStem, const QDateTime &now,
                       QPageLayout::Orientation orientation, const std::function<void(PrintPage &)> &draw) const;

    bool m_printersIgnored = false;
    QString m_pdfFolder;
};
