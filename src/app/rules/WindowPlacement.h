#pragma once

#include <QRectF>

// Where a saved window placement goes on the screen as it is now, in twips.
namespace WindowPlacement {

// `saved` is the window's outer rectangle as it was stored, `area` the desktop work area
// and `caption` the height of the window's title bar. The size is limited to the area;
// when the title bar would not lie wholly inside the area (a window saved off the screen,
// or on a screen that is gone), the window is centred in it, as a display change does.
QRectF fitOnScreen(const QRectF &saved, const QRectF &area, double caption);

} // namespace WindowPlacement
