#pragma once

#include <QSizeF>

#include <optional>

// The main window's layout rules: where its regions go in pixel steps. Lengths are in twips; a
// horizontal pixel is the screen's twips per pixel X, a vertical one its twips per pixel Y.
namespace LayoutRules {

// The split bar's highest top, in pixels from the top of the window's client area: just under
// the views container. The designed layout puts it there.
inline constexpr int kSplitBarHighestPx = 276;

// The window that shows size step `index` + 1 in the designed layout: (780 + 28 index) x
// (592 + 8 index) pixels, each step adding a pixel to each of the map's 28 columns and 8 rows.
QSizeF standardWindowSize(int index, double twipsPerPixelX, double twipsPerPixelY);

// How far the split bar may go: its highest top, and its lowest, which keeps the map and 72
// pixels under it inside the desktop's work area.
struct SplitBarLimits
{
    double highest = 0;
    double lowest = 0;
};
SplitBarLimits splitBarLimits(double workAreaHeight, double fontMapHeight, double twipsPerPixelY);

// A drag with the pointer `pointerY` below the bar's top: the distance the bar moves, in whole
// twips, keeping the pointer 2 pixels below the bar's top. Nothing when the new top lies beyond
// either limit (the move is dropped, not clamped) or when the distance is at most 2 twips.
std::optional<int> splitBarDragDelta(double barTop, double pointerY, const SplitBarLimits &limits,
                                     double twipsPerPixelY);

// A double-click: from the highest place the bar drops to its lowest, by the distance from
// where it is (nothing when the lowest place is not below it); from anywhere lower the layout
// is reset.
struct SplitBarJump
{
    enum Kind { None, Move, Reset } kind = None;
    double newTop = 0;
    int delta = 0;
};
SplitBarJump splitBarDoubleClick(double barTop, const SplitBarLimits &limits);

// The widths re-laid after the map was rebuilt at a new size, from the window's outer width,
// the views container's designed left edge (the margin unit) and the sizes of the controls
// they follow.
struct Widths
{
    double coolBarCM = 0;
    double splitBar = 0;
    double textBoard = 0;  // the TextBoard's CoolBar takes the same width
    double statBarLeft = 0;
};
Widths relaidWidths(double formWidth, double margin, double viewsWidth, double fontMapWidth, double statBarWidth,
                    double twipsPerPixelX);

// The find bar's controls for a bar of that width: the box takes what the buttons and options
// leave; they keep their distances from the bar's right end.
struct FindBarPlaces
{
    double findStringWidth = 0;
    double findNextLeft = 0;
    double clearFindLeft = 0;
    double wholeWordLeft = 0;
    double matchCaseLeft = 0;
    double closeFindLeft = 0;
};
FindBarPlaces findBarPlaces(double frameWidth, double twipsPerPixelX);

} // namespace LayoutRules
