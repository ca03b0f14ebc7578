#include "ui/PlainCellDelegate.h"

#include <QApplication>
#include <QPainter>

#include <climits>
#include <cmath>

namespace {
QStaticText prepared(const QString &text, const QFont &font)
{
    QStaticText laid(text);
    laid.setTextFormat(Qt::PlainText);
    laid.setPerformanceHint(QStaticText::AggressiveCaching);
    laid.prepare(QTransform(), font);
    return laid;
}
} // namespace

PlainCellDelegate::PlainCellDelegate(Selection selection, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_selection(selection)
{
}

const QStaticText &PlainCellDelegate::laidOut(const QString &text, const QFont &font, const QFontMetrics &metrics, int width) const
{
    // A few thousand texts are plenty for the rows in view; past that the cache starts afresh.
    if (font != m_textFont || m_texts.size() > 4000) {
        m_texts.clear();
        m_textFont = font;
    }
    auto it = m_texts.find(text);
    if (it == m_texts.end())
        it = m_texts.insert(text, {prepared(text, font), -1, QStaticText()});
    Laid &laid = *it;
    if (laid.whole.size().width() <= width)
        return laid.whole;
    if (laid.cutWidth != width) {
        laid.cut = prepared(metrics.elidedText(text, Qt::ElideRight, width), font);
        laid.cutWidth = width;
    }
    return laid.cut;
}

QSize PlainCellDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QString text = index.data(Qt::DisplayRole).toString();
    // The room paint() leaves for the text: one pixel on each side.
    const QFontMetrics metrics(option.font);
    size.setWidth(text.isEmpty() ? 0 : int(std::ceil(laidOut(text, option.font, metrics, INT_MAX).size().width())) + 2);
    return size;
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
        // The margins give way before a text is cut: a date a little wider than the room inside
        // them still fits the cell.
        const QRect room = rect.adjusted(1, 0, -1, 0);
        const QStaticText &laid = laidOut(text, option.font, option.fontMetrics, room.width());
        const QSizeF size = laid.size();
        const qreal margin = std::min<qreal>(2, (room.width() - size.width()) / 2);
        const Qt::Alignment align = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
        qreal x = room.left() + margin;
        if (align & Qt::AlignRight)
            x = room.right() + 1 - margin - size.width();
        else if (align & Qt::AlignHCenter)
            x = room.left() + (room.width() - size.width()) / 2;
        // A cell of its own colour has a text colour of its own too.
        const QVariant fore = filled ? QVariant() : index.data(Qt::ForegroundRole);
        painter->setPen(fore.isValid() ? fore.value<QBrush>().color()
                                       : option.palette.color(group, filled ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(option.font);
        painter->drawStaticText(QPointF(x, room.top() + (room.height() - size.height()) / 2), laid);
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
