#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

#include <array>

class QPainter;

// Draws one character (or any short text) centred in its cell in the given font, as plain
// text: "&" is a character, never an access key. A character that fits the cell shows whole, moved
// in from an edge its line's place would put it over; whatever is larger than the cell is cut at
// its edges. The font should come without merging, so that a missing glyph shows the font's own
// replacement rather than another font's letter.
void drawCharacterCell(QPainter &painter, const QRectF &cell, const QFont &font, const QString &text);

// The captions of a set of character labels and the one font they share, never merging in
// another font's glyphs.
template<int N>
class CharacterLabels
{
public:
    CharacterLabels() { m_font.setStyleStrategy(QFont::NoFontMerging); }

    const QString &caption(int i) const { return m_captions.at(i); }
    // False when they were the captions already.
    bool setCaptions(const std::array<QString, N> &captions)
    {
        if (captions == m_captions)
            return false;
        m_captions = captions;
        return true;
    }
    const QFont &font() const { return m_font; }
    void setFont(const QFont &font)
    {
        m_font = font;
        m_font.setStyleStrategy(QFont::NoFontMerging);
    }

private:
    std::array<QString, N> m_captions;
    QFont m_font;
};
