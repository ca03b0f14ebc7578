#include "screens/comparison/ComparisonStats.h"

#include "store/NumberText.h"

#include <algorithm>
#include <cmath>

PartnerSummary summarizePartner(const QList<Measurement> &records)
{
    PartnerSummary s;
    if (records.isEmpty())
        return s;
    s.measurementCount = records.size();
    s.firstDate = records.constFirst().date;
    s.firstWeight = records.constFirst().weight;
    s.lastDate = records.constLast().date;
    s.lastWeight = records.constLast().weight;
    // Seeded from the first line rather than from 0 and 999, so that no weight can fall outside
    // the starting guess.
    s.lowestWeight = s.firstWeight;
    s.highestWeight = s.firstWeight;
    for (const Measurement &m : records) {
        s.lowestWeight = std::min(s.lowestWeight, m.weight);
        s.highestWeight = std::max(s.highestWeight, m.weight);
    }
    return s;
}

ComparisonPeriod comparisonPeriod(const PartnerSummary &partner1, const PartnerSummary &partner2)
{
    ComparisonPeriod p;
    QString start;
    QString end;
    // The fixed-width "yyyy/mm/dd" texts order as the dates do.
    for (const PartnerSummary *s : {&partner1, &partner2}) {
        if (!s->hasRecords())
            continue;
        if (start.isEmpty() || s->firstDate < start)
            start = s->firstDate;
        if (end.isEmpty() || s->lastDate > end)
            end = s->lastDate;
    }
    if (start.isEmpty())
        return p;
    p.periodStart = parseStoredDate(start);
    p.periodEnd = parseStoredDate(end);
    // A file whose last line is dated before its first (edited by hand) would give a negative
    // span; the period then holds no days instead of a nonsense count.
    p.dayCount = std::max<qint64>(0, p.periodStart.daysTo(p.periodEnd) + 1);
    return p;
}

QString scoreRowHeading(int row)
{
    switch (row) {
    case NicknameRow: return QStringLiteral("比較項目");
    case CountRow: return QStringLiteral("トータル測定回数");
    case ElapsedRow: return QStringLiteral("開始日→経過日数");
    case RateRow: return QStringLiteral("一日平均測定回数");
    case BestRow: return QStringLiteral("初日からの最高記録");
    case CurrentRow: return QStringLiteral("今現在（最終記録）");
    case TargetRow: return QStringLiteral("目標までの残");
    default: return QString();
    }
}

quint32 scoreRowBandColour(int row)
{
    static constexpr quint32 colours[ScoreRowCount] = {0xC0C0FF, 0xC0E0FF, 0xC0FFFF, 0xC0FFC0, 0xFFFFC0, 0xFFC0C0, 0xE0E0E0};
    return row >= 0 && row < ScoreRowCount ? colours[row] : 0xE0E0E0;
}

void setMarks(ScoreRow &row, std::optional<double> figure1, std::optional<double> figure2, Better better)
{
    row.mark1 = figure1.has_value();
    row.mark2 = figure2.has_value();
    if (!figure1 || !figure2)
        return;
    const bool firstBetter = better == Better::Larger ? *figure1 > *figure2 : *figure1 < *figure2;
    const bool secondBetter = better == Better::Larger ? *figure2 > *figure1 : *figure2 < *figure1;
    if (firstBetter)
        row.mark2 = false;
    if (secondBetter)
        row.mark1 = false;
}

QString countText(qint64 count, float share)
{
    return QString::number(count) + QStringLiteral(" 回  ( ") + formatFixed(share, 1) + QStringLiteral("% )");
}

QString elapsedText(const QString &firstDate, qint64 elapsedDays)
{
    // "yyyy/mm/dd" shown as "yy/mm/dd".
    return firstDate.mid(2) + QStringLiteral(" → ") + QString::number(elapsedDays) + u'日';
}

QString rateText(float rate)
{
    return formatFixed(rate, 2) + QStringLiteral(" 回 / 日");
}

