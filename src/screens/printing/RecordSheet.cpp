#include "screens/printing/RecordSheet.h"

// The layout's names are brought in per function: at file scope they would reach every file that
// shares this one's batch in a unity build.

double recordSheetFontSize(const TextWidth &width)
{
    using namespace RecordSheetLayout;
    constexpr double kSmallest = 4;
    constexpr double kStep = 0.25;
    const double room = kBlockWidth - 2 * kMargin;
    double points = kLargestFont;
    while (points > kSmallest && width(kEntryLine, points) > room)
        points -= kStep;
    return points;
}

RecordSheet recordSheet(const TextWidth &width)
{
    using namespace RecordSheetLayout;
    RecordSheet sheet;
    // The lines reach past the blocks, to where the page of the old sheet ended.
    constexpr int kLineEndX = 12000;
    constexpr int kLineEndY = 17000;
    for (int c = 1; c < kColumns; ++c)
        sheet.lines.append({c * kBlockWidth, 0, c * kBlockWidth, kLineEndY});
    for (int r = 1; r < kRows; ++r)
        sheet.lines.append({0, r * kBlockHeight, kLineEndX, r * kBlockHeight});
    sheet.fontPoints = recordSheetFontSize(width);
    for (int c = 0; c < kColumns; ++c) {
        for (int r = 0; r < kRows; ++r)
            sheet.texts.append({c * kBlockWidth + kMargin, r * kBlockHeight + kMargin, kHeading});
    }
    for (int c = 0; c < kColumns; ++c) {
        for (int r = 0; r < kRows; ++r) {
            for (int n = 0; n < kEntryLines; ++n)
                sheet.texts.append({c * kBlockWidth + kMargin, r * kBlockHeight + kFirstEntry + n * kEntrySpacing, kEntryLine});
        }
    }
    return sheet;
}
