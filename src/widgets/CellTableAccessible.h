#pragma once

#include <QAccessible>
#include <QAccessibleWidget>

#include <vector>

// What assistive technology sees of a widget that paints its cells itself (the FontMap, the
// keyboard's keys, the colour cells): a table whose cells are children of their own, each
// with its name, description, place on the screen, row and column. The widget's child widgets
// (a toolbar lying over its top edge) follow the cells. A cell's interface is made when a client
// first asks for it and lives as long as the table's, which Qt makes on a client's first
// question and deletes with its widget.
class CellTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    CellTableAccessible(QWidget *widget, int cellCount, int rowCount, int columnCount);
    ~CellTableAccessible() override;
    Q_DISABLE_COPY_MOVE(CellTableAccessible)

    // What a widget tells its clients while accessibility is active: a cell's caption or
    // description changed; another cell became the current one (read as focused while the
    // widget has the focus).
    static void cellChanged(QWidget *widget, int cell);
    static void currentCellChanged(QWidget *widget, int cell);

    // The cells, numbered from 0 row by row.
    int cellCount() const { return m_cellCount; }
    virtual QString cellName(int cell) const = 0;
    virtual QString cellDescription(int cell) const;
    // In the widget's coordinates.
    virtual QRect cellRect(int cell) const = 0;
    virtual QAccessible::Role cellRole(int cell) const;
    virtual QAccessible::State cellState(int cell) const;
    // The cell the keyboard and the selection are on; -1 where there is none.
    virtual int currentCell() const;
    // Where a cell sits, and the cell at a place (-1 for none); by default every row is full.
    virtual int rowOf(int cell) const;
    virtual int columnOf(int cell) const;
    virtual int cellAtPlace(int row, int column) const;

    QRect cellScreenRect(int cell) const;
    QAccessibleInterface *cellInterface(int cell) const;

    void *interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int) const override { return QString(); }
    QString rowDescription(int) const override { return QString(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return m_columnCount; }
    int rowCount() const override { return m_rowCount; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    const int m_cellCount;
    const int m_rowCount;
    const int m_columnCount;
    mutable std::vector<QAccessible::Id> m_cellIds; // 0 until the cell's interface is made
};

// The table of the widgets of type `W`, which `Derived` reads.
template<typename W, typename Derived>
class CellTableOf : public CellTableAccessible
{
public:
    using CellTableAccessible::CellTableAccessible;

    // Makes Qt's accessibility use `Derived` for every widget of type `W`; once is enough.
    static void install()
    {
        static const bool installed = [] {
            QAccessible::installFactory([](const QString &, QObject *object) -> QAccessibleInterface * {
                if (auto *w = qobject_cast<W *>(object))
                    return new Derived(w);
                return nullptr;
            });
            return true;
        }();
        Q_UNUSED(installed)
    }

protected:
    const W *owner() const { return static_cast<const W *>(widget()); }
};