QString weightChangeText(float weight, float change)
{
    return formatKg(weight) + QStringLiteral(" ( ") + formatKg(change) + QStringLiteral(" )");
}

QString targetText(float target, float distance)
{
    return formatOneDecimal(target) + QStringLiteral("Kgまで ( ") + formatKg(distance) + QStringLiteral(" )");
}

namespace {

struct Figures {
    std::optional<double> count;
    std::optional<double> elapsed;
    std::optional<double> rate;
    std::optional<double> best;
    std::optional<double> current;
    std::optional<double> target;
};

// Fills one partner's texts of rows 2 to 6 and hands back the figures the marks are judged on.
// Every difference is taken as a 32-bit value, as it is shown, so that the marks agree with
// the texts beside them.
Figures fillPartner(const PartnerSummary &s, float targetWeight, QString ScoreRow::*text, std::array<ScoreRow, ScoreRowCount> &rows)
{
    Figures f;
    if (!s.hasRecords())
        return f;
    const QDate first = parseStoredDate(s.firstDate);
    const QDate last = parseStoredDate(s.lastDate);
    const qint64 elapsed = first.daysTo(last);
    rows[ElapsedRow].*text = elapsedText(s.firstDate, elapsed);
    f.elapsed = double(elapsed);

    // The start day itself counts as a day of measuring. The division is tested, not trusted:
    // a file dated backwards by one day would make the divisor 0.
    if (elapsed + 1 != 0) {
        const float rate = float(double(s.measurementCount) / double(elapsed + 1));
        rows[RateRow].*text = rateText(rate);
        f.rate = rate;
    }

    const float best = s.lowestWeight - s.firstWeight;
    rows[BestRow].*text = weightChangeText(s.lowestWeight, best);
    f.best = best;

    const float current = s.lastWeight - s.firstWeight;
    rows[CurrentRow].*text = weightChangeText(s.lastWeight, current);
    f.current = current;

    const float distance = s.lastWeight - targetWeight;
    rows[TargetRow].*text = targetText(targetWeight, distance);
    f.target = distance;
    return f;
}

} // namespace

Scoreboard computeScoreboard(const PartnerSummary &partner1, const PartnerSummary &partner2,
                             const ComparisonPartners &partners)
{
    Scoreboard board;
    auto &rows = board.rows;
    rows[NicknameRow].text1 = partners.nickname1;
    rows[NicknameRow].text2 = partners.nickname2;

    Figures f1 = fillPartner(partner1, partners.targetWeight1, &ScoreRow::text1, rows);
    Figures f2 = fillPartner(partner2, partners.targetWeight2, &ScoreRow::text2, rows);

    // The share divides by both counts together; with no measurement at all there is no share
    // and the bar shows none for partner 1.
    const qint64 total = partner1.measurementCount + partner2.measurementCount;
    if (total > 0) {
        board.share1 = float(double(partner1.measurementCount) / double(total) * 100.0);
        board.shareBarTwips = int(std::floor(double(kShareBarWholeTwips) * double(board.share1) / 100.0));
        if (partner1.hasRecords()) {
            rows[CountRow].text1 = countText(partner1.measurementCount, board.share1);
            f1.count = double(partner1.measurementCount);
        }
        if (partner2.hasRecords()) {
            rows[CountRow].text2 = countText(partner2.measurementCount, 100.0f - board.share1);
            f2.count = double(partner2.measurementCount);
        }
    }

    setMarks(rows[CountRow], f1.count, f2.count, Better::Larger);
    setMarks(rows[ElapsedRow], f1.elapsed, f2.elapsed, Better::Larger);
    setMarks(rows[RateRow], f1.rate, f2.rate, Better::Larger);
    setMarks(rows[BestRow], f1.best, f2.best, Better::Smaller);
    setMarks(rows[CurrentRow], f1.current, f2.current, Better::Smaller);
    setMarks(rows[TargetRow], f1.target, f2.target, Better::Smaller);
    return board;
}
