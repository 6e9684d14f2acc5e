#include "textboard/TextBoardLayout.h"

#include "textboard/rules/BoardText.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>

TextBoardLayout::TextBoardLayout(const QFont &font)
{
    setFont(font);
}

void TextBoardLayout::setFont(const QFont &font)
{
    m_font = font;
    m_font.setKerning(false);
    m_font.setStyleStrategy(QFont::StyleStrategy(m_font.styleStrategy() | QFont::PreferNoShaping));
    const QFontMetrics metrics(m_font);
    m_lineHeight = std::max({1, metrics.lineSpacing(), metrics.height()});
    m_ascent = metrics.ascent();
    // Each character is measured as a text of its own, the way the painter lays out a
    // line, so a line's width is exactly the sum.
    const QFontMetricsF measure(m_font);
    m_advances = CharAdvances([measure](QStringView ch) { return measure.horizontalAdvance(ch.toString()); });
    m_breakWidth = measure.horizontalAdvance(QLatin1Char(' '));
    m_lines.setGeometry(m_lines.width(), kTabStop);
}

bool TextBoardLayout::setWidth(int width)
{
    if (width == m_width)
        return false;
    m_width = width;
    m_lines.setGeometry(std::max(0, width - 2 * kMargin), kTabStop);
    return true;
}

void TextBoardLayout::layout(const QString &text)
{
    m_lines.layout(text, m_advances);
}

void TextBoardLayout::update(const QString &text, const TextBoardBuffer::Change &change)
{
    m_lines.update(text, m_advances, change.position, change.removed, change.inserted);
}

int TextBoardLayout::height() const
{
    return 2 * kMargin + int(lineCount()) * m_lineHeight;
}

qsizetype TextBoardLayout::lineAtY(qreal y) const
{
    const qsizetype line = qsizetype(std::floor((y - kMargin) / m_lineHeight));
    return std::clamp<qsizetype>(line, 0, lineCount() - 1);
}

qreal TextBoardLayout::lineLeft(const QString &text, qsizetype line) const
{
    const qreal room = m_lines.width() - m_lines.textWidth(text, m_advances, line);
    if (room <= 0)
        return kMargin;
    if (m_alignment & Qt::AlignRight)
        return kMargin + room;
    if (m_alignment & Qt::AlignHCenter)
        return kMargin + room / 2;
    return kMargin;
}

QPointF TextBoardLayout::caretPoint(const QString &text, qsizetype position, bool upstream) const
{
    const qsizetype line = m_lines.caretLine(text, position, upstream);
    return {lineLeft(text, line) + m_lines.xOf(text, m_advances, line, position), lineTop(line)};
}

qsizetype TextBoardLayout::caretAt(const QString &text, QPointF point, bool *upstream) const
{
    const qsizetype line = lineAtY(point.y());
    const qsizetype caret = m_lines.caretAt(text, m_advances, line, point.x() - lineLeft(text, line));
    if (upstream)
        *upstream = line + 1 < lineCount() && caret == m_lines.start(line + 1);
    return caret;
}

qsizetype TextBoardLayout::characterAt(const QString &text, QPointF point) const
{
    const qsizetype line = lineAtY(point.y());
    return m_lines.characterAt(text, m_advances, line, point.x() - lineLeft(text, line));
}

QRectF TextBoardLayout::spanRect(const QString &text, qsizetype line, qsizetype from, qsizetype to) const
{
    const qreal left = lineLeft(text, line);
    const qreal x1 = m_lines.xOf(text, m_advances, line, from);
    const qreal x2 = m_lines.xOf(text, m_advances, line, to);
    return QRectF(left + x1, lineTop(line), x2 - x1, m_lineHeight);
}

void TextBoardLayout::drawLine(QPainter &painter, const QString &text, qsizetype line, qreal left, qreal baseline) const
{
    // Tabs are placed here, from the line's start; the pieces between them are drawn whole.
    const qsizetype end = m_lines.end(text, line);
    qsizetype piece = m_lines.start(line);
    qreal x = 0;
    for (qsizetype i = piece; i <= end; ++i) {
        if (i < end && text.at(i) != QLatin1Char('\t'))
            continue;
        if (i > piece) {
            const QString run = text.mid(piece, i - piece);
            painter.drawText(QPointF(left + x, baseline), run);
            x = m_lines.xOf(text, m_advances, line, i);
        }
        if (i < end)
            x += m_lines.tabAdvance(x);
        piece = i + 1;
    }
}

void TextBoardLayout::paint(QPainter &painter, const QRectF &area, const QString &text, qsizetype selStart,
                            qsizetype selEnd, const QPalette &palette) const
{
    painter.setFont(m_font);
    const qsizetype first = lineAtY(area.top());
    const qsizetype last = lineAtY(area.bottom());
    const QColor textColor = palette.color(QPalette::Text);
    for (qsizetype line = first; line <= last; ++line) {
        const qreal left = lineLeft(text, line);
        const qreal baseline = lineTop(line) + m_ascent;
        painter.setPen(textColor);
        drawLine(painter, text, line, left, baseline);

        const qsizetype start = m_lines.start(line);
        const qsizetype end = m_lines.end(text, line);
        const qsizetype from = std::max(selStart, start);
        const qsizetype to = std::min(selEnd, end);
        // A selected line break shows as a blank's width at the line's end.
        const bool breakSelected = BoardText::isBreakAt(text, end) && selStart <= end && selEnd > end;
        if (from > to || (from == to && !breakSelected))
            continue;
        QRectF selected = spanRect(text, line, from, to);
        if (breakSelected)
            selected.setRight(selected.right() + m_breakWidth);
        painter.fillRect(selected, palette.brush(QPalette::Highlight));
        painter.save();
        painter.setClipRect(selected, Qt::IntersectClip);
        painter.setPen(palette.color(QPalette::HighlightedText));
        drawLine(painter, text, line, left, baseline);
        painter.restore();
    }
}
