#include "ui/Grid.h"

#include "ui/GridModel.h"
#include "ui/PlainCellDelegate.h"
#include "ui/Twips.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>

#include <algorithm>

namespace {

Qt::Alignment toQt(Grid::Align align)
{
    switch (align) {
    case Grid::Align::Center:
        return Qt::AlignHCenter;
    case Grid::Align::Right:
        return Qt::AlignRight;
    case Grid::Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

Grid::Align fromQt(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return Grid::Align::Center;
    if (alignment & Qt::AlignRight)
        return Grid::Align::Right;
    return Grid::Align::Left;
}

// The cell where the heading row meets the fixed column is Qt's corner button, which draws an
// empty header section and selects everything when clicked. This draws the heading text there
// instead and reports clicks as clicks on grid cell (0, 0).
class CornerCell : public QObject
{
public:
    CornerCell(Grid *grid, GridModel *model, QAbstractButton *button)
        : QObject(grid)
        , m_grid(grid)
        , m_model(model)
        , m_button(button)
    {
        m_button->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_button)
            return false;
        switch (event->type()) {
        case QEvent::Paint:
            paint();
            return true;
        case QEvent::MouseButtonPress:
            m_swallowClick = false;
            return true;
        case QEvent::MouseButtonRelease: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (m_swallowClick)
                m_swallowClick = false;
            else if (mouse->button() == Qt::LeftButton && m_button->rect().contains(mouse->position().toPoint()))
                Q_EMIT m_grid->cellClicked(0, 0);
            return true;
        }
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
                // The release that ends a double-click is no click of its own.
                m_swallowClick = true;
                Q_EMIT m_grid->cellDoubleClicked(0, 0);
            }
            return true;
        default:
            return false;
        }
    }

private:
    void paint()
    {
        QPainter painter(m_button);
        QStyleOptionHeader option;
        option.initFrom(m_button);
        option.state = QStyle::State_None;
        if (m_button->isEnabled())
            option.state |= QStyle::State_Enabled;
        if (m_button->isActiveWindow())
            option.state |= QStyle::State_Active;
        option.rect = m_button->rect();
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.orientation = Qt::Horizontal;
        if (m_model->fixedCols() > 0) {
            option.text = m_model->text(0, 0);
            option.textAlignment = m_model->headingAlignment(0) | Qt::AlignVCenter;
        }
        m_button->style()->drawControl(QStyle::CE_Header, &option, &painter, m_button);
    }

    Grid *m_grid;
    GridModel *m_model;
    QAbstractButton *m_button;
    bool m_swallowClick = false;
};

// The fixed column. Its width is the column's width as set and every row has one height, so
// its size never depends on its texts: measuring them, as Qt does for up to 200 rows whenever
// the list changes, would only cost time.
class FixedColumnHeader : public QHeaderView
{
public:
    explicit FixedColumnHeader(QWidget *parent)
        : QHeaderView(Qt::Vertical, parent)
    {
        setSectionsClickable(true);
    }

protected:
    QSize sectionSizeFromContents(int) const override { return QSize(minimumWidth(), defaultSectionSize()); }
};

// The heading row. The screens write their headings again with every listing, after which the
// view asks the size of every heading anew; a heading's size follows from its text alone while
// the font and the style stay, so each text is measured once.
class HeadingHeader : public QHeaderView
{
public:
    explicit HeadingHeader(QWidget *parent)
        : QHeaderView(Qt::Horizontal, parent)
    {
        setSectionsClickable(true);
    }

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override
    {
        const QString text = model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
        const auto known = m_sizes.constFind(text);
        if (known != m_sizes.constEnd())
            return *known;
        const QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
        m_sizes.insert(text, size);
        return size;
    }

    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            m_sizes.clear();
        QHeaderView::changeEvent(event);
    }

private:
    mutable QHash<QString, QSize> m_sizes;
};

} // namespace

