#include "textboard/rules/CarriedCaret.h"

#include <algorithm>
#include <cmath>

int caretWithin(double carried, int length)
{
    if (std::isnan(carried))
        return 0;
    // Clamped before rounding, so no value is too large for an int.
    return int(std::lround(std::clamp(carried, 0.0, double(std::max(0, length)))));
}
