#include "widgets/CellTableAccessible.h"

#include <QWidget>

namespace {

// One painted cell: all it knows it asks its table.
class CellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    CellAccessible(const CellTableAccessible *table, int cell)
        : m_table(table)
        , m_cell(cell)
    {
    }

    const CellTableAccessible *owner() const { return m_table; }
    int cell() const { return m_cell; }

    bool isValid() const override { return m_table->isValid(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_table->window(); }
    QAccessibleInterface *parent() const override { return const_cast<CellTableAccessible *>(m_table); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text type) const override
    {
        switch (type) {
        case QAccessible::Name: return m_table->cellName(m_cell);
        case QAccessible::Description: return m_table->cellDescription(m_cell);
        default: return QString();
        }
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override { return m_table->cellScreenRect(m_cell); }
    QAccessible::Role role() const override { return m_table->cellRole(m_cell); }
    QAccessible::State state() const override { return m_table->cellState(m_cell); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface *>(this) : nullptr;
    }

    bool isSelected() const override { return m_table->currentCell() == m_cell; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_table->columnOf(m_cell); }
    int rowIndex() const override { return m_table->rowOf(m_cell); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    const CellTableAccessible *m_table;
    const int m_cell;
};

void notify(QWidget *widget, int cell, QAccessible::Event type)
{
    QAccessibleEvent event(widget, type);
    event.setChild(cell);
    QAccessible::updateAccessibility(&event);
}

} // namespace

CellTableAccessible::CellTableAccessible(QWidget *widget, int cellCount, int rowCount, int columnCount)
    : QAccessibleWidget(widget, QAccessible::Table)
    , m_cellCount(cellCount)
    , m_rowCount(rowCount)
    , m_columnCount(columnCount)
    , m_cellIds(std::size_t(cellCount), 0)
{
}

CellTableAccessible::~CellTableAccessible()
{
    for (const QAccessible::Id id : m_cellIds) {
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
    }
}

void CellTableAccessible::cellChanged(QWidget *widget, int cell)
{
    if (!QAccessible::isActive())
        return;
    notify(widget, cell, QAccessible::NameChanged);
    notify(widget, cell, QAccessible::DescriptionChanged);
}

void CellTableAccessible::currentCellChanged(QWidget *widget, int cell)
{
    if (!QAccessible::isActive() || cell < 0)
        return;
    notify(widget, cell, QAccessible::Selection);
    if (widget->hasFocus())
        notify(widget, cell, QAccessible::Focus);
}

QString CellTableAccessible::cellDescription(int) const
{
    return QString();
}

QAccessible::Role CellTableAccessible::cellRole(int) const
{
    return QAccessible::Cell;
}

QAccessible::State CellTableAccessible::cellState(int cell) const
{
    QAccessible::State s;
    const QWidget *w = widget();
    s.invisible = !w->isVisible();
    s.disabled = !w->isEnabled();
    s.focusable = w->focusPolicy() != Qt::NoFocus;
    const bool current = cell == currentCell();
    s.focused = current && w->hasFocus();
    s.selectable = currentCell() >= 0;
    s.selected = current;
    return s;
}

int CellTableAccessible::currentCell() const
{
    return -1;
}

int CellTableAccessible::rowOf(int cell) const
{
    return cell / m_columnCount;
}

int CellTableAccessible::columnOf(int cell) const
{
    return cell % m_columnCount;
}

int CellTableAccessible::cellAtPlace(int row, int column) const
{
    if (row < 0 || row >= m_rowCount || column < 0 || column >= m_columnCount)
        return -1;
    const int cell = row * m_columnCount + column;
    return cell < m_cellCount ? cell : -1;
}

QRect CellTableAccessible::cellScreenRect(int cell) const
{
    const QRect inWidget = cellRect(cell);
    return QRect(widget()->mapToGlobal(inWidget.topLeft()), inWidget.size());
}

QAccessibleInterface *CellTableAccessible::cellInterface(int cell) const
{
    if (cell < 0 || cell >= m_cellCount)
        return nullptr;
    QAccessible::Id &id = m_cellIds[std::size_t(cell)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new CellAccessible(this, cell));
    return QAccessible::accessibleInterface(id);
}

void *CellTableAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

int CellTableAccessible::childCount() const
{
    return m_cellCount + QAccessibleWidget::childCount();
}

QAccessibleInterface *CellTableAccessible::child(int index) const
{
    if (index < m_cellCount)
        return cellInterface(index);
    return QAccessibleWidget::child(index - m_cellCount);
}

int CellTableAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (const auto *cell = dynamic_cast<const CellAccessible *>(child))
        return cell->owner() == this ? cell->cell() : -1;
    const int index = QAccessibleWidget::indexOfChild(child);
    return index < 0 ? -1 : m_cellCount + index;
}

QAccessibleInterface *CellTableAccessible::childAt(int x, int y) const
{
    // A child widget lies over the cells.
    for (int index = m_cellCount; index < childCount(); ++index) {
        QAccessibleInterface *over = child(index);
        if (over && over->isValid() && !over->state().invisible && over->rect().contains(x, y))
            return over;
    }
    const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
    // Neighbouring cells share their border line; the later one lies on top.
    for (int cell = m_cellCount - 1; cell >= 0; --cell) {
        if (cellRect(cell).contains(at))
            return cellInterface(cell);
    }
    return nullptr;
}

QAccessibleInterface *CellTableAccessible::focusChild() const
{
    if (widget()->hasFocus() && currentCell() >= 0)
        return cellInterface(currentCell());
    return QAccessibleWidget::focusChild();
}

QAccessibleInterface *CellTableAccessible::cellAt(int row, int column) const
{
    return cellInterface(cellAtPlace(row, column));
}

int CellTableAccessible::selectedCellCount() const
{
    return currentCell() >= 0 ? 1 : 0;
}

QList<QAccessibleInterface *> CellTableAccessible::selectedCells() const
{
    if (currentCell() < 0)
        return {};
    return {cellInterface(currentCell())};
}
