#include "app/rules/LayoutRules.h"

#include <cmath>

namespace LayoutRules {

QSizeF standardWindowSize(int index, double twipsPerPixelX, double twipsPerPixelY)
{
    return QSizeF((780.0 + 28.0 * index) * twipsPerPixelX, (592.0 + 8.0 * index) * twipsPerPixelY);
}

SplitBarLimits splitBarLimits(double workAreaHeight, double fontMapHeight, double twipsPerPixelY)
{
    return {kSplitBarHighestPx * twipsPerPixelY, workAreaHeight - fontMapHeight - 72 * twipsPerPixelY};
}

std::optional<int> splitBarDragDelta(double barTop, double pointerY, const SplitBarLimits &limits,
                                     double twipsPerPixelY)
{
    const double newTop = barTop + pointerY - 2 * twipsPerPixelY;
    if (newTop < limits.highest || newTop > limits.lowest)
        return std::nullopt;
    const int delta = int(std::lround(newTop - barTop));
    if (delta >= -2 && delta <= 2)
        return std::nullopt;
    return delta;
}

SplitBarJump splitBarDoubleClick(double barTop, const SplitBarLimits &limits)
{
    if (barTop > limits.highest)
        return {SplitBarJump::Reset};
    // On a short screen under a large map the lowest place can lie above the bar: a jump there
    // would move the bar up and squeeze the TextBoard, a second one below nothing.
    if (limits.lowest <= barTop)
        return {SplitBarJump::None};
    return {SplitBarJump::Move, limits.lowest, int(std::lround(limits.lowest - barTop))};
}

Widths relaidWidths(double formWidth, double margin, double viewsWidth, double fontMapWidth, double statBarWidth,
                    double twipsPerPixelX)
{
    Widths w;
    w.coolBarCM = formWidth - 3 * margin;
    w.splitBar = fontMapWidth - 3 * twipsPerPixelX;
    w.textBoard = formWidth - 3 * margin - viewsWidth - 2 * twipsPerPixelX;
    w.statBarLeft = formWidth - statBarWidth - 2 * margin;
    return w;
}

FindBarPlaces findBarPlaces(double frameWidth, double twipsPerPixelX)
{
    FindBarPlaces p;
    p.findStringWidth = frameWidth - 443 * twipsPerPixelX;
    p.findNextLeft = frameWidth - 400 * twipsPerPixelX;
    p.clearFindLeft = p.findNextLeft + 72 * twipsPerPixelX;
    p.wholeWordLeft = p.findNextLeft + 144 * twipsPerPixelX;
    p.matchCaseLeft = p.findNextLeft + 240 * twipsPerPixelX;
    p.closeFindLeft = p.findNextLeft + 332 * twipsPerPixelX;
    return p;
}

} // namespace LayoutRules
