#include "tools/rules/FontBrowserLayout.h"

#include "fontmap/rules/FontSizeRules.h"

#include <algorithm>
#include <cmath>

namespace {

// Pixel distances of the layout.
constexpr double kListBottomGap = 140;   // the list ends this far above the inner bottom edge, less its top
constexpr double kSummaryBelowList = 43;
constexpr double kSplitBarShorter = 49;
constexpr double kPlateTaller = 28;
constexpr double kButtonsBelowPlate = 5;
constexpr double kPlateRightMargin = 12;
constexpr double kPlateBorder = 2;       // on each side
constexpr double kBarOverlap = 2;
constexpr double kOkFromRight = 20;
constexpr double kSetFontFromRight = 120;
constexpr double kNameShrinkMargin = 10;
constexpr double kNameGrowMargin = 30;
constexpr int kNameMaxGrowFrom = 24;     // grows while at most this, so up to 25 points
constexpr int kNameMinPoints = 1;        // Qt ignores point sizes below 1
constexpr double kSplitBarMargin = 242;
constexpr double kSplitBarGrip = 4;      // the pointer holds the bar 4 pixels from its left edge
constexpr double kDeadBandTwips = 5;
constexpr double kMinHeightBelowPlateTop = 235;
constexpr double kMinWidthRightOfPlate = 390;
constexpr double kScreenMargin = 10;

// A scrolled sheet moves towards its start by the viewport's growth, never beyond it: the bar's
// value (the sheet's distance from its start) less the growth, and not below 0.
int scrolledBack(int value, double growth)
{
    return std::max(0, int(std::lround(value - growth)));
}

} // namespace

FontBrowserLayout::FontBrowserLayout(double twipsPerPixelX, double twipsPerPixelY)
    : m_tppX(twipsPerPixelX)
    , m_tppY(twipsPerPixelY)
{
}

FontBrowserLayout::Controls FontBrowserLayout::designControls()
{
    Controls c;
    c.fontList = QRectF(165, 480, 3480, 7395);
    c.nameLabel = QPointF(3810, 345);
    c.splitBar = QRectF(3645, 1215, 60, 6660);
    c.plateHolder = QRectF(3705, 1185, 8880, 7815);
    c.hScroll = QRectF(0, 7485, 8535, 270);
    c.vScroll = QRectF(8550, 0, 270, 7500);
    c.holeBlock = QRectF(8550, 7515, 270, 270);
    c.summaryFrame = QRectF(180, 8025, 3480, 975);
    c.setFontButton = QRectF(8115, 9075, 3135, 330);
    c.okButton = QRectF(11310, 9075, 1290, 330);
    return c;
}

QSizeF FontBrowserLayout::designInnerSize()
{
    return QSizeF(12765, 9480);
}

double FontBrowserLayout::plateInnerWidth() const
{
    return std::max(0.0, m_c.plateHolder.width() - px(2 * kPlateBorder));
}

double FontBrowserLayout::plateInnerHeight() const
{
    return std::max(0.0, m_c.plateHolder.height() - py(2 * kPlateBorder));
}

void FontBrowserLayout::showSheet(QSizeF sheet)
{
    m_sheetSize = sheet;
    m_sheetShown = true;
    m_h.value = 0;
    m_v.value = 0;
    fitVRange(true);
    fitHRange(true);
    updateMinimum();
}

void FontBrowserLayout::recordFormSize(int outerWidth, int outerHeight)
{
    m_prevFormWidth = outerWidth;
    m_prevFormHeight = outerHeight;
}

void FontBrowserLayout::resize(int outerWidth, int outerHeight, double innerWidth, double innerHeight,
                               const LabelWidth &labelWidth)
{
    if (outerHeight != m_prevFormHeight)
        layOutVertically(outerHeight, innerHeight);
    if (outerWidth != m_prevFormWidth)
        layOutHorizontally(outerWidth, innerWidth, labelWidth);
    recordFormSize(outerWidth, outerHeight);
}

void FontBrowserLayout::layOutVertically(int outerHeight, double innerHeight)
{
    const double list = innerHeight - py(kListBottomGap);
    m_c.fontList.setHeight(std::max(0.0, list));
    m_c.summaryFrame.moveTop(list + py(kSummaryBelowList));
    m_c.splitBar.setHeight(std::max(0.0, list - py(kSplitBarShorter)));
    m_c.plateHolder.setHeight(std::max(0.0, list + py(kPlateTaller)));
    placeBars();
    if (outerHeight > m_prevFormHeight)
        m_v.value = scrolledBack(m_v.value, outerHeight - m_prevFormHeight);
    fitVRange(false);

    m_c.okButton.moveTop(m_c.plateHolder.bottom() + py(kButtonsBelowPlate));
    m_c.setFontButton.moveTop(m_c.okButton.top());
}

