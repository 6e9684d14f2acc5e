#include "fontmap/rules/MapSizeSteps.h"

namespace MapSizeSteps {

Cells designedCells(double firstRowTop)
{
    Cells cells;
    for (int i = 0; i < kCells; ++i) {
        const int row = i / kColumns;
        const int col = i % kColumns;
        cells[i] = QRectF(kCellPitch * col, firstRowTop + kCellPitch * row, kCellSide, kCellSide);
    }
    return cells;
}

bool sizingAllowed(int screenWidth, double twipsPerPixelX)
{
    return twipsPerPixelX >= 15 ? screenWidth > 800 : screenWidth > 1024;
}

void resizeCells(Cells &cells, int steps, double twipsPerPixelX, double twipsPerPixelY)
{
    const double dx = steps * twipsPerPixelX;
    const double dy = steps * twipsPerPixelY;
    // Every cell takes cell 0's side: the cells are squares of one size at every step.
    const double side = cells[0].width();
    for (int i = 0; i < kCells; ++i) {
        const int row = i / kColumns;
        const int col = i % kColumns;
        QRectF &cell = cells[i];
        cell = QRectF(cell.left() + col * dx, cell.top() + row * dy, side + dx, side + dy);
    }
}

QSizeF containerSize(const QSizeF &cell, double coolBarHeight, double twipsPerPixelX, double twipsPerPixelY)
{
    return QSizeF(kColumns * cell.width() - 23 * twipsPerPixelX,
                  coolBarHeight + kRows * cell.height() - 4 * twipsPerPixelY);
}

} // namespace MapSizeSteps
