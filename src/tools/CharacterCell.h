#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

// Draws one character (or any short text) centred in its cell in the given font, as plain
// text: "&" is a character, never an access key. Whatever is larger than the cell is cut at its
// edges. The font should come without merging, so that a missing glyph shows the font's own
// replacement rather than another font's letter.
void drawCharacterCell(QPainter &painter, const QRectF &cell, const QFont &font, const QString &text);