void FontBrowserLayout::layOutHorizontally(int outerWidth, double innerWidth, const LabelWidth &labelWidth)
{
    m_c.plateHolder.setWidth(std::max(0.0, innerWidth - m_c.splitBar.right() - px(kPlateRightMargin)));
    placeBars();
    if (outerWidth < m_prevFormWidth) {
        shrinkNameLabel(outerWidth, labelWidth);
    } else {
        m_h.value = scrolledBack(m_h.value, outerWidth - m_prevFormWidth);
        growNameLabel(outerWidth, labelWidth);
    }
    fitHRange(false);

    m_c.okButton.moveLeft(outerWidth - m_c.okButton.width() - px(kOkFromRight));
    m_c.setFontButton.moveLeft(outerWidth - m_c.setFontButton.width() - px(kSetFontFromRight));
}

void FontBrowserLayout::placeBars()
{
    const double innerWidth = plateInnerWidth();
    const double innerHeight = plateInnerHeight();
    m_c.hScroll.moveTop(innerHeight - m_c.hScroll.height());
    m_c.vScroll.setHeight(std::max(0.0, innerHeight - m_c.hScroll.height() + py(kBarOverlap)));
    m_c.holeBlock.moveTop(m_c.vScroll.height());
    m_c.hScroll.setWidth(std::max(0.0, innerWidth - m_c.vScroll.width() + px(kBarOverlap)));
    m_c.vScroll.moveLeft(innerWidth - m_c.vScroll.width());
    m_c.holeBlock.moveLeft(m_c.hScroll.width());
}

bool FontBrowserLayout::dragSplitBar(double x, int outerWidth, double innerWidth, const LabelWidth &labelWidth)
{
    const double left = m_c.splitBar.left() + x - px(kSplitBarGrip);
    if (left < px(kSplitBarMargin) || left > innerWidth - px(kSplitBarMargin))
        return false;
    const double delta = std::round(left - m_c.splitBar.left());
    if (delta > -kDeadBandTwips && delta < kDeadBandTwips)
        return false;

    m_c.splitBar.moveLeft(left);
    m_c.fontList.setWidth(m_c.fontList.width() + delta);
    m_c.nameLabel.rx() += delta;
    m_c.plateHolder.setLeft(m_c.plateHolder.left() + delta);
    m_c.summaryFrame.setWidth(m_c.summaryFrame.width() + delta);
    placeBars();
    if (delta < 0) {
        m_h.value = scrolledBack(m_h.value, -delta);
        growNameLabel(outerWidth, labelWidth);
    } else {
        shrinkNameLabel(outerWidth, labelWidth);
    }
    fitHRange(false);
    // The viewport moved: the window may not be narrowed beyond it any more. The window does not
    // grow for it, though; the drag's margin already keeps the viewport on screen.
    updateMinimum();
    m_minFormWidth = std::min(m_minFormWidth, outerWidth);
    return true;
}

void FontBrowserLayout::fitNameLabel(int outerWidth, const LabelWidth &labelWidth)
{
    if (m_c.nameLabel.x() + labelWidth(m_namePoints) + px(kNameGrowMargin) < outerWidth)
        growNameLabel(outerWidth, labelWidth);
    else
        shrinkNameLabel(outerWidth, labelWidth);
}

void FontBrowserLayout::growNameLabel(int outerWidth, const LabelWidth &labelWidth)
{
    while (m_c.nameLabel.x() + labelWidth(m_namePoints) + px(kNameGrowMargin) < outerWidth
           && m_namePoints <= kNameMaxGrowFrom)
        ++m_namePoints;
}

void FontBrowserLayout::shrinkNameLabel(int outerWidth, const LabelWidth &labelWidth)
{
    while (m_c.nameLabel.x() + labelWidth(m_namePoints) + px(kNameShrinkMargin) > outerWidth
           && m_namePoints > kNameMinPoints)
        --m_namePoints;
}

void FontBrowserLayout::fitHRange(bool resetValue)
{
    m_h = fitScrollRange(m_h, plateInnerWidth() - m_c.vScroll.width(), m_sheetSize.width(), resetValue);
}

void FontBrowserLayout::fitVRange(bool resetValue)
{
    m_v = fitScrollRange(m_v, plateInnerHeight() - m_c.hScroll.height(), m_sheetSize.height(), resetValue);
    updateVArrows();
}

void FontBrowserLayout::setHScrollValue(int value)
{
    m_h.value = std::clamp(value, 0, m_h.max);
}

void FontBrowserLayout::setVScrollValue(int value)
{
    m_v.value = std::clamp(value, 0, m_v.max);
    updateVArrows();
}

void FontBrowserLayout::updateVArrows()
{
    m_vArrows = m_v.value == m_v.max ? 1 : (m_v.value == 0 ? 2 : 0);
}

void FontBrowserLayout::updateMinimum()
{
    if (!m_sheetShown)
        return;
    m_minFormHeight = int(std::lround(m_c.plateHolder.top() + py(kMinHeightBelowPlateTop)));
    m_minFormWidth = int(std::lround(m_c.plateHolder.left() + px(kMinWidthRightOfPlate)));
    if (!m_screen.isEmpty()) {
        m_minFormHeight = std::min(m_minFormHeight, int(std::lround(m_screen.height() - py(kScreenMargin))));
        m_minFormWidth = std::min(m_minFormWidth, int(std::lround(m_screen.width() - px(kScreenMargin))));
    }
}
