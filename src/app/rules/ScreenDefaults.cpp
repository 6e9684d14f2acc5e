#include "app/rules/ScreenDefaults.h"

#include <cmath>

namespace ScreenDefaults {

Sizes forScreenWidth(int w)
{
    if (w <= 800)
        return kDesigned;
    if (w <= 1024)
        return {4, 14};
    if (w <= 1280)
        return {8, 18};
    if (w <= 1440)
        return {12, 22};
    if (w <= 1600)
        return {16, 26};
    if (w <= 1900)
        return {20, 30};
    return {24, 34};
}

int maxSizeIndex(int screenWidth, double twipsPerPixelX)
{
    return int(std::trunc((screenWidth * twipsPerPixelX - 11730.0) / 28.0 / twipsPerPixelX)) + 1;
}

} // namespace ScreenDefaults
