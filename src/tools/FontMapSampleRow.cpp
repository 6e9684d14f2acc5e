#include "tools/FontMapSampleRow.h"

#include "tools/FontMapSampleRowAccessible.h"
#include "widgets/ColorResolve.h"
#include "widgets/PartToolTip.h"
#include "widgets/Twips.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

// The FontMap's cells at size 1: 420 twips square, each sharing its left border line with
// the previous one. The marker lies 30 twips inside the cell's top left corner.
constexpr double kCellSize = 420;
constexpr double kCellStep = 405;
constexpr double kMarkerInset = 30;

QRect toWidget(const QRectF &t)
{
    const int x = Twips::toQt(t.left());
    const int y = Twips::toQt(t.top());
    return QRect(x, y, Twips::toQt(t.left() + t.width()) - x, Twips::toQt(t.top() + t.height()) - y);
}

} // namespace

FontMapSampleRow::FontMapSampleRow(QWidget *parent)
    : QWidget(parent)
{
    // Before anything can ask for this widget's interface, which Qt then keeps.
    FontMapSampleRowAccessible::install();
    setMouseTracking(true);
    m_font.setStyleStrategy(QFont::NoFontMerging);
    for (int i = 0; i < kCells; ++i)
        m_cells[i].twips = QRectF(kCellStep * i, 0, kCellSize, kCellSize);
    setFixedSize(sizeHint());
}

QSize FontMapSampleRow::sizeHint() const
{
    return QSize(cellRect(kCells - 1).right() + 1, cellRect(0).bottom() + 1);
}

void FontMapSampleRow::setCaption(int index, const QString &caption)
{
    if (m_cells[index].caption == caption)
        return;
    m_cells[index].caption = caption;
    update(cellRect(index));
    CellTableAccessible::cellChanged(this, index);
}

void FontMapSampleRow::setForeColor(int index, ColorValue color)
{
    if (m_cells[index].foreColor == color)
        return;
    m_cells[index].foreColor = color;
    update(cellRect(index));
}

void FontMapSampleRow::setBackColor(int index, ColorValue color)
{
    if (m_cells[index].backColor == color)
        return;
    m_cells[index].backColor = color;
    update(cellRect(index));
}

void FontMapSampleRow::setBorderStyle(int index, int style)
{
    if (m_cells[index].borderStyle == style)
        return;
    m_cells[index].borderStyle = style;
    update(cellRect(index));
}

void FontMapSampleRow::setCellFont(const QFont &font)
{
    m_font = font;
    m_font.setStyleStrategy(QFont::NoFontMerging);
    update();
}

void FontMapSampleRow::setMarkerCell(int index)
{
    if (index == m_markerCell)
        return;
    if (m_markerCell >= 0)
        update(cellRect(m_markerCell));
    m_markerCell = index;
    if (m_markerCell >= 0)
        update(cellRect(m_markerCell));
}

QRect FontMapSampleRow::cellRect(int index) const
{
    return toWidget(m_cells[index].twips);
}

QRect FontMapSampleRow::markerRect() const
{
    if (m_markerCell < 0)
        return QRect();
    const QRectF &cell = m_cells[m_markerCell].twips;
    return toWidget(QRectF(cell.left() + kMarkerInset, cell.top() + kMarkerInset, cell.width() - 2 * kMarkerInset,
                           cell.height() - 2 * kMarkerInset));
}

int FontMapSampleRow::cellAt(const QPoint &pos) const
{
    // Neighbours share their border line; the later cell lies on top.
    for (int i = kCells - 1; i >= 0; --i) {
        if (cellRect(i).contains(pos))
            return i;
    }
    return -1;
}

QString FontMapSampleRow::toolTipAt(const QPoint &pos) const
{
    if (!toolTip().isEmpty() && markerRect().contains(pos))
        return m_markerTag;
    return toolTip();
}

bool FontMapSampleRow::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QRect marker = markerRect();
        showPartToolTip(this, help, toolTipAt(help->pos()), marker.contains(help->pos()) ? marker : QRect());
        return true;
    }
    return QWidget::event(event);
}

void FontMapSampleRow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setFont(m_font);
    const QPalette &pal = palette();
    for (int i = 0; i < kCells; ++i) {
        const QRect r = cellRect(i);
        if (!event->region().intersects(r))
            continue;
        const FontMapCell &c = m_cells[i];
        painter.save();
        painter.setClipRect(r);
        painter.fillRect(r, resolveColor(c.backColor, pal));
        painter.setPen(resolveColor(c.foreColor, pal));
        painter.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, c.caption);
        if (c.borderStyle == 1) {
            painter.setPen(pal.color(QPalette::Shadow));
            painter.drawRect(r.adjusted(0, 0, -1, -1));
        }
        if (i == m_markerCell) {
            painter.setPen(resolveColor(c.foreColor, pal));
            painter.drawRect(markerRect().adjusted(0, 0, -1, -1));
        }
        painter.restore();
    }
}

void FontMapSampleRow::mouseMoveEvent(QMouseEvent *event)
{
    const int index = cellAt(event->position().toPoint());
    if (index >= 0)
        Q_EMIT cellMouseMove(index);
    QWidget::mouseMoveEvent(event);
}

void FontMapSampleRow::mousePressEvent(QMouseEvent *event)
{
    const int index = cellAt(event->position().toPoint());
    if (index >= 0 && event->button() == Qt::LeftButton)
        Q_EMIT cellClicked(index);
    QWidget::mousePressEvent(event);
}
