#include "widgets/ColorGrid.h"

#include "core/ColorGridMoves.h"
#include "widgets/ColorGridAccessible.h"
#include "widgets/ColorResolve.h"
#include "widgets/Contrast.h"
#include "widgets/Twips.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

ColorGrid::ColorGrid(const ColorGridLayout &layout, int count, QWidget *parent)
    : QWidget(parent)
    , m_layout(layout)
    , m_cells(count)
{
    // Before anything can ask for this widget's interface, which Qt then keeps.
    ColorGridAccessible::install();
    setFocusPolicy(Qt::StrongFocus);
}

ColorValue ColorGrid::color(int cell) const
{
    return valid(cell) ? m_cells[cell - 1].color : 0;
}

void ColorGrid::setColor(int cell, ColorValue color)
{
    if (!valid(cell) || m_cells[cell - 1].color == color)
        return;
    m_cells[cell - 1].color = color;
    update(cellRect(cell));
}

QString ColorGrid::name(int cell) const
{
    return valid(cell) ? m_cells[cell - 1].name : QString();
}

void ColorGrid::setName(int cell, const QString &name)
{
    if (!valid(cell) || m_cells[cell - 1].name == name)
        return;
    m_cells[cell - 1].name = name;
    CellTableAccessible::cellChanged(this, cell - 1);
}

void ColorGrid::setCurrent(int cell)
{
    const int to = ColorGridMoves::clampCell(cell, count());
    if (to == m_current)
        return;
    update(frameRect());
    m_current = to;
    update(frameRect());
    CellTableAccessible::currentCellChanged(this, m_current - 1);
    Q_EMIT currentChanged(m_current);
}

void ColorGrid::setContainerColor(ColorValue color)
{
    if (m_containerColor == color)
        return;
    m_containerColor = color;
    update();
}

int ColorGrid::frameOffsetX() const
{
    return int(std::lround((m_layout.frameSize.width() - m_layout.cellSize.width()) / 2));
}

int ColorGrid::frameOffsetY() const
{
    return int(std::lround((m_layout.frameSize.height() - m_layout.cellSize.height()) / 2));
}

QRectF ColorGrid::cellTwips(int cell) const
{
    const int column = (cell - 1) % ColorGridMoves::kColumns;
    const int row = (cell - 1) / ColorGridMoves::kColumns;
    return QRectF(QPointF(m_layout.origin.x() + m_layout.step.width() * column,
                          m_layout.origin.y() + m_layout.step.height() * row),
                  m_layout.cellSize);
}

QRect ColorGrid::toWidget(const QRectF &twips) const
{
    // Edge by edge, as placed controls are, so that the frame's rim is even on every side.
    const int x = Twips::toQt(twips.left());
    const int y = Twips::toQt(twips.top());
    return QRect(x, y, Twips::toQt(twips.right()) - x, Twips::toQt(twips.bottom()) - y);
}

QRect ColorGrid::cellRect(int cell) const
{
    return valid(cell) ? toWidget(cellTwips(cell)) : QRect();
}

QRect ColorGrid::frameRect() const
{
    const QRectF cell = cellTwips(m_current);
    return toWidget(QRectF(QPointF(cell.left() - frameOffsetX(), cell.top() - frameOffsetY()), m_layout.frameSize));
}

int ColorGrid::cellAt(const QPoint &pos) const
{
    for (int cell = 1; cell <= count(); ++cell) {
        if (cellRect(cell).contains(pos))
            return cell;
    }
    return 0;
}

bool ColorGrid::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const int cell = cellAt(help->pos());
    if (const QString tip = cellToolTip(cell); !tip.isEmpty())
        QToolTip::showText(help->globalPos(), tip, this, cellRect(cell));
    else
        QToolTip::hideText();
    return true;
}

void ColorGrid::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QPalette &p = palette();
    const QColor container = resolveColor(m_containerColor, p);
    painter.fillRect(rect(), container);

    // Lines one device pixel wide, laid as fills, stay sharp at every scale.
    const qreal line = 1.0 / devicePixelRatioF();
    const auto outlined = [&](const QRect &r, const QColor &outline, const QColor &fill) {
        painter.fillRect(QRectF(r), outline);
        painter.fillRect(QRectF(r).adjusted(line, line, -line, -line), fill);
    };
    const QRect frame = frameRect();
    if (event->region().intersects(frame))
        outlined(frame, resolveColor(kWindowText, p), resolveColor(kWindowBackground, p));
    // A thin outline keeps a cell of the container's or the frame's own colour visible: the
    // palette's dark shade, or its light one where the dark would vanish into a dark container.
    const QColor dark = p.color(QPalette::Dark), light = p.color(QPalette::Light);
    const QColor outline = contrastRatio(dark, container) >= contrastRatio(light, container) ? dark : light;
    for (int cell = 1; cell <= count(); ++cell) {
        const QRect r = cellRect(cell);
        if (event->region().intersects(r))
            outlined(r, outline, resolveColor(color(cell), p));
    }
}

void ColorGrid::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    if (const int cell = cellAt(event->position().toPoint())) {
        setCurrent(cell);
        Q_EMIT cellClicked(cell);
    }
}

void ColorGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseDoubleClickEvent(event);
    if (const int cell = cellAt(event->position().toPoint())) {
        setCurrent(cell);
        Q_EMIT cellDoubleClicked(cell);
    }
}

void ColorGrid::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT enterPressed();
        return;
    }
    if (const auto move = ColorGridMoves::moveForKey(event->key())) {
        setCurrent(ColorGridMoves::apply(*move, m_current, count()));
        return;
    }
    QWidget::keyPressEvent(event);
}
