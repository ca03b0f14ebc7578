#pragma once

#include "store/Measurement.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The history listing: the records of a data file that pass the screen's filters, each with its
// difference to the listed row before it and to the first listed row, in file order.

// The five listings; every filter action runs exactly one of them.
enum class HistoryListingKind { All, ByPeriod, BySituation, ByWeekday, BySituationAndWeekday };

// The weekday filter's value when no weekday is chosen.
inline constexpr int kAllWeekdays = 99;

// The filtered listing the screen's state selects: the key counts when it is not empty, the
// weekday when it is one of 0 (Sunday) to 6.
HistoryListingKind FilteredListingFor(const QString &key, int selectedWeekday);

struct HistoryFilter {
    HistoryListingKind kind = HistoryListingKind::All;
    // The texts of the two date boxes, compared as they stand.
    QString firstDay;
    QString lastDay;
    QString key;
    int weekday = kAllWeekdays;
};

// "日" to "土" for 0 (Sunday) to 6.
QString WeekdayName(int weekday);
// 0 (Sunday) to 6 for a stored date of a real day; -1 for any other text.
int WeekdayOf(QStringView date);

struct HistoryAxis {
    int minimum = 0;
    int maximum = 0;
};

// The rows of one listing pass, built record by record in file order. The listing keeps the few
// figures of each listed record and makes a row's texts only when they are asked for, so that
// a listing of 32,767 records costs the texts of the rows on screen.
class HistoryListing
{
public:
    static constexpr int columns = 12;

    HistoryListing(const HistoryFilter &filter, float heightCm);

    // Applies the listing's tests to the next record of the file, and lists it when it passes.
    void add(const MeasurementView &record);

    int rowCount() const { return int(m_rows.size()); }
    // Data row `row` (from 1) and grid column `col` as the list shows it.
    QString text(int row, int col) const;
    // The background of the two arrow cells (columns 6 and 8); nothing for the other columns.
    std::optional<quint32> backColour(int row, int col) const;
    float weight(int row) const { return m_rows[std::size_t(row - 1)].weight; }
    float bodyFat(int row) const { return m_rows[std::size_t(row - 1)].bodyFat; }

    // Whole numbers around the listed values; nothing when no record is listed.
    std::optional<HistoryAxis> weightAxis() const;
    std::optional<HistoryAxis> bodyFatAxis() const;
    // More rows than this in the grid, the heading row included, and it scrolls to its end.
    int scrollLimit() const { return m_filter.kind == HistoryListingKind::BySituation ? 11 : 9; }

    // The distinct dates of the file in file order, which the unfiltered listing collects for
    // the date lists; empty for the other listings.
    QStringList dates() const;

private:
    struct Row {
        int date = 0;      // index into m_dates
        int situation = 0; // index into m_situations
        float weight = 0;
        float bodyFat = 0;
        float previousWeight = 0; // the listed row before, or the row's own weight for the first
    };
    bool passes(const MeasurementView &record);
    int dateIndex(QStringView date);
    int situationIndex(QStringView situation);

    HistoryFilter m_filter;
    float m_heightCm = 0;
    std::vector<Row> m_rows;
    // Neighbouring rows share their date and mostly their situation: each text is kept once.
    QStringList m_dates;
    std::vector<qint8> m_weekdays; // of m_dates
    QStringList m_situations;
    // The weekday of the date last tested.
    QString m_testedDate;
    int m_testedWeekday = -1;

    float m_previousWeight = 0;
    float m_firstWeight = 0;
    float m_maxWeight = 0;
    float m_minWeight = 999;
    float m_maxFat = 0;
    float m_minFat = 999;
};
