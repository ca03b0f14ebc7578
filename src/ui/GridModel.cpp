#include "ui/GridModel.h"

#include "ui/ReadableColour.h"

#include <QBrush>
#include <QMetaObject>

#include <algorithm>
#include <utility>

namespace {
// A coloured cell: its background, or the text colour that reads on it (the view's own text
// colour is the desktop's, made for the desktop's background).
QVariant colourRole(Bgr back, int role)
{
    const QColor background = colorFromBgr(back);
    return QBrush(role == Qt::BackgroundRole ? background : readableForeground(background));
}
} // namespace

GridModel::GridModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    m_cells.resize(std::size_t(m_rows) * std::size_t(m_cols));
    m_columns.resize(std::size_t(m_cols));
}

void GridModel::setGridRows(int rows)
{
    // The heading row cannot go: asking for fewer rows leaves the list at its heading.
    rows = std::max(rows, 1);
    if (rows == m_rows)
        return;
    if (rows == 1 && m_rowTexts) {
        // Nothing of the made texts stays. They are forgotten only once the rows are gone: the
        // view may still ask for the rows it is told are going, and without the texts it would
        // read cells that were never made.
        beginRemoveRows(QModelIndex(), 0, m_rows - 2);
        m_rowTexts = nullptr;
        m_rowColours = nullptr;
        m_cells.resize(std::size_t(m_cols));
        m_cells.shrink_to_fit();
        m_rows = 1;
        endRemoveRows();
        return;
    }
    keepRowTexts();
    const std::size_t newSize = std::size_t(rows) * std::size_t(m_cols);
    if (rows > m_rows) {
        beginInsertRows(QModelIndex(), m_rows - 1, rows - 2);
        m_cells.resize(newSize);
        m_rows = rows;
        endInsertRows();
    } else {
        beginRemoveRows(QModelIndex(), rows - 1, m_rows - 2);
        m_cells.resize(newSize);
        m_rows = rows;
        endRemoveRows();
        // A list emptied to its heading gives back the memory of a large listing.
        if (rows == 1)
            m_cells.shrink_to_fit();
    }
}

void GridModel::setGridCols(int cols)
{
    cols = std::max(cols, 1);
    if (cols == m_cols)
        return;
    keepRowTexts();
    const int fixed = std::min(m_fixedCols, cols);
    const int oldModelCols = m_cols - m_fixedCols;
    const int newModelCols = cols - fixed;

    auto relayout = [&] {
        std::vector<Cell> cells(std::size_t(m_rows) * std::size_t(cols));
        const int kept = std::min(m_cols, cols);
        for (int r = 0; r < m_rows; ++r) {
            for (int c = 0; c < kept; ++c)
                cells[std::size_t(r) * std::size_t(cols) + std::size_t(c)] = std::move(cell(r, c));
        }
        m_cells = std::move(cells);
        m_columns.resize(std::size_t(cols));
        m_cols = cols;
        m_fixedCols = fixed;
    };

    if (fixed != m_fixedCols) {
        beginResetModel();
        relayout();
        endResetModel();
    } else if (newModelCols > oldModelCols) {
        beginInsertColumns(QModelIndex(), oldModelCols, newModelCols - 1);
        relayout();
        endInsertColumns();
    } else {
        beginRemoveColumns(QModelIndex(), newModelCols, oldModelCols - 1);
        relayout();
        endRemoveColumns();
    }
}

void GridModel::setFixedCols(int fixedCols)
{
    fixedCols = std::clamp(fixedCols, 0, std::min(1, m_cols));
    if (fixedCols == m_fixedCols)
        return;
    // Every model column shifts by one: nothing the view remembers stays right.
    flushChanges();
    beginResetModel();
    m_fixedCols = fixedCols;
    endResetModel();
}

void GridModel::setRowTexts(int rows, RowTexts texts)
{
    // The old cells and the view's idea of them go at once; only the heading row stays.
    flushChanges();
    beginResetModel();
    m_rowTexts = std::move(texts);
    m_rowColours = nullptr;
    m_rows = std::max(rows, 1);
    m_cells.resize(std::size_t(m_cols));
    m_cells.shrink_to_fit();
    if (!m_rowTexts)
        m_cells.resize(std::size_t(m_rows) * std::size_t(m_cols));
    endResetModel();
}

