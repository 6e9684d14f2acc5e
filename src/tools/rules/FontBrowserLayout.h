#pragma once

#include "tools/rules/ScrollRange.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <functional>

// Where the font browser's controls go when its window is resized, its split bar dragged or its
// scroll bars moved. Every place is in twips, relative to the window's inner area (the viewport's
// scroll bars and corner block relative to the viewport's inner area, the sheet likewise). Sizes
// of the window are plain ints: a window wider than 2,184 pixels is more than 32,767 twips.
class FontBrowserLayout final
{
public:
    struct Controls
    {
        QRectF fontList;
        QPointF nameLabel;       // the label sizes itself to its text
        QRectF splitBar;
        QRectF plateHolder;      // the viewport, with a border 2 pixels wide inside this rectangle
        QRectF hScroll;
        QRectF vScroll;
        QRectF holeBlock;
        QRectF summaryFrame;
        QRectF setFontButton;
        QRectF okButton;
    };

    // The width of the name label, in twips, when its font has that many points.
    using LabelWidth = std::function<double(int points)>;

    static constexpr int kMinTrackWidthPx = 720;
    static constexpr int kMinTrackHeightPx = 320;
    static constexpr int kDesignNamePoints = 12;

    FontBrowserLayout(double twipsPerPixelX, double twipsPerPixelY);

    static Controls designControls();
    static QSizeF designInnerSize();

    const Controls &controls() const { return m_c; }
    // The sheet always sits where its two bars say: scrolled by their values.
    QPointF sheetPos() const { return QPointF(-m_h.value, -m_v.value); }
    QSizeF sheetSize() const { return m_sheetSize; }
    const ScrollRange &hScroll() const { return m_h; }
    const ScrollRange &vScroll() const { return m_v; }
    // The vertical bar's enabled arrows: 0 both, 1 only the up arrow, 2 only the down arrow.
    int vArrows() const { return m_vArrows; }
    int namePoints() const { return m_namePoints; }

    // The window's content minimum, outer size in twips; 0 until a sample is shown.
    int minFormWidth() const { return m_minFormWidth; }
    int minFormHeight() const { return m_minFormHeight; }
    int prevFormWidth() const { return m_prevFormWidth; }
    int prevFormHeight() const { return m_prevFormHeight; }

    // The size of the screen as far as windows may use it, in twips: the content minimum never
    // exceeds it less 10 pixels.
    void setScreen(QSizeF twips) { m_screen = twips; }

    // A new sample: the sheet's size, the sheet back at the top left with both bars at 0, their
    // ranges, and the content minimum.
    void showSheet(QSizeF sheet);
    // Activation records the window's outer size without laying anything out.
    void recordFormSize(int outerWidth, int outerHeight);

    // The window was resized to these sizes (outer in twips, inner in twips). Lays out the
    // directions whose outer size changed since the last time, then records the size. A window
    // that grows shows more of a scrolled sheet: the sheet moves by the growth towards its start.
    void resize(int outerWidth, int outerHeight, double innerWidth, double innerHeight, const LabelWidth &labelWidth);

    // The pointer moved to x (twips, within the bar) while the left button held it. False when
    // the move was refused: the bar would come within 242 pixels of either inner edge, or it
    // moved by less than 5 twips. A move recomputes the content minimum from the viewport's new
    // place, but never beyond the window's present width. Moved left, it moves a scrolled sheet
    // right by as much, as a wider window does.
    bool dragSplitBar(double x, int outerWidth, double innerWidth, const LabelWidth &labelWidth);

    // Fits the name label after its text changed: grows it point by point while its right edge
    // lies more than 30 pixels inside the outer width (up to 25 points), or else shrinks it
    // while the edge lies less than 10 pixels inside (never below 1 point).
    void fitNameLabel(int outerWidth, const LabelWidth &labelWidth);

    void setHScrollValue(int value);
    void setVScrollValue(int value);

private:
    void layOutVertically(int outerHeight, double innerHeight);
    void layOutHorizontally(int outerWidth, double innerWidth, const LabelWidth &labelWidth);
    void placeBars();
    void growNameLabel(int outerWidth, const LabelWidth &labelWidth);
    void shrinkNameLabel(int outerWidth, const LabelWidth &labelWidth);
    void fitHRange(bool resetValue);
    void fitVRange(bool resetValue);
    void updateVArrows();
    void updateMinimum();
    double plateInnerWidth() const;
    double plateInnerHeight() const;
    double px(double pixels) const { return pixels * m_tppX; }
    double py(double pixels) const { return pixels * m_tppY; }

    double m_tppX;
    double m_tppY;
    Controls m_c = designControls();
    QSizeF m_sheetSize;
    ScrollRange m_h;
    ScrollRange m_v;
    int m_vArrows = 0;
    int m_namePoints = kDesignNamePoints;
    QSizeF m_screen;
    bool m_sheetShown = false;
    int m_minFormWidth = 0;
    int m_minFormHeight = 0;
    int m_prevFormWidth = 0;
    int m_prevFormHeight = 0;
};
