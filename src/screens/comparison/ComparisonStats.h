#pragma once

#include "store/Measurement.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <optional>

// The scoreboard of the comparison screen: both partners side by side on six figures, with a
// winner's mark beside the better figure of each row.

// What the main window knows about the two partners: the captions of the partner buttons and
// the target weights read from the profiles at start-up.
struct ComparisonPartners {
    QString nickname1;
    QString nickname2;
    float targetWeight1 = 0;
    float targetWeight2 = 0;
};

// One partner's data file in a few figures. Counts are 64-bit: the files are meant to stop at
// 32,767 lines, but a file grown beyond that by hand must still be shown, not wrap around.
struct PartnerSummary {
    qint64 measurementCount = 0;
    QString firstDate; // "yyyy/mm/dd" of the first line: the start of the diet
    float firstWeight = 0;
    QString lastDate;  // of the last line
    float lastWeight = 0;
    float lowestWeight = 0;  // the smallest weight of all lines
    float highestWeight = 0; // the largest, for the graph's axis

    bool hasRecords() const { return measurementCount > 0; }
};

// A partner without records (missing or empty file) gives an empty summary.
PartnerSummary summarizePartner(const QList<Measurement> &records);

// From the earlier start to the later last line of the two partners. Without records on either
// side the period is empty (dayCount 0, dates invalid).
struct ComparisonPeriod {
    QDate periodStart;
    QDate periodEnd;
    qint64 dayCount = 0; // calendar days, both ends included
};

ComparisonPeriod comparisonPeriod(const PartnerSummary &partner1, const PartnerSummary &partner2);

// Rows of the scoreboard, top to bottom.
enum ScoreRowIndex {
    NicknameRow,
    CountRow,
    ElapsedRow,
    RateRow,
    BestRow,
    CurrentRow,
    TargetRow,
    ScoreRowCount
};

struct ScoreRow {
    QString text1; // lblD1(k)
    QString text2; // lblD2(k)
    bool mark1 = false; // imgD1(k) shown
    bool mark2 = false; // imgD2(k) shown

    bool operator==(const ScoreRow &) const = default;
};

// The width of the share bar's whole (shpMirte(1)) in twips.
inline constexpr int kShareBarWholeTwips = 3555;

struct Scoreboard {
    std::array<ScoreRow, ScoreRowCount> rows;
    float share1 = 0;       // partner 1's share of all measurements, in percent
    int shareBarTwips = 0;  // width of shpMirte(0), partner 1's part of the bar
};

// Headings and band colours of the rows, 0x00BBGGRR.
QString scoreRowHeading(int row);
quint32 scoreRowBandColour(int row);

// The winner's marks of a row: the worse figure loses its mark and a tie keeps both. A partner
// without a figure (no records, or a figure that cannot be computed) has no mark; the other
// keeps its own, since nothing beats it.
enum class Better { Larger, Smaller };
void setMarks(ScoreRow &row, std::optional<double> figure1, std::optional<double> figure2, Better better);

Scoreboard computeScoreboard(const PartnerSummary &partner1, const PartnerSummary &partner2,
                             const ComparisonPartners &partners);

// Scoreboard texts of one partner's row; empty when the partner has no records.
QString countText(qint64 count, float share);
QString elapsedText(const QString &firstDate, qint64 elapsedDays);
QString rateText(float rate);
QString weightChangeText(float weight, float change);
QString targetText(float target, float distance);