void GridModel::setRowBackColours(RowColours colours)
{
    if (!m_rowTexts)
        return;
    m_rowColours = std::move(colours);
    if (m_rows > 1 && m_cols > m_fixedCols)
        Q_EMIT dataChanged(index(0, 0), index(m_rows - 2, m_cols - m_fixedCols - 1), {Qt::BackgroundRole});
}

void GridModel::keepRowTexts()
{
    if (!m_rowTexts)
        return;
    const RowTexts texts = std::exchange(m_rowTexts, nullptr);
    const RowColours colours = std::exchange(m_rowColours, nullptr);
    m_cells.resize(std::size_t(m_rows) * std::size_t(m_cols));
    for (int r = 1; r < m_rows; ++r) {
        for (int c = 0; c < m_cols; ++c) {
            Cell &made = cell(r, c);
            made.text = texts(r, c);
            if (const std::optional<Bgr> back = colours ? colours(r, c) : std::nullopt) {
                made.back = *back;
                made.hasBack = true;
            }
        }
    }
}

QString GridModel::text(int row, int col) const
{
    if (!contains(row, col))
        return QString();
    if (m_rowTexts && row > 0)
        return m_rowTexts(row, col);
    return cell(row, col).text;
}

void GridModel::setText(int row, int col, const QString &text)
{
    if (!contains(row, col))
        return;
    if (row > 0)
        keepRowTexts();
    // The screens write their headings again with every listing; a heading that stays the same
    // need not make the header measure itself again.
    if (row == 0 && cell(row, col).text == text)
        return;
    cell(row, col).text = text;
    cellChanged(row, col);
}

void GridModel::fillRow(int row, std::span<QString> texts)
{
    if (row < 0 || row >= m_rows || texts.empty())
        return;
    if (row > 0)
        keepRowTexts();
    const int count = std::min(int(texts.size()), m_cols);
    Cell *cells = &cell(row, 0);
    for (int c = 0; c < count; ++c)
        cells[c].text = std::move(texts[size_t(c)]);
    if (row == 0) {
        for (int c = 0; c < count; ++c)
            cellChanged(0, c);
        return;
    }
    cellChanged(row, 0);
    cellChanged(row, count - 1);
}

Bgr GridModel::backColor(int row, int col, bool *hasBackColor) const
{
    if (m_rowTexts && row > 0 && contains(row, col)) {
        const std::optional<Bgr> back = m_rowColours ? m_rowColours(row, col) : std::nullopt;
        if (hasBackColor)
            *hasBackColor = back.has_value();
        return back.value_or(0);
    }
    const bool has = contains(row, col) && !(m_rowTexts && row > 0) && cell(row, col).hasBack;
    if (hasBackColor)
        *hasBackColor = has;
    return has ? cell(row, col).back : 0;
}

void GridModel::setBackColor(int row, int col, Bgr colour)
{
    if (!contains(row, col))
        return;
    if (row > 0)
        keepRowTexts();
    Cell &c = cell(row, col);
    c.back = colour;
    c.hasBack = true;
    cellChanged(row, col);
}

int GridModel::widthTwips(int col) const
{
    return containsCol(col) ? m_columns[std::size_t(col)].widthTwips : 0;
}

void GridModel::setWidthTwips(int col, int twips)
{
    if (containsCol(col))
        m_columns[std::size_t(col)].widthTwips = std::max(twips, 0);
}

Qt::Alignment GridModel::cellAlignment(int col) const
{
    return containsCol(col) ? m_columns[std::size_t(col)].align : Qt::Alignment(Qt::AlignLeft);
}

void GridModel::setCellAlignment(int col, Qt::Alignment alignment)
{
    if (!containsCol(col))
        return;
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
    if (m_columns[std::size_t(col)].align == horizontal)
        return;
    m_columns[std::size_t(col)].align = horizontal;
    if (m_rows > 1) {
        if (col < m_fixedCols)
            Q_EMIT headerDataChanged(Qt::Vertical, 0, m_rows - 2);
        else
            Q_EMIT dataChanged(index(0, col - m_fixedCols), index(m_rows - 2, col - m_fixedCols), {Qt::TextAlignmentRole});
    }
}

