#include "fontmap/rules/FontMapColors.h"

FontMapColors::FontMapColors(QObject *parent)
    : QObject(parent)
    , m_fore{kWindowText, 1, 8, QStringLiteral("Window Text")}
    , m_back{kWindowBackground, 1, 5, QStringLiteral("Window Background")}
{
}

void FontMapColors::setFore(const Choice &choice)
{
    setColors(choice, m_back);
}

void FontMapColors::setBack(const Choice &choice)
{
    setColors(m_fore, choice);
}

void FontMapColors::setColors(const Choice &fore, const Choice &back)
{
    if (fore == m_fore && back == m_back)
        return;
    m_fore = fore;
    m_back = back;
    Q_EMIT colorsChanged();
}

void FontMapColors::setHilite(bool on)
{
    if (on == m_hilite)
        return;
    m_hilite = on;
    Q_EMIT hiliteChanged(on);
}

void FontMapColors::setBorders(bool on)
{
    if (on == m_borders)
        return;
    m_borders = on;
    Q_EMIT bordersChanged(on);
}
