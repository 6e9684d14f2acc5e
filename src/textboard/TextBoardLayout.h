#pragma once

#include "textboard/rules/CharAdvances.h"
#include "textboard/rules/TextBoardBuffer.h"
#include "textboard/rules/VisualLines.h"

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;
class QPalette;

// Where the TextBoard's characters go and how they are drawn: its lines in one font,
// inside a margin, each placed by the alignment. Coordinates are the text's own, with the
// first line at the top; the box scrolls them.
//
// The font is drawn as a plain text box draws it: no kerning, no ligatures or other
// shaping, each character at its own advance, so a line is as wide as the sum of its
// characters and nothing needs laying out but the line breaks.
class TextBoardLayout final
{
public:
    static constexpr int kMargin = 4;
    static constexpr qreal kTabStop = 80;

    // The font as the box shows it (`font` itself is left to the printer and the twin).
    explicit TextBoardLayout(const QFont &font);
    void setFont(const QFont &font);
    const QFont &font() const { return m_font; }
    void setAlignment(Qt::Alignment alignment) { m_alignment = alignment; }
    Qt::Alignment alignment() const { return m_alignment; }
    // The width of the box's text area; false when it did not change.
    bool setWidth(int width);

    void layout(const QString &text);
    void update(const QString &text, const TextBoardBuffer::Change &change);

    int lineHeight() const { return m_lineHeight; }
    int height() const;  // all lines with the margins
    qsizetype lineCount() const { return m_lines.count(); }
    const VisualLines &lines() const { return m_lines; }
    qreal lineTop(qsizetype line) const { return kMargin + qreal(line) * m_lineHeight; }
    qsizetype lineAtY(qreal y) const;

    // The caret's place: the top of its line at its x.
    QPointF caretPoint(const QString &text, qsizetype position, bool upstream) const;
    // The caret position nearest to `point`; `upstream` tells whether it lies at the end
    // of a line that was broken to fit.
    qsizetype caretAt(const QString &text, QPointF point, bool *upstream = nullptr) const;
    // The character under `point` (the end of its line when past it).
    qsizetype characterAt(const QString &text, QPointF point) const;
    // The characters [from, to) on one line, as a rectangle.
    QRectF spanRect(const QString &text, qsizetype line, qsizetype from, qsizetype to) const;

    // Draws the lines that meet `area` (text coordinates) with the selection [selStart,
    // selEnd) highlighted.
    void paint(QPainter &painter, const QRectF &area, const QString &text, qsizetype selStart, qsizetype selEnd,
               const QPalette &palette) const;

private:
    qreal lineLeft(const QString &text, qsizetype line) const;
    void drawLine(QPainter &painter, const QString &text, qsizetype line, qreal left, qreal baseline) const;

    QFont m_font;
    CharAdvances m_advances;
    VisualLines m_lines;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    int m_width = 0;
    int m_lineHeight = 1;
    int m_ascent = 0;
    qreal m_breakWidth = 0;  // what a selected line break shows as
};
