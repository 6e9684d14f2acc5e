#include "textboard/rules/CharAdvances.h"

qreal CharAdvances::other(const QString &text, qsizetype i) const
{
    const QChar ch = text.at(i);
    if (ch.isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate())
        return 0.0;
    const bool pair = ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
    const char32_t key = pair ? QChar::surrogateToUcs4(ch, text.at(i + 1)) : ch.unicode();
    const auto it = m_other.constFind(key);
    if (it != m_other.constEnd())
        return *it;
    const qreal advance = measure(QStringView(text).mid(i, pair ? 2 : 1));
    m_other.insert(key, advance);
    return advance;
}
