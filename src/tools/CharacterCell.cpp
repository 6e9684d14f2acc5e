#include "tools/CharacterCell.h"

#include <QPainter>

void drawCharacterCell(QPainter &painter, const QRectF &cell, const QFont &font, const QString &text)
{
    painter.save();
    painter.setClipRect(cell, Qt::IntersectClip);
    painter.setFont(font);
    painter.drawText(cell, Qt::AlignCenter | Qt::TextSingleLine, text);
    painter.restore();
}
