#include "app/rules/WindowPlacement.h"

#include <algorithm>

namespace WindowPlacement {

QRectF fitOnScreen(const QRectF &saved, const QRectF &area, double caption)
{
    const double width = std::clamp(saved.width(), 0.0, area.width());
    const double height = std::clamp(saved.height(), 0.0, area.height());
    const bool captionInside = saved.left() >= area.left() && saved.left() + width <= area.right()
                            && saved.top() >= area.top() && saved.top() + std::min(caption, height) <= area.bottom();
    if (captionInside)
        return {saved.left(), saved.top(), width, height};
    return {area.left() + (area.width() - width) / 2, area.top() + (area.height() - height) / 2, width, height};
}

} // namespace WindowPlacement
