#pragma once

#include <QRectF>
#include <QSizeF>

#include <array>

// The FontMap's size steps. Step 1 is the designed grid of 28-pixel cells; each further step
// makes every cell one pixel wider and one pixel higher, so the grid grows by 28 x 8 pixels.
// Lengths are in twips; a pixel is the screen's twips per pixel.
namespace MapSizeSteps {

inline constexpr int kCells = 224;
inline constexpr int kColumns = 28;
inline constexpr int kRows = kCells / kColumns;

// Step 1: cells 420 twips square and 405 twips apart, so that neighbours share their border
// line; the first row sits under the map's CoolBar.
inline constexpr double kCellSide = 420;
inline constexpr double kCellPitch = 405;
inline constexpr double kFirstRowTop = 375;

using Cells = std::array<QRectF, kCells>;

// The cells of step 1, the first row at `firstRowTop` (under the map's CoolBar unless told
// otherwise).
Cells designedCells(double firstRowTop = kFirstRowTop);

// Whether the screen lets the map change its size: wider than 800 pixels, or than 1024 with
// large system fonts (fewer than 15 twips per pixel).
bool sizingAllowed(int screenWidth, double twipsPerPixelX);

// Re-lays the cells `steps` steps larger (smaller when negative), relative to where they are:
// every cell takes cell 0's side plus the steps in pixels, and moves right by its column and
// down by its row times the steps, so the grid stays packed from its top-left corner.
void resizeCells(Cells &cells, int steps, double twipsPerPixelX, double twipsPerPixelY);

// The map container around cells of that size under its CoolBar: 28 cells less 23 pixels wide,
// the CoolBar and 8 cells less 4 pixels high (the cells' shared border lines).
QSizeF containerSize(const QSizeF &cell, double coolBarHeight, double twipsPerPixelX, double twipsPerPixelY);

// The custom map name band takes what the CoolBar's first two bands leave.
inline double nameBandWidth(double coolBarWidth, double band1Width, double band2Width)
{
    return coolBarWidth - (band1Width + band2Width);
}

} // namespace MapSizeSteps