Qt::Alignment GridModel::headingAlignment(int col) const
{
    return containsCol(col) ? m_columns[std::size_t(col)].headingAlign : Qt::Alignment(Qt::AlignLeft);
}

void GridModel::setHeadingAlignment(int col, Qt::Alignment alignment)
{
    if (!containsCol(col))
        return;
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
    if (m_columns[std::size_t(col)].headingAlign == horizontal)
        return;
    m_columns[std::size_t(col)].headingAlign = horizontal;
    if (col >= m_fixedCols)
        Q_EMIT headerDataChanged(Qt::Horizontal, col - m_fixedCols, col - m_fixedCols);
}

void GridModel::cellChanged(int row, int col)
{
    if (row == 0) {
        // Headings are few and written before the rows; the header repaints them at once.
        if (col >= m_fixedCols)
            Q_EMIT headerDataChanged(Qt::Horizontal, col - m_fixedCols, col - m_fixedCols);
        return;
    }
    m_changedTop = std::min(m_changedTop, row);
    m_changedBottom = std::max(m_changedBottom, row);
    m_changedLeft = std::min(m_changedLeft, col);
    m_changedRight = std::max(m_changedRight, col);
    if (!m_flushQueued) {
        m_flushQueued = true;
        QMetaObject::invokeMethod(this, &GridModel::flushChanges, Qt::QueuedConnection);
    }
}

void GridModel::forgetChanges()
{
    m_changedTop = std::numeric_limits<int>::max();
    m_changedBottom = -1;
    m_changedLeft = std::numeric_limits<int>::max();
    m_changedRight = -1;
}

void GridModel::flushChanges()
{
    m_flushQueued = false;
    // Rows or columns may have gone since the cells were written.
    const int top = std::max(m_changedTop, 1);
    const int bottom = std::min(m_changedBottom, m_rows - 1);
    int left = std::max(m_changedLeft, 0);
    const int right = std::min(m_changedRight, m_cols - 1);
    forgetChanges();
    if (top > bottom || left > right)
        return;
    if (left < m_fixedCols) {
        Q_EMIT headerDataChanged(Qt::Vertical, top - 1, bottom - 1);
        left = m_fixedCols;
    }
    if (left <= right)
        Q_EMIT dataChanged(index(top - 1, left - m_fixedCols), index(bottom - 1, right - m_fixedCols));
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows - 1;
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_cols - m_fixedCols;
}

QVariant GridModel::cellData(int row, int col, int role, bool heading) const
{
    if (m_rowTexts && row > 0) {
        switch (role) {
        case Qt::DisplayRole:
            return m_rowTexts(row, col);
        case Qt::TextAlignmentRole:
            return int(m_columns[std::size_t(col)].align | Qt::AlignVCenter);
        case Qt::BackgroundRole:
        case Qt::ForegroundRole:
            if (const std::optional<Bgr> back = m_rowColours ? m_rowColours(row, col) : std::nullopt)
                return colourRole(*back, role);
            return QVariant();
        default:
            return QVariant();
        }
    }
    const Cell &c = cell(row, col);
    switch (role) {
    case Qt::DisplayRole:
        return c.text;
    case Qt::TextAlignmentRole: {
        const Column &column = m_columns[std::size_t(col)];
        return int((heading ? column.headingAlign : column.align) | Qt::AlignVCenter);
    }
    case Qt::BackgroundRole:
    case Qt::ForegroundRole:
        if (c.hasBack)
            return colourRole(c.back, role);
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    return cellData(gridRow(index.row()), gridCol(index.column()), role, false);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section < 0)
        return QVariant();
    if (orientation == Qt::Horizontal) {
        const int col = gridCol(section);
        if (col >= m_cols)
            return QVariant();
        return cellData(0, col, role, true);
    }
    // The fixed column is drawn by the vertical header, so that it stays put like a heading.
    const int row = gridRow(section);
    if (m_fixedCols == 0 || row >= m_rows)
        return QVariant();
    return cellData(row, 0, role, false);
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
