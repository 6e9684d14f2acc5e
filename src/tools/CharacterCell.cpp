#include "tools/CharacterCell.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace {

// How far a span from `low` to `high` moves to lie within `first` to `last`: not at all when it
// does, onto the nearer edge when it stands over one, to the middle when it is the longer.
qreal inward(qreal low, qreal high, qreal first, qreal last)
{
    if (high - low > last - first)
        return (first + last - low - high) / 2;
    if (low < first)
        return first - low;
    if (high > last)
        return last - high;
    return 0;
}

} // namespace

void drawCharacterCell(QPainter &painter, const QRectF &cell, const QFont &font, const QString &text)
{
    // Centred as a line of text is. A character whose ink would then stand over the cell's edge
    // (at large sizes an underscore lies far below the line's middle, a descender below the cell)
    // moves in just as far as it must, so that it shows whole wherever it can.
    const QFontMetricsF metrics(font);
    const QPointF origin(cell.center().x() - metrics.horizontalAdvance(text) / 2,
                         cell.center().y() - metrics.height() / 2 + metrics.ascent());
    QPainterPath outline;
    outline.addText(origin, font, text);
    const QRectF ink = outline.boundingRect();
    QPointF shift;
    if (!ink.isEmpty())
        shift = QPointF(inward(ink.left(), ink.right(), cell.left(), cell.right()),
                        inward(ink.top(), ink.bottom(), cell.top(), cell.bottom()));
    painter.save();
    painter.setClipRect(cell, Qt::IntersectClip);
    painter.setFont(font);
    painter.drawText(origin + shift, text);
    painter.restore();
}
