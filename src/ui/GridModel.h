#pragma once

#include "ui/Colors.h"

#include <QAbstractTableModel>
#include <QString>

#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <vector>

// The cells behind a Grid, addressed the way the screens address them: grid row 0 is the
// heading row, grid column 0 may be a fixed column. The view sees only the rest: model row r is
// grid row r + 1, model column c is grid column c + fixedCols(); the heading row and the fixed
// column reach the view as header data.
//
// Screens write tens of thousands of cells one at a time, so a cell write only records which
// area changed; one dataChanged for that area follows from the event loop (or flushChanges()).
// Row and column counts change at once, with the proper insert and remove notifications.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit GridModel(QObject *parent = nullptr);

    int gridRows() const { return m_rows; }
    int gridCols() const { return m_cols; }
    int fixedCols() const { return m_fixedCols; }
    void setGridRows(int rows);
    void setGridCols(int cols);
    void setFixedCols(int fixedCols);

    // Texts of data rows made only when asked for (shown or read): `rows` grid rows in all,
    // and for each data row (from 1) and column the text. Any later
    // write to a data row, or a change of the row or column count, first turns the texts into
    // ordinary cells.
    using RowTexts = std::function<QString(int row, int col)>;
    void setRowTexts(int rows, RowTexts texts);
    // Background colours of the rows of setRowTexts, made the same way: nothing where a cell has
    // none. They go with the texts: a new setRowTexts forgets them.
    using RowColours = std::function<std::optional<Bgr>(int row, int col)>;
    void setRowBackColours(RowColours colours);

    bool contains(int row, int col) const { return row >= 0 && row < m_rows && col >= 0 && col < m_cols; }
    bool containsCol(int col) const { return col >= 0 && col < m_cols; }

    QString text(int row, int col) const;
    void setText(int row, int col, const QString &text);
    // Columns 0, 1, ... of a row, as far as the row reaches; the texts are moved in.
    void fillRow(int row, std::span<QString> texts);
    Bgr backColor(int row, int col, bool *hasBackColor) const;
    void setBackColor(int row, int col, Bgr colour);

    // Per grid column; only the horizontal part of the alignment is kept.
    int widthTwips(int col) const;
    void setWidthTwips(int col, int twips);
    Qt::Alignment cellAlignment(int col) const;
    void setCellAlignment(int col, Qt::Alignment alignment);
    Qt::Alignment headingAlignment(int col) const;
    void setHeadingAlignment(int col, Qt::Alignment alignment);

    int gridRow(int modelRow) const { return modelRow + 1; }
    int gridCol(int modelCol) const { return modelCol + m_fixedCols; }

    // Tells the view now about every cell written since the last notification.
    void flushChanges();

    static constexpr int defaultWidthTwips = 960;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    struct Cell {
        QString text;
        Bgr back = 0;
        bool hasBack = false;
    };
    struct Column {
        int widthTwips = defaultWidthTwips;
        Qt::Alignment align = Qt::AlignLeft;
        Qt::Alignment headingAlign = Qt::AlignLeft;
    };

    const Cell &cell(int row, int col) const { return m_cells[std::size_t(row) * std::size_t(m_cols) + std::size_t(col)]; }
    Cell &cell(int row, int col) { return m_cells[std::size_t(row) * std::size_t(m_cols) + std::size_t(col)]; }
    QVariant cellData(int row, int col, int role, bool heading) const;
    void cellChanged(int row, int col);
    void forgetChanges();
    // Writes the made texts into the cells and forgets how they were made.
    void keepRowTexts();

    std::vector<Cell> m_cells; // row-major, m_rows × m_cols, heading row included
    std::vector<Column> m_columns;
    int m_rows = 1;
    int m_cols = 2;
    int m_fixedCols = 0;
    RowTexts m_rowTexts; // while set, the data rows' texts come from it
    RowColours m_rowColours;

    // The area written since the last notification, in grid coordinates (top > bottom: none).
    int m_changedTop = std::numeric_limits<int>::max();
    int m_changedBottom = -1;
    int m_changedLeft = std::numeric_limits<int>::max();
    int m_changedRight = -1;
    bool m_flushQueued = false;
};
