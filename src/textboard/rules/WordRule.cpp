#include "textboard/rules/WordRule.h"

#include "fontmap/rules/Charset.h"
#include "textboard/rules/BoardText.h"

namespace WordRule {

namespace {

enum class CharClass { Word, Blank, Break, Other };

CharClass classOf(QChar ch)
{
    if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n'))
        return CharClass::Break;
    if (ch == QLatin1Char(' ') || ch == QLatin1Char('\t') || ch == QChar(0xA0))
        return CharClass::Blank;
    return isWordChar(ch) ? CharClass::Word : CharClass::Other;
}

CharClass classAt(const QString &text, qsizetype i)
{
    return classOf(text.at(i));
}

} // namespace

bool isWordChar(QChar ch)
{
    if (ch.unicode() >= 0xF000 && ch.unicode() <= 0xF0FF) {
        if (const auto code = codeForChar(ch, FontCharset::Symbol))
            ch = charForCode(*code, FontCharset::Ansi);
    }
    return ch.isLetterOrNumber();
}

qsizetype nextWordStart(const QString &text, qsizetype position)
{
    const qsizetype n = text.size();
    qsizetype i = BoardText::validPosition(text, position);
    if (i >= n)
        return n;
    const CharClass first = classAt(text, i);
    if (first == CharClass::Break)
        i = BoardText::nextPosition(text, i);
    else
        while (i < n && classAt(text, i) == first)
            ++i;
    while (i < n && classAt(text, i) == CharClass::Blank)
        ++i;
    return BoardText::validPosition(text, i);
}

qsizetype previousWordStart(const QString &text, qsizetype position)
{
    qsizetype i = BoardText::validPosition(text, position);
    while (i > 0 && classAt(text, i - 1) == CharClass::Blank)
        --i;
    if (i == 0)
        return 0;
    const CharClass last = classAt(text, i - 1);
    if (last == CharClass::Break)
        return BoardText::previousPosition(text, i);
    while (i > 0 && classAt(text, i - 1) == last)
        --i;
    return BoardText::validPosition(text, i);
}

std::pair<qsizetype, qsizetype> wordAt(const QString &text, qsizetype position)
{
    const qsizetype n = text.size();
    if (position < 0 || position >= n || classAt(text, position) == CharClass::Break)
        return {position, position};
    const CharClass cls = classAt(text, position);
    qsizetype start = position;
    qsizetype end = position;
    while (start > 0 && classAt(text, start - 1) == cls)
        --start;
    while (end < n && classAt(text, end) == cls)
        ++end;
    return {BoardText::validPosition(text, start), BoardText::validPosition(text, end)};
}

} // namespace WordRule
