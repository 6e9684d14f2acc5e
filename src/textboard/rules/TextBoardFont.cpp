#include "textboard/rules/TextBoardFont.h"

#include <algorithm>

void TextBoardFont::setName(const QString &name)
{
    if (name == m_name)
        return;
    m_name = name;
    Q_EMIT nameChanged(name);
}

void TextBoardFont::setSize(int points)
{
    if (points == m_size)
        return;
    m_size = points;
    Q_EMIT sizeChanged(points);
}

void TextBoardFont::setStyle(Style style, bool on)
{
    if (this->style(style) == on)
        return;
    m_styles[style] = on ? 1 : 0;
    Q_EMIT styleChanged(style, on);
}

void TextBoardFont::setColor(int index, const QString &name)
{
    // The text colour is always one of the 16; a stored index outside them means black.
    const int valid = index >= 0 && index <= 15 ? index : 0;
    if (valid == m_colorIndex && name == m_colorName)
        return;
    m_colorIndex = valid;
    m_colorName = name;
    Q_EMIT colorChanged(valid);
}

void TextBoardFont::setAlignment(int code)
{
    const int valid = code == Right || code == Center ? code : Left;
    if (valid == m_alignment)
        return;
    m_alignment = valid;
    Q_EMIT alignmentChanged(valid);
}

void TextBoardFont::setCharset(FontCharset charset)
{
    if (charset == m_charset)
        return;
    const FontCharset from = m_charset;
    m_charset = charset;
    Q_EMIT charsetChanged(from, charset);
}
