#pragma once

#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

// Paints a grid's cells directly: background colour, text in its alignment, the current cell.
// The style's own item painting costs several microseconds a cell, which a screen of a thousand
// coloured cells feels each time it appears; this does the same in a fraction of that.
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

private:
    // Laid-out texts: a list shows the same dates, figures and marks over and over, and laying
    // out a text costs more than drawing it.
    const QStaticText &laidOut(const QString &text, const QFont &font) const;

    Selection m_selection;
    mutable QHash<QString, QStaticText> m_texts;
    mutable QFont m_textFont;
};