Grid::Grid(QWidget *parent)
    : QTableView(parent)
    , m_model(new GridModel(this))
{
    setVerticalHeader(new FixedColumnHeader(this));
    setHorizontalHeader(new HeadingHeader(this));
    setModel(m_model);
    // The style's item painting lays every text out anew on every paint, which costs more than
    // the rest of a list's work each time a listing appears.
    setItemDelegate(new PlainCellDelegate(PlainCellDelegate::Selection::Fill, this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    // Tab goes on to the next control, as it did from the old grid; the arrows move in the list.
    setTabKeyNavigation(false);
    // One scroll step per row: the scroll bar's value is then the top row, its maximum the last
    // possible top row.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView *heading = horizontalHeader();
    // Columns a screen makes 300 twips wide must really be that narrow.
    heading->setMinimumSectionSize(0);
    heading->setSectionResizeMode(QHeaderView::Fixed);
    heading->setStretchLastSection(false);
    heading->setHighlightSections(false);

    QHeaderView *fixedColumn = verticalHeader();
    fixedColumn->setMinimumSectionSize(0);
    fixedColumn->setSectionResizeMode(QHeaderView::Fixed);
    fixedColumn->setHighlightSections(false);
    fixedColumn->setVisible(false);
    applyRowHeight();
    applyColWidths();

    connect(this, &QAbstractItemView::pressed, this, [this] { m_swallowClick = false; });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        if (m_swallowClick) {
            m_swallowClick = false;
            return;
        }
        // Like the old grid, a click makes the cell current before the click is reported.
        m_row = m_model->gridRow(index.row());
        m_col = m_model->gridCol(index.column());
        Q_EMIT cellClicked(m_row, m_col);
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        m_swallowClick = true;
        m_row = m_model->gridRow(index.row());
        m_col = m_model->gridCol(index.column());
        Q_EMIT cellDoubleClicked(m_row, m_col);
    });
    connect(heading, &QHeaderView::sectionClicked, this,
            [this](int section) { Q_EMIT cellClicked(0, m_model->gridCol(section)); });
    connect(heading, &QHeaderView::sectionDoubleClicked, this,
            [this](int section) { Q_EMIT cellDoubleClicked(0, m_model->gridCol(section)); });
    connect(fixedColumn, &QHeaderView::sectionClicked, this,
            [this](int section) { Q_EMIT cellClicked(m_model->gridRow(section), 0); });
    connect(fixedColumn, &QHeaderView::sectionDoubleClicked, this,
            [this](int section) { Q_EMIT cellDoubleClicked(m_model->gridRow(section), 0); });

    if (auto *corner = findChild<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly))
        new CornerCell(this, m_model, corner);
}

Grid::~Grid() = default;

void Grid::setRows(int rows)
{
    m_pendingTopRow = 0;
    const int before = m_model->gridRows();
    m_model->setGridRows(rows);
    // The view adjusts its scroll range only later; a list emptied and refilled before then
    // would reopen at the old scroll position instead of at its top.
    if (m_model->gridRows() < before)
        executeDelayedItemsLayout();
}

void Grid::setRowTexts(int rows, std::function<QString(int row, int col)> texts)
{
    m_pendingTopRow = 0;
    m_model->setRowTexts(rows, std::move(texts));
    // A new listing opens at its top, whatever the old one showed.
    executeDelayedItemsLayout();
}

void Grid::setRowBackColors(std::function<std::optional<Bgr>(int row, int col)> colours)
{
    m_model->setRowBackColours(std::move(colours));
}

int Grid::rows() const
{
    return m_model->gridRows();
}

void Grid::setCols(int cols)
{
    m_model->setGridCols(cols);
    verticalHeader()->setVisible(m_model->fixedCols() > 0);
    applyColWidths();
}

int Grid::cols() const
{
    return m_model->gridCols();
}

void Grid::setFixedCols(int fixedCols)
{
    m_model->setFixedCols(fixedCols);
    verticalHeader()->setVisible(m_model->fixedCols() > 0);
    applyColWidths();
    updateCorner();
}

int Grid::fixedCols() const
{
    return m_model->fixedCols();
}

void Grid::setRow(int row)
{
    m_row = row;
}

void Grid::setRowSelection()
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { Q_EMIT selectedRowChanged(selectedRow()); });
    // A new listing drops the selection without a word from the selection model.
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { Q_EMIT selectedRowChanged(0); });
}

int Grid::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : m_model->gridRow(rows.first().row());
}

int Grid::row() const
{
    return m_row;
}

void Grid::setCurrentCell(int row, int col)
{
    m_row = row;
    m_col = col;
    const QModelIndex index = m_model->index(row - 1, col - m_model->fixedCols());
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    scrollTo(index);
}

void Grid::setCol(int col)
{
    m_col = col;
}

int Grid::col() const
{
    return m_col;
}

void Grid::setText(const QString &text)
{
    setTextMatrix(m_row, m_col, text);
}

QString Grid::text() const
{
    return m_model->text(m_row, m_col);
}

void Grid::setTextMatrix(int row, int col, const QString &text)
{
    m_model->setText(row, col, text);
    if (row == 0 && m_model->containsCol(col))
        applyColWidth(col);
    if (row == 0 && col == 0)
        updateCorner();
}

void Grid::fillRow(int row, std::span<QString> texts)
{
    m_model->fillRow(row, texts);
    if (row == 0) {
        applyColWidths();
        updateCorner();
    }
}

QString Grid::textMatrix(int row, int col) const
{
    return m_model->text(row, col);
}

