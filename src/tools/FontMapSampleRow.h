#pragma once

#include "fontmap/FontMapGrid.h"

#include <QFont>
#include <QWidget>

#include <array>

// The Options dialog's FontMap sample `OCharButton(0..12)`: 13 cells side by side, sized and
// drawn as the FontMap's cells at size 1, painted as one widget, with the marker
// `CharButtonBox`, a square outline inside the cell that holds the zoomed letter.
class FontMapSampleRow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FontMapSampleRow)

public:
    static constexpr int kCells = 13;

    explicit FontMapSampleRow(QWidget *parent = nullptr);

    const FontMapCell &cell(int index) const { return m_cells[index]; }
    void setCaption(int index, const QString &caption);
    void setForeColor(int index, ColorValue color);
    void setBackColor(int index, ColorValue color);
    void setBorderStyle(int index, int style);
    // All cells share one font, never with a style.
    const QFont &cellFont() const { return m_font; }
    void setCellFont(const QFont &font);

    // The cell the marker is on; -1 while it is hidden.
    int markerCell() const { return m_markerCell; }
    void setMarkerCell(int index);
    void hideMarker() { setMarkerCell(-1); }

    // The marker's own tooltip text: shown over the marker while the row shows a tooltip.
    void setMarkerTag(const QString &tag) { m_markerTag = tag; }
    QString toolTipAt(const QPoint &pos) const;

    // Geometry in widget coordinates; -1 when no cell is under the point.
    QRect cellRect(int index) const;
    QRect markerRect() const;
    int cellAt(const QPoint &pos) const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void cellClicked(int index);
    void cellMouseMove(int index);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    std::array<FontMapCell, kCells> m_cells;
    QFont m_font;
    int m_markerCell = -1;
    QString m_markerTag;
};
