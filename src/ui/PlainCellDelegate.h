#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

// Paints a grid's cells directly: background colour, text in its alignment, the current cell.
// The style's own item painting lays out every text anew on every paint, which a screen of a
// thousand coloured cells or a long list feels each time it appears; this keeps the laid-out
// texts (cut to the cell's width where they do not fit) and only draws them.
class PlainCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // Fill: a selected cell is filled with the highlight colour, as the style does.
    // Frame: it keeps its own colour and gets a frame in the highlight colour, for grids whose
    // colours are the content (a calendar of coloured days).
    enum class Selection { Fill, Frame };

    explicit PlainCellDelegate(Selection selection, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // As wide as the cell must be for its text to be drawn whole.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    struct Laid {
        QStaticText whole;
        int cutWidth = -1; // the width `cut` was made for
        QStaticText cut;   // the text shortened with an ellipsis to that width
    };
    // The text laid out whole, and cut to `width` when it is wider.
    const QStaticText &laidOut(const QString &text, const QFont &font, const QFontMetrics &metrics, int width) const;

    Selection m_selection;
    mutable QHash<QString, Laid> m_texts;
    mutable QFont m_textFont;
};
