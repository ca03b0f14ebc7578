#include "ui/PlainCellDelegate.h"

#include <QApplication>
#include <QPainter>

PlainCellDelegate::PlainCellDelegate(Selection selection, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_selection(selection)
{
}

const QStaticText &PlainCellDelegate::laidOut(const QString &text, const QFont &font) const
{
    // A few thousand texts are plenty for the rows in view; past that the cache starts afresh.
    if (font != m_textFont || m_texts.size() > 4000) {
        m_texts.clear();
        m_textFont = font;
    }
    auto it = m_texts.find(text);
    if (it == m_texts.end()) {
        QStaticText laid(text);
        laid.setTextFormat(Qt::PlainText);
        laid.setPerformanceHint(QStaticText::AggressiveCaching);
        laid.prepare(QTransform(), font);
        it = m_texts.insert(text, laid);
    }
    return *it;
}

void PlainCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QRect rect = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    const bool filled = selected && m_selection == Selection::Fill;

    if (filled) {
        painter->fillRect(rect, option.palette.brush(group, QPalette::Highlight));
    } else {
        // The style may have filled a selected cell already; a cell that keeps its look covers that.
        const QVariant back = index.data(Qt::BackgroundRole);
        if (back.isValid())
            painter->fillRect(rect, back.value<QBrush>());
        else if (selected)
            painter->fillRect(rect, option.palette.brush(group, QPalette::Base));
    }

    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty()) {
        const int margin = 3;
        const QRect textRect = rect.adjusted(margin, 0, -margin, 0);
        const Qt::Alignment align = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
        painter->setPen(option.palette.color(group, filled ? QPalette::HighlightedText : QPalette::Text));
        const QStaticText &laid = laidOut(text, option.font);
        const QSizeF size = laid.size();
        painter->setFont(option.font);
        // A text a little wider than the room inside the margins still fits the cell: the
        // margins give way before the text is cut.
        QRect room = textRect;
        if (size.width() > room.width())
            room = rect.adjusted(1, 0, -1, 0);
        if (size.width() <= room.width()) {
            qreal x = room.left();
            if (align & Qt::AlignRight)
                x = room.right() + 1 - size.width();
            else if (align & Qt::AlignHCenter)
                x = room.left() + (room.width() - size.width()) / 2;
            const qreal y = room.top() + (room.height() - size.height()) / 2;
            painter->drawStaticText(QPointF(x, y), laid);
        } else {
            painter->drawText(textRect, int(align), option.fontMetrics.elidedText(text, Qt::ElideRight, textRect.width()));
        }
    }

    if (selected && m_selection == Selection::Frame) {
        painter->save();
        painter->setPen(QPen(option.palette.color(group, QPalette::Highlight), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect.adjusted(1, 1, -1, -1));
        painter->restore();
    }
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = rect;
        focus.state |= QStyle::State_KeyboardFocusChange;
        focus.backgroundColor = option.palette.color(group, filled ? QPalette::Highlight : QPalette::Base);
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
}
