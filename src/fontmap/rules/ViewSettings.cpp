#include "fontmap/rules/ViewSettings.h"

#include <algorithm>

void ViewSettings::setShown(View view, bool shown)
{
    if (m_shown[view] == shown)
        return;
    m_shown[view] = shown;
    Q_EMIT shownChanged(view, shown);
}

void ViewSettings::setZoomSize(int points)
{
    const int held = std::clamp(points, kMinZoomSize, kMaxZoomSize);
    if (held == m_zoomSize)
        return;
    m_zoomSize = held;
    Q_EMIT zoomSizeChanged(held);
}

void ViewSettings::setPosition(const QString &side)
{
    if (side == m_position)
        return;
    m_position = side;
    Q_EMIT positionChanged(side);
}
