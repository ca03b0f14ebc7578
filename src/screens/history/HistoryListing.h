#pragma once

#include "diary/TrendData.h"
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
// a listing of 32,767 records costs the texts of the rows on screen. A row's differences follow
// from the row before and the first row.
class HistoryListing
{
public:
    static constexpr int columns = 12;

    HistoryListing(const HistoryFilter &filter, float heightCm);
    // The unfiltered listing of a file from the trend data set, which holds every record of it.
    HistoryListing(const TrendData &file, float heightCm);

    // Applies the listing's tests to the next record of the file, and lists it when it passes.
    void add(const MeasurementView &record);
    // The same for every record of a file's data set, in file order.
    void addEach(const TrendData &file);

    int rowCount() const { return m_listed.count(); }
    // Data row `row` (from 1) and grid column `col` as the list shows it.
    QString text(int row, int col) const;
    // The background of the two arrow cells (columns 6 and 8); nothing for the other columns.
    std::optional<quint32> backColour(int row, int col) const;
    float weight(int row) const { return m_listed.weights[std::size_t(row - 1)]; }
    float bodyFat(int row) const { return m_listed.fats[std::size_t(row - 1)]; }

    // Whole numbers around the listed values; nothing when no record is listed.
    std::optional<HistoryAxis> weightAxis() const;
    std::optional<HistoryAxis> bodyFatAxis() const;
    // More rows than this in the grid, the heading row included, and it scrolls to its end.
    int scrollLimit() const { return m_filter.kind == HistoryListingKind::BySituation ? 11 : 9; }

    // The distinct dates of the file in file order, which the unfiltered listing collects for
    // the date lists; empty for the other listings.
    QStringList dates() const;

private:
    bool passes(const MeasurementView &record);
    bool datePasses(QStringView date) const;
    // The weight the row compares with: the listed row's before it, or its own for the first.
    float previousWeight(int row) const;

    HistoryFilter m_filter;
    float m_heightCm = 0;
    // The listed records with their extremes.
    TrendData m_listed;
    // The date last tested, and whether it passed the period and weekday tests: a day's lines
    // follow each other, so a date is tested once.
    QString m_testedDate;
    bool m_dateTested = false;
    bool m_datePasses = false;
};
