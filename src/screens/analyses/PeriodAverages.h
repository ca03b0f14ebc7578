#pragma once

#include "store/Measurement.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// The week and month averages of the analysis screen, both partners side by side: one row per
// calendar week (Monday to Sunday, as ISO weeks run) or per calendar month, newest first. A
// partner's figure for a period is the mean of the means of its measured days, so that a day
// weighed five times counts as much as a day weighed once.

enum class PeriodKind { Week, Month };

// One partner in one period.
struct PeriodFigures {
    int days = 0;                 // measured days; 0 for a period without a measurement
    double weight = 0;            // mean of the days' mean weights, kg
    std::optional<double> fat;    // mean of the days' mean body fats, over the days one was measured
    std::optional<double> change; // weight minus that of the period just before, when both were measured
};

struct PeriodRow {
    QDate first; // the Monday, or the first of the month
    QDate last;  // the Sunday, or the last of the month
    std::array<PeriodFigures, 2> partners;
};

// A date typed decades off must not make a list of millions of rows; the latest are kept.
inline constexpr int kMaxPeriods = 32767;

// Every period from the one of the earliest measurement of either partner to the one of today
// or of the latest measurement, whichever is later; empty when neither partner has one. A body
// fat of 0 is one that was not measured.
std::vector<PeriodRow> ComputePeriodAverages(const QList<Measurement> &records1, const QList<Measurement> &records2,
                                             PeriodKind kind, const QDate &today);

// The list as its grid shows it, the columns of the selected partner first, then the couple.
class PeriodList
{
public:
    enum Column {
        Period,   // "2026/12/28〜01/03", "2026/12"
        Days,     // "5日"
        Weight,   // "68.24Kg", or "記録なし"
        Fat,      // "23.4%"
        Change,   // "-0.26Kg"
        Mark,     // ↑ → ↓, coloured as the other lists colour them
        Partner1, // partner 1's weight
        Partner2,
        LostMore, // the nickname of the partner whose weight went down more since the period before
        ColumnCount
    };

    PeriodList(std::vector<PeriodRow> rows, PeriodKind kind, int selectedPartner, QString nickname1, QString nickname2);

    int rowCount() const { return int(m_rows.size()); }
    const PeriodRow &row(int index) const { return m_rows[std::size_t(index)]; }
    QString heading(int col) const;
    // Data row `index` (from 0, the newest).
    QString text(int index, int col) const;
    // The colour (0x00BBGGRR) of a mark cell that has a mark.
    std::optional<quint32> backColour(int index, int col) const;

private:
    const PeriodFigures &selected(int index) const;

    std::vector<PeriodRow> m_rows;
    PeriodKind m_kind;
    int m_selected;
    std::array<QString, 2> m_nicknames;
};
