#pragma once

#include "core/ColorValue.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>

// Where the cells of a colour grid sit, in twips: cell 1's top-left corner, the step to the
// next column and row, a cell's size and the size of the selection frame, which is centred
// on the selected cell.
struct ColorGridLayout
{
    QPointF origin;
    QSizeF step;
    QSizeF cellSize;
    QSizeF frameSize;
};

// A container of colour cells numbered from 1, eight to a row, painted as one widget: each
// cell shows its colour (a system colour as the desktop draws it now) and carries a name,
// which is also its tooltip while tooltips are shown. One cell is selected; a framed rim
// lies behind it. A click selects a cell and gives the container the focus, the arrows,
// Home and End move the selection, Enter and a double click ask for the dialog's OK.
class ColorGrid final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ColorGrid)

public:
    ColorGrid(const ColorGridLayout &layout, int count, QWidget *parent = nullptr);

    int count() const { return int(m_cells.size()); }
    ColorValue color(int cell) const;
    void setColor(int cell, ColorValue color);
    QString name(int cell) const;
    void setName(int cell, const QString &name);

    // The selected cell; setting it brings the number into 1..count.
    int current() const { return m_current; }
    void setCurrent(int cell);

    // The container's own colour, behind the cells.
    ColorValue containerColor() const { return m_containerColor; }
    void setContainerColor(ColorValue color);

    void setToolTipsShown(bool shown) { m_toolTipsShown = shown; }
    // What hovering the cell shows: its name while tooltips are shown, nothing otherwise.
    QString cellToolTip(int cell) const { return m_toolTipsShown ? name(cell) : QString(); }

    // Half the difference between the frame's and a cell's size, in whole twips.
    int frameOffsetX() const;
    int frameOffsetY() const;

    // Geometry in widget coordinates; cellAt gives 0 where there is no cell.
    QRect cellRect(int cell) const;
    QRect frameRect() const;
    int cellAt(const QPoint &pos) const;

Q_SIGNALS:
    // The selection moved (by a click, a key or setCurrent).
    void currentChanged(int cell);
    void cellClicked(int cell);
    void cellDoubleClicked(int cell);
    void enterPressed();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Cell
    {
        ColorValue color = 0;
        QString name;
    };

    QRect toWidget(const QRectF &twips) const;
    QRectF cellTwips(int cell) const;
    bool valid(int cell) const { return cell >= 1 && cell <= count(); }

    ColorGridLayout m_layout;
    QList<Cell> m_cells;
    int m_current = 1;
    ColorValue m_containerColor = systemColor(0);
    bool m_toolTipsShown = true;
};
