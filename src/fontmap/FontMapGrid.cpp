#include "fontmap/FontMapGrid.h"

#include "fontmap/FontMapGridAccessible.h"
#include "widgets/ColorResolve.h"
#include "widgets/Twips.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

FontMapGrid::FontMapGrid(QWidget *parent)
    : QWidget(parent)
{
    // Before anything can ask for this widget's interface, which Qt then keeps.
    FontMapGridAccessible::install();
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    m_font.setStyleStrategy(QFont::NoFontMerging);
}

void FontMapGrid::setCaption(int index, const QString &caption)
{
    if (m_cells[index].caption == caption)
        return;
    m_cells[index].caption = caption;
    m_glyphs[index] = CaptionGlyphs{};
    update(cellRect(index));
    CellTableAccessible::cellChanged(this, index);
}

void FontMapGrid::setCurrentCell(int index)
{
    if (m_currentCell == index)
        return;
    m_currentCell = index;
    CellTableAccessible::currentCellChanged(this, index);
}

void FontMapGrid::setForeColor(int index, ColorValue color)
{
    if (m_cells[index].foreColor == color)
        return;
    m_cells[index].foreColor = color;
    update(cellRect(index));
}

void FontMapGrid::setBackColor(int index, ColorValue color)
{
    if (m_cells[index].backColor == color)
        return;
    m_cells[index].backColor = color;
    update(cellRect(index));
}

void FontMapGrid::setBorderStyle(int index, int style)
{
    if (m_cells[index].borderStyle == style)
        return;
    m_cells[index].borderStyle = style;
    update(cellRect(index));
}

MapSizeSteps::Cells FontMapGrid::cellGeometries() const
{
    MapSizeSteps::Cells twips;
    for (int i = 0; i < kCells; ++i)
        twips[i] = m_cells[i].twips;
    return twips;
}

void FontMapGrid::setCellGeometries(const MapSizeSteps::Cells &twips)
{
    for (int i = 0; i < kCells; ++i)
        m_cells[i].twips = twips[i];
    update();
}

void FontMapGrid::setCellFont(const QFont &font, FontCharset charset)
{
    m_font = font;
    m_charset = charset;
    m_font.setStyleStrategy(QFont::NoFontMerging);
    m_rawFont.reset();
    m_glyphs.fill(CaptionGlyphs{});
    update();
}

QRect FontMapGrid::cellRect(int index) const
{
    const QRectF &t = m_cells[index].twips;
    const int x = Twips::toQt(t.left());
    const int y = Twips::toQt(t.top());
    return QRect(x, y, Twips::toQt(t.left() + t.width()) - x, Twips::toQt(t.top() + t.height()) - y);
}

int FontMapGrid::cellAt(const QPoint &pos) const
{
    // Cells overlap by their shared border line; the later cell wins, as the later
    // control lay on top.
    for (int i = kCells - 1; i >= 0; --i) {
        if (cellRect(i).contains(pos))
            return i;
    }
    return -1;
}

void FontMapGrid::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    for (int i = 0; i < kCells; ++i) {
        if (event->region().intersects(cellRect(i)))
            paintCell(painter, i);
    }
}

void FontMapGrid::paintCell(QPainter &painter, int index) const
{
    const FontMapCell &c = m_cells[index];
    const QRect r = cellRect(index);
    painter.save();
    painter.setClipRect(r);
    painter.fillRect(r, resolveColor(c.backColor, palette()));
    painter.setPen(resolveColor(c.foreColor, palette()));
    const CaptionGlyphs &glyphs = glyphsOf(index);
    if (!glyphs.run.isEmpty()) {
        // Centred as a single line of text is: its advance across, ascent and descent down.
        const qreal ascent = rawFont().ascent();
        const qreal x = r.left() + (r.width() - glyphs.width) / 2;
        const qreal y = r.top() + (r.height() - (ascent + rawFont().descent())) / 2;
        painter.drawGlyphRun(QPointF(x, y + ascent), glyphs.run);
    }
    if (c.borderStyle == 1) {
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

const FontMapGrid::CaptionGlyphs &FontMapGrid::glyphsOf(int index) const
{
    CaptionGlyphs &g = m_glyphs[index];
    if (g.made)
        return g;
    g.made = true;
    const QString &caption = m_cells[index].caption;
    const QRawFont &font = rawFont();
    if (caption.isEmpty() || !font.isValid())
        return g;
    const QList<quint32> indexes = font.glyphIndexesForString(caption);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(indexes);
    QList<QPointF> positions;
    positions.reserve(indexes.size());
    QPointF at;
    for (const QPointF &advance : advances) {
        positions.append(at);
        at += advance;
    }
    g.run.setRawFont(font);
    g.run.setGlyphIndexes(indexes);
    g.run.setPositions(positions);
    g.width = at.x();
    return g;
}

const QRawFont &FontMapGrid::rawFont() const
{
    // The font's own glyphs: a character it lacks shows its missing-glyph box, as the
    // font shows it with no other font standing in.
    if (!m_rawFont)
        m_rawFont = QRawFont::fromFont(m_font);
    return *m_rawFont;
}

void FontMapGrid::mouseMoveEvent(QMouseEvent *event)
{
    const int index = cellAt(event->position().toPoint());
    if (index >= 0)
        Q_EMIT cellMouseMove(index);
    QWidget::mouseMoveEvent(event);
}

void FontMapGrid::mousePressEvent(QMouseEvent *event)
{
    const int index = cellAt(event->position().toPoint());
    if (index >= 0)
        Q_EMIT cellMouseDown(index, event->button(), event->globalPosition().toPoint());
    QWidget::mousePressEvent(event);
}
