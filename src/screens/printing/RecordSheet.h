#pragma once

#include <QList>
#include <QString>

#include <functional>

// The blank weight record sheet, in twips from the top-left corner of the printer's drawing
// area: 3 columns by 4 rows of blocks, one day each, with a heading for the date and ten entry
// lines per block.

namespace RecordSheetLayout {
inline constexpr int kBlockWidth = 3770;
inline constexpr int kBlockHeight = 4050;
inline constexpr int kColumns = 3;
inline constexpr int kRows = 4;
inline constexpr int kEntryLines = 10;
inline constexpr int kMargin = 100;        // from the block's left and top edge to its texts
inline constexpr int kFirstEntry = 500;    // from the block's top edge to its first entry line
inline constexpr int kEntrySpacing = 300;
inline constexpr double kLargestFont = 11; // points
// "＜　　　／　　　＞": month and day are written in by hand.
inline const QString kHeading = QStringLiteral("＜　　　／　　　＞");
// "（　　　  　　　　　　　　　　　　／　　　　　）": situation, weight / body fat.
inline const QString kEntryLine = QStringLiteral("（　　　  　　　　　　　　　　　　／　　　　　）");
} // namespace RecordSheetLayout

struct SheetLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const SheetLine &) const = default;
};

struct SheetText {
    int x = 0, y = 0; // top-left corner of the text
    QString text;
    bool operator==(const SheetText &) const = default;
};

struct RecordSheet {
    QList<SheetLine> lines; // in drawing order
    double fontPoints = RecordSheetLayout::kLargestFont;
    QList<SheetText> texts; // in drawing order: the headings, then the entry lines, column by column
};

// The width of a text at a font size, in twips, as the printer measures it.
using TextWidth = std::function<double(const QString &text, double points)>;

// The largest size up to 11 points, in quarter points, at which the entry line fits inside its
// block with the margin on both sides. At 11 points it would not: 23 full-width characters are
// wider than a block, and each line would run into the next column and off the page.
double recordSheetFontSize(const TextWidth &width);

RecordSheet recordSheet(const TextWidth &width);
