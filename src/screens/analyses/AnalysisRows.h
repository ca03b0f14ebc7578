#pragma once

#include <QList>
#include <QString>

#include <array>

// One data row of an analysis list: the texts of its four columns.
using AnalysisRow = std::array<QString, 4>;
using AnalysisRows = QList<AnalysisRow>;

// An analysis list as its grid shows it. The long lists keep their figures and write a row's
// texts only when asked, so that a list of 32,767 measurements costs the texts of the dozen
// rows on screen.
class AnalysisList
{
public:
    virtual ~AnalysisList() = default;
    virtual int rowCount() const = 0;
    // Data row `row` (0-based), column 0 to 3.
    virtual QString text(int row, int col) const = 0;

    AnalysisRow row(int index) const;
    AnalysisRows rows() const;
};

// A short list, written out at once.
class WrittenList : public AnalysisList
{
public:
    explicit WrittenList(AnalysisRows rows)
        : m_rows(std::move(rows))
    {
    }
    int rowCount() const override { return int(m_rows.size()); }
    QString text(int row, int col) const override { return m_rows[row][std::size_t(col)]; }

private:
    AnalysisRows m_rows;
};

// One decimal, halves going upward: the whole part of (x × 10 + 0.5), divided by 10. A
// difference of two single-precision weights is scaled in single precision, as it is kept.
float tenthOf(float x);
double tenthOf(double x);

// "12回目": the measurement's sequence number.
QString ordinalText(int number);