void Grid::setCellBackColor(Bgr colour)
{
    m_model->setBackColor(m_row, m_col, colour);
    if (m_row == 0 && m_col == 0)
        updateCorner();
}

Bgr Grid::cellBackColor(int row, int col, bool *hasBackColor) const
{
    return m_model->backColor(row, col, hasBackColor);
}

void Grid::setColumns(std::span<const Column> columns)
{
    setCols(int(columns.size()));
    for (int c = 0; c < int(columns.size()); ++c) {
        const Column &column = columns[std::size_t(c)];
        const QString heading = QString::fromUtf16(column.heading);
        if (textMatrix(0, c) != heading)
            setTextMatrix(0, c, heading);
        if (colWidth(c) != column.twips)
            setColWidth(c, column.twips);
        if (colAlignment(c) != column.align)
            setColAlignment(c, column.align);
        if (headingAlignment(c) != Align::Center)
            setHeadingAlignment(c, Align::Center);
    }
}

void Grid::setColWidth(int col, int twips)
{
    if (!m_model->containsCol(col))
        return;
    m_model->setWidthTwips(col, twips);
    applyColWidth(col);
}

int Grid::colWidth(int col) const
{
    return m_model->widthTwips(col);
}

void Grid::setColAlignment(int col, Align align)
{
    m_model->setCellAlignment(col, toQt(align));
}

Grid::Align Grid::colAlignment(int col) const
{
    return fromQt(m_model->cellAlignment(col));
}

void Grid::setHeadingAlignment(int col, Align align)
{
    m_model->setHeadingAlignment(col, toQt(align));
    if (col == 0)
        updateCorner();
}

Grid::Align Grid::headingAlignment(int col) const
{
    return fromQt(m_model->headingAlignment(col));
}

void Grid::setTopRow(int row)
{
    const int dataRows = m_model->gridRows() - 1;
    if (dataRows <= 0)
        return;
    // Rows just added are not yet known to the scroll bar: lay them out first, so that its
    // maximum is the last possible top row and a row past it ends up there.
    executeDelayedItemsLayout();
    verticalScrollBar()->setValue(std::clamp(row - 1, 0, dataRows - 1));
    m_pendingTopRow = isVisible() ? 0 : std::max(row, 1);
}

int Grid::topRow() const
{
    const int dataRows = m_model->gridRows() - 1;
    if (dataRows <= 0)
        return 1;
    return std::clamp(verticalScrollBar()->value(), 0, dataRows - 1) + 1;
}

void Grid::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex index = currentIndex();
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && index.isValid()) {
        m_row = m_model->gridRow(index.row());
        m_col = m_model->gridCol(index.column());
        Q_EMIT cellEnterPressed(m_row, m_col);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void Grid::showEvent(QShowEvent *event)
{
    QTableView::showEvent(event);
    if (m_pendingTopRow > 0) {
        const int row = m_pendingTopRow;
        setTopRow(row);
        m_pendingTopRow = 0;
    }
}

void Grid::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        applyRowHeight();
        applyColWidths();
    }
}

void Grid::applyRowHeight()
{
    // Fixed heights for every row: the view then never measures rows one by one, however many
    // there are. The old grid's rows were 240 twips; a larger font gets the room it needs.
    const int height = std::max(fontMetrics().height() + 4, twipsToPixels(240, this));
    verticalHeader()->setDefaultSectionSize(height);
}

void Grid::applyColWidth(int col)
{
    int pixels = twipsToPixels(m_model->widthTwips(col), this);
    // A heading is never cut: with a font larger than the layout was drawn for, its column
    // widens to it. A column made 0 wide stays hidden.
    const QString heading = m_model->text(0, col);
    if (pixels > 0 && !heading.isEmpty()) {
        const QHeaderView *header = horizontalHeader();
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        pixels = std::max(pixels, header->fontMetrics().horizontalAdvance(heading) + 2 * margin);
    }
    if (col < m_model->fixedCols())
        verticalHeader()->setFixedWidth(pixels);
    else
        horizontalHeader()->resizeSection(col - m_model->fixedCols(), pixels);
    updateGeometry();
}

QSize Grid::minimumSizeHint() const
{
    // Every column in sight without scrolling sideways, with room for the vertical scroll bar.
    QSize size = QTableView::minimumSizeHint();
    const int columns = (verticalHeader()->isVisible() ? verticalHeader()->width() : 0) + horizontalHeader()->length();
    size.setWidth(std::max(size.width(), columns + 2 * frameWidth() + verticalScrollBar()->sizeHint().width()));
    return size;
}

void Grid::applyColWidths()
{
    for (int col = 0; col < m_model->gridCols(); ++col)
        applyColWidth(col);
}

void Grid::updateCorner()
{
    if (auto *corner = findChild<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly))
        corner->update();
}
