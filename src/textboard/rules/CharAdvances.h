#pragma once

#include <QHash>
#include <QString>

#include <array>
#include <functional>

// The advance of every character in one font, measured once and then looked up: a text
// drawn with no shaping and no kerning is exactly as wide as the sum of its characters'
// advances, so a line can be measured without laying it out. The 8-bit characters (the
// Windows-1252 ones and a symbol font's U+F000 page) have tables of their own.
class CharAdvances final
{
public:
    // `measure` gives the advance of one character (a surrogate pair is one character).
    using Measure = std::function<qreal(QStringView)>;

    CharAdvances() = default;
    explicit CharAdvances(Measure measure) : m_measure(std::move(measure)) {}

    // The advance of the character that starts at `i`; the second half of a surrogate
    // pair has none, its first half carries the pair's.
    qreal at(const QString &text, qsizetype i) const
    {
        const char16_t u = text.at(i).unicode();
        if (u < 0x100)
            return cached(m_latin[u], QStringView(text).mid(i, 1));
        if (u >= 0xF000 && u <= 0xF0FF)
            return cached(m_symbol[u - 0xF000], QStringView(text).mid(i, 1));
        return other(text, i);
    }

private:
    qreal cached(qreal &slot, QStringView ch) const
    {
        if (slot < 0)
            slot = measure(ch);
        return slot;
    }
    qreal other(const QString &text, qsizetype i) const;
    qreal measure(QStringView ch) const { return m_measure ? m_measure(ch) : 0.0; }

    Measure m_measure;
    mutable std::array<qreal, 256> m_latin = filled();
    mutable std::array<qreal, 256> m_symbol = filled();
    mutable QHash<char32_t, qreal> m_other;

    static std::array<qreal, 256> filled()
    {
        std::array<qreal, 256> a;
        a.fill(-1.0); // not measured yet
        return a;
    }
};
