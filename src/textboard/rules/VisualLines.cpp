#include "textboard/rules/VisualLines.h"

#include "textboard/rules/BoardText.h"
#include "textboard/rules/WordRule.h"

#include <algorithm>
#include <cmath>

namespace {

bool isBlank(QChar ch)
{
    return ch == QLatin1Char(' ') || ch == QLatin1Char('\t');
}

// A line may break before `i` (never at a line's own start).
bool mayBreakBefore(const QString &text, qsizetype start, qsizetype i)
{
    if (i <= start || isBlank(text.at(i)))
        return false;
    const QChar before = text.at(i - 1);
    if (isBlank(before))
        return true;
    // Inside a hyphenated word: "well-|known".
    return before == QLatin1Char('-') && i - 2 >= start && WordRule::isWordChar(text.at(i - 2))
        && WordRule::isWordChar(text.at(i));
}

} // namespace

void VisualLines::setGeometry(qreal width, qreal tabStop)
{
    m_width = width;
    m_tabStop = tabStop > 0 ? tabStop : 80;
}

qreal VisualLines::tabAdvance(qreal x) const
{
    return (std::floor(x / m_tabStop) + 1) * m_tabStop - x;
}

qreal VisualLines::advanceAt(const QString &text, const CharAdvances &advances, qsizetype i, qreal x) const
{
    return text.at(i) == QLatin1Char('\t') ? tabAdvance(x) : advances.at(text, i);
}

VisualLines::LineEnd VisualLines::fill(const QString &text, const CharAdvances &advances, qsizetype start) const
{
    const qsizetype n = text.size();
    const bool wraps = m_width > 0;
    qreal x = 0;
    qsizetype lastBreak = start;
    for (qsizetype i = start; i < n; ++i) {
        if (BoardText::isBreakAt(text, i))
            return {i + 2, false};
        const qreal w = advanceAt(text, advances, i, x);
        if (wraps && mayBreakBefore(text, start, i))
            lastBreak = i;
        // Blanks never push a line over; a character that does not fit goes to the next
        // line with its word, or alone when its word began the line.
        if (wraps && i > start && x + w > m_width && !isBlank(text.at(i)) && !text.at(i).isLowSurrogate())
            return {lastBreak > start ? lastBreak : BoardText::validPosition(text, i), false};
        x += w;
    }
    return {n, true};
}

void VisualLines::layout(const QString &text, const CharAdvances &advances)
{
    m_starts.assign(1, 0);
    for (qsizetype p = 0;;) {
        const LineEnd e = fill(text, advances, p);
        if (e.last)
            return;
        m_starts.push_back(e.next);
        p = e.next;
    }
}

void VisualLines::update(const QString &text, const CharAdvances &advances, qsizetype position, qsizetype removed,
                         qsizetype inserted)
{
    // The line before the change may take the start of a shortened word back.
    const qsizetype from = std::max<qsizetype>(0, lineOf(position) - 1);
    std::vector<qsizetype> old(m_starts.begin() + from + 1, m_starts.end());
    m_starts.resize(std::size_t(from) + 1);
    const qsizetype delta = inserted - removed;
    const qsizetype changedEnd = position + inserted;
    for (qsizetype p = m_starts.back();;) {
        const LineEnd e = fill(text, advances, p);
        if (e.last)
            return;
        // Past the change, a line that starts where an old one did is followed by the old
        // lines, moved along with the text.
        if (e.next >= changedEnd) {
            const auto same = std::lower_bound(old.cbegin(), old.cend(), e.next - delta);
            if (same != old.cend() && *same == e.next - delta) {
                for (auto it = same; it != old.cend(); ++it)
                    m_starts.push_back(*it + delta);
                return;
            }
        }
        m_starts.push_back(e.next);
        p = e.next;
    }
}

qsizetype VisualLines::end(const QString &text, qsizetype line) const
{
    if (line + 1 >= count())
        return text.size();
    const qsizetype next = start(line + 1);
    return BoardText::isBreakAt(text, next - 2) ? next - 2 : next;
}

bool VisualLines::isWrapped(const QString &text, qsizetype line) const
{
    return line + 1 < count() && end(text, line) == start(line + 1);
}

qsizetype VisualLines::lineOf(qsizetype position) const
{
    const auto it = std::upper_bound(m_starts.cbegin() + 1, m_starts.cend(), position);
    return qsizetype(it - m_starts.cbegin()) - 1;
}

qsizetype VisualLines::caretLine(const QString &text, qsizetype position, bool upstream) const
{
    const qsizetype line = lineOf(position);
    if (upstream && line > 0 && position == start(line) && isWrapped(text, line - 1))
        return line - 1;
    return line;
}

qsizetype VisualLines::lastCaret(const QString &text, qsizetype line) const
{
    const qsizetype e = end(text, line);
    if (isWrapped(text, line) && e > start(line) && isBlank(text.at(e - 1)))
        return e - 1;
    return e;
}

qreal VisualLines::xOf(const QString &text, const CharAdvances &advances, qsizetype line, qsizetype position) const
{
    qreal x = 0;
    const qsizetype to = std::min(position, end(text, line));
    for (qsizetype i = start(line); i < to; ++i)
        x += advanceAt(text, advances, i, x);
    return x;
}

qsizetype VisualLines::caretAt(const QString &text, const CharAdvances &advances, qsizetype line, qreal x) const
{
    const qsizetype last = lastCaret(text, line);
    qreal at = 0;
    for (qsizetype i = start(line); i < last;) {
        const qsizetype next = BoardText::nextPosition(text, i);
        qreal w = 0;
        for (qsizetype j = i; j < next; ++j)
            w += advanceAt(text, advances, j, at + w);
        if (x < at + w / 2)
            return i;
        at += w;
        i = next;
    }
    return last;
}

qsizetype VisualLines::characterAt(const QString &text, const CharAdvances &advances, qsizetype line, qreal x) const
{
    const qsizetype e = end(text, line);
    qreal at = 0;
    for (qsizetype i = start(line); i < e; ++i) {
        at += advanceAt(text, advances, i, at);
        if (x < at)
            return BoardText::validPosition(text, i);
    }
    return e;
}

qreal VisualLines::textWidth(const QString &text, const CharAdvances &advances, qsizetype line) const
{
    qsizetype e = end(text, line);
    while (e > start(line) && isBlank(text.at(e - 1)))
        --e;
    return xOf(text, advances, line, e);
}
