#pragma once

#include "core/ColorValue.h"
#include "fontmap/rules/Charset.h"
#include "fontmap/rules/MapSizeSteps.h"

#include <QFont>
#include <QGlyphRun>
#include <QRawFont>
#include <QRectF>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

// One FontMap cell: what a classic label control of the grid carried.
struct FontMapCell
{
    QString caption;
    ColorValue foreColor = kWindowText;
    ColorValue backColor = kWindowBackground;
    int borderStyle = 1;  // 0 none, 1 single fixed line
    QRectF twips;         // Left, Top, Width, Height relative to the container
};

// A grid of 224 cells painted as one widget (not 224 child controls): the FontMap container
// `FMapContainer` with its cells `CharButton(0..223)` (the CoolBar `clbFontMap` is a child
// placed over its top edge), and the custom map editor's template `imgCMMFMapHolder` with its
// cells `lblCFMap(0..223)`. A hover or colour change repaints only the cells it touches.
// Each caption is drawn as the glyphs of the cell font, looked up once for the font and
// kept, so painting the grid lays out no text.
class FontMapGrid final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FontMapGrid)

public:
    static constexpr int kCells = MapSizeSteps::kCells;
    static constexpr int kColumns = MapSizeSteps::kColumns;

    explicit FontMapGrid(QWidget *parent = nullptr);

    const FontMapCell &cell(int index) const { return m_cells[index]; }
    void setCaption(int index, const QString &caption);
    void setForeColor(int index, ColorValue color);
    void setBackColor(int index, ColorValue color);
    void setBorderStyle(int index, int style);
    // Every cell's place in twips, relative to the container. The cells are placed all at
    // once, as a change of the map's size step moves every one of them.
    MapSizeSteps::Cells cellGeometries() const;
    void setCellGeometries(const MapSizeSteps::Cells &twips);

    // All cells always share one font; the styles are never set on cells.
    // The charset of that font decides which character each code stands for.
    const QFont &cellFont() const { return m_font; }
    FontCharset charset() const { return m_charset; }
    void setCellFont(const QFont &font, FontCharset charset);

    // What assistive technology reads as a cell's description: what the owner's describer
    // says (the cell's codes), nothing without one.
    void setCellDescriber(std::function<QString(int index)> describer) { m_describer = std::move(describer); }
    QString cellDescription(int index) const { return m_describer ? m_describer(index) : QString(); }
    // The cell the keyboard works on (the editor's highlight), for assistive technology; -1
    // where there is none (the FontMap).
    int currentCell() const { return m_currentCell; }
    void setCurrentCell(int index);

    // Hit test and geometry in widget coordinates; -1 when no cell is under the point.
    int cellAt(const QPoint &pos) const;
    QRect cellRect(int index) const;

Q_SIGNALS:
    void cellMouseMove(int index);
    void cellMouseDown(int index, Qt::MouseButton button, const QPoint &globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    // A caption's glyphs and how wide they are; empty until the cell is first painted.
    struct CaptionGlyphs
    {
        QGlyphRun run;
        qreal width = 0;
        bool made = false;
    };

    void paintCell(QPainter &painter, int index) const;
    const CaptionGlyphs &glyphsOf(int index) const;
    // The cell font's own glyphs, made when first drawn: start-up sets the font more than once.
    const QRawFont &rawFont() const;

    std::array<FontMapCell, kCells> m_cells;
    mutable std::array<CaptionGlyphs, kCells> m_glyphs;
    QFont m_font;
    mutable std::optional<QRawFont> m_rawFont;
    FontCharset m_charset = FontCharset::Ansi;
    std::function<QString(int)> m_describer;
    int m_currentCell = -1;
};
