#include "app/rules/WindowPlacement.h"

#include <algorithm>

namespace WindowPlacement {

namespace {

double fitLength(double wanted, double room, double minimum)
{
    return std::max(std::clamp(wanted, 0.0, room), minimum);
}

double centredStart(double start, double room, double length)
{
    return start + std::max(0.0, (room - length) / 2);
}

} // namespace

QRectF fitOnScreen(const QRectF &wanted, const QRectF &area, const QSizeF &minimum)
{
    const double width = fitLength(wanted.width(), area.width(), minimum.width());
    const double height = fitLength(wanted.height(), area.height(), minimum.height());
    const bool inside = wanted.left() >= area.left() && wanted.left() + width <= area.right()
                     && wanted.top() >= area.top() && wanted.top() + height <= area.bottom();
    if (inside)
        return {wanted.left(), wanted.top(), width, height};
    return {centredStart(area.left(), area.width(), width), centredStart(area.top(), area.height(), height), width,
            height};
}

} // namespace WindowPlacement
