#pragma once

#include "textboard/rules/CharAdvances.h"

#include <QString>

#include <vector>

// The TextBoard's text broken into the lines it shows. A line breaks after a run of
// blanks (which stay at its end, past the edge if need be) or after a hyphen inside a
// word; a word or run of characters longer than a whole line breaks where the line is
// full. A CR LF break ends its line. Each line needs one pass over its characters, and a
// change re-breaks only from the line before it until the lines fall in step again, so
// neither a long run nor a full board makes an edit slow.
//
// Positions are the text's (see BoardText.h). A position at which a line was broken
// belongs to the next line; `lastCaret` tells where the caret may end on a line.
class VisualLines final
{
public:
    // `width`: room for a line (0 or less: no breaking); `tabStop`: distance between tab
    // stops, from the line's start.
    void setGeometry(qreal width, qreal tabStop);
    qreal width() const { return m_width; }

    void layout(const QString &text, const CharAdvances &advances);
    // After `removed` characters at `position` gave way to `inserted` characters.
    void update(const QString &text, const CharAdvances &advances, qsizetype position, qsizetype removed,
                qsizetype inserted);

    qsizetype count() const { return qsizetype(m_starts.size()); }
    qsizetype start(qsizetype line) const { return m_starts[std::size_t(line)]; }
    // Where the line's characters end: before its CR LF, or at the next line's start.
    qsizetype end(const QString &text, qsizetype line) const;
    // Whether the line was broken to fit (it neither ends a paragraph nor the text).
    bool isWrapped(const QString &text, qsizetype line) const;
    // The line that holds `position`.
    qsizetype lineOf(qsizetype position) const;
    // The line the caret shows on: with `upstream`, a caret where a line was broken to
    // fit shows at the end of that line rather than at the start of the next.
    qsizetype caretLine(const QString &text, qsizetype position, bool upstream) const;
    // The furthest the caret goes on the line (End, a click past its end): before the
    // blank it was broken after, at the end of a broken word, or before the line's break.
    qsizetype lastCaret(const QString &text, qsizetype line) const;

    // Distance from the line's start to `position` on it.
    qreal xOf(const QString &text, const CharAdvances &advances, qsizetype line, qsizetype position) const;
    // The caret position nearest to `x` on the line, and the character under `x`.
    qsizetype caretAt(const QString &text, const CharAdvances &advances, qsizetype line, qreal x) const;
    qsizetype characterAt(const QString &text, const CharAdvances &advances, qsizetype line, qreal x) const;
    // The width of the line's characters without its trailing blanks (for alignment).
    qreal textWidth(const QString &text, const CharAdvances &advances, qsizetype line) const;

    // The advance of a tab that starts at `x` on a line.
    qreal tabAdvance(qreal x) const;

private:
    struct LineEnd
    {
        qsizetype next;  // where the next line starts
        bool last;       // the text ends on this line
    };
    LineEnd fill(const QString &text, const CharAdvances &advances, qsizetype start) const;
    qreal advanceAt(const QString &text, const CharAdvances &advances, qsizetype i, qreal x) const;

    std::vector<qsizetype> m_starts{0};
    qreal m_width = 0;
    qreal m_tabStop = 80;
};
