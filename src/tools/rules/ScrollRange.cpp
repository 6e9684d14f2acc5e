#include "tools/rules/ScrollRange.h"

#include "fontmap/rules/FontSizeRules.h"

#include <algorithm>

ScrollRange fitScrollRange(ScrollRange current, double visible, double extent, bool resetValue)
{
    ScrollRange r = current;
    if (visible >= extent) {
        r.max = 0;
        r.value = 0;
        return r;
    }
    r.max = FontSizeRules::roundHalfEven(extent - visible);
    r.largeChange = FontSizeRules::roundHalfEven(r.max * visible / extent);
    if (r.largeChange < 1)
        r.largeChange = 1;
    const double tenth = r.largeChange / 10.0;
    r.smallChange = tenth > 1 ? FontSizeRules::roundHalfEven(tenth) : 1;
    if (resetValue)
        r.value = 0;
    // A bar never holds a value beyond its new maximum.
    r.value = std::clamp(r.value, 0, r.max);
    return r;
}
