#include "textboard/rules/BoardText.h"

#include <algorithm>

namespace BoardText {

QString withBoardBreaks(QString text)
{
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

bool isBreakAt(const QString &text, qsizetype position)
{
    return position >= 0 && position + 1 < text.size() && text.at(position) == QLatin1Char('\r')
        && text.at(position + 1) == QLatin1Char('\n');
}

namespace {

bool isPairStart(const QString &text, qsizetype position)
{
    return position + 1 < text.size() && text.at(position).isHighSurrogate() && text.at(position + 1).isLowSurrogate();
}

} // namespace

qsizetype nextPosition(const QString &text, qsizetype position)
{
    if (position >= text.size())
        return text.size();
    return position + (isBreakAt(text, position) || isPairStart(text, position) ? 2 : 1);
}

qsizetype previousPosition(const QString &text, qsizetype position)
{
    if (position <= 0)
        return 0;
    return validPosition(text, position - 1);
}

qsizetype validPosition(const QString &text, qsizetype position)
{
    position = std::clamp<qsizetype>(position, 0, text.size());
    if (position > 0 && (isBreakAt(text, position - 1) || isPairStart(text, position - 1)))
        return position - 1;
    return position;
}

} // namespace BoardText
