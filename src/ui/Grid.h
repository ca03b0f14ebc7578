#pragma once

#include "ui/Colors.h"

#include <QTableView>

#include <functional>
#include <optional>
#include <span>

class GridModel;

// The list control every screen uses. It works like the classic flex grid the screens were
// designed around: a table of text cells, row 0 the fixed heading row, a current cell through
// which texts and colours are written, widths in twips. Behind it is a model/view pair, so a
// list of 32,767 rows is built without one widget per cell.
//
// Rows are numbered as the screens number them: row 0 is the heading (shown as the header),
// rows 1..rows()-1 are the data rows.
class Grid : public QTableView
{
    Q_OBJECT
public:
    enum class Align { Left, Center, Right }; // always vertically centred

    explicit Grid(QWidget *parent = nullptr);
    ~Grid() override;

    // Lowering the count removes the rows below it; raising it adds empty rows at the end.
    void setRows(int rows);
    // A read-only listing of `rows` rows (the heading included) whose texts are made only when
    // a cell is shown or read: for data row r (from 1) and column c, texts(r, c). For lists of
    // tens of thousands of computed rows, of which a screen shows a dozen.
    void setRowTexts(int rows, std::function<QString(int row, int col)> texts);
    // Background colours of that listing, made the same way; nothing where a cell has none.
    void setRowBackColors(std::function<std::optional<Bgr>(int row, int col)> colours);
    int rows() const;
    void setCols(int cols);
    int cols() const;
    // 0 or 1: with 1, column 0 is a fixed column as well (drawn like a heading).
    void setFixedCols(int fixedCols);
    int fixedCols() const;

    void setRow(int row);
    int row() const;
    // Makes a data cell the current one and the one the view highlights and keeps in sight.
    void setCurrentCell(int row, int col);
    void setCol(int col);
    int col() const;

    // The current cell. The text is shown unchanged; reading returns the text last written.
    void setText(const QString &text);
    QString text() const;
    void setTextMatrix(int row, int col, const QString &text);
    QString textMatrix(int row, int col) const;
    // Fills a row from column 0, taking over the texts: the way to fill a long list, one call a
    // row instead of one a cell.
    void fillRow(int row, std::span<QString> texts);

    // Applies to the current cell only.
    void setCellBackColor(Bgr colour);
    // The colour last set on a cell; 0 with hasBackColor false when none was set.
    Bgr cellBackColor(int row, int col, bool *hasBackColor = nullptr) const;

    // A column as a screen declares it: heading, width in twips, alignment of its data cells.
    struct Column {
        const char16_t *heading;
        int twips;
        Align align;
    };
    // Sets the columns and writes their headings, centred. What is already as asked is not
    // written again: a screen sets its columns each time it fills its list, and rewriting a
    // heading repaints the heading row.
    void setColumns(std::span<const Column> columns);

    void setColWidth(int col, int twips);
    int colWidth(int col) const; // twips, as set
    // Data cells of a column.
    void setColAlignment(int col, Align align);
    Align colAlignment(int col) const;
    // The heading cell of a column.
    void setHeadingAlignment(int col, Align align);
    Align headingAlignment(int col) const;

    // Clicks, the arrows and setCurrentCell select whole data rows from now on, one at a time.
    void setRowSelection();
    // The data row selected, from 1; 0 when none is (a new listing selects none).
    int selectedRow() const;

    // Scrolls so that the row is the top visible one; a row beyond the last possible top row
    // scrolls as far as the grid can. Never fails.
    void setTopRow(int row);
    int topRow() const;

    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // The cell under the pointer, in the grid's own row numbers (data rows from 1).
    void cellClicked(int row, int col);
    void cellDoubleClicked(int row, int col);
    // Enter pressed on the view's current cell: what a keyboard user does instead of clicking.
    void cellEnterPressed(int row, int col);
    // With row selection: another row, or none (0), is selected by the user or the program.
    void selectedRowChanged(int row);

private:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void applyRowHeight();
    void applyColWidth(int col);
    void applyColWidths();
    void updateCorner();

    GridModel *m_model;
    int m_row = 0;
    int m_col = 0;
    // A top row asked for while the grid was hidden: the rows that fit are known only once it
    // is shown, so the scroll is done again then.
    int m_pendingTopRow = 0;
    // Qt reports the release that ends a double-click as one more click; a grid does not.
    bool m_swallowClick = false;
};
