#pragma once

#include <QRectF>
#include <QSizeF>

// Where the main window goes on the screen as it is now, in twips.
namespace WindowPlacement {

// `wanted` is the window's outer rectangle (as it was stored, or as the start-up sizing left
// it), `area` the desktop work area and `minimum` the smallest window that holds the layout.
// The size is at least the minimum and otherwise at most the area. The window stays where it
// is when it then lies wholly inside the area: the FontMap and the status bar lie along its
// bottom edge and its right one, so a window partly off the area hides them. Otherwise (a
// window saved off the screen, or on a screen that is gone) it is centred in the area, as a
// display change does; one larger than the area starts at the area's top left.
QRectF fitOnScreen(const QRectF &wanted, const QRectF &area, const QSizeF &minimum);

} // namespace WindowPlacement
