#include "textboard/rules/FillMeter.h"

namespace FillMeter {

std::optional<double> width(int count, double fullWidth, int maxLength)
{
    if (maxLength <= 0)
        return std::nullopt;
    const double w = count * (fullWidth / maxLength);
    if (w < kMinimumWidth)
        return std::nullopt;
    return w;
}

ColorValue color(int count, int maxLength)
{
    // Whole-number comparisons, so that exactly 95 % of the limit is never taken for
    // a hair more by floating-point rounding.
    const qint64 scaled = qint64(count) * 100;
    const qint64 limit = maxLength;
    if (scaled > limit * 95)
        return rgbColor(255, 0, 0);
    if (scaled > limit * 75)
        return rgbColor(255, 192, 128);
    if (scaled > limit * 50)
        return rgbColor(255, 255, 192);
    return rgbColor(255, 255, 255);
}

} // namespace FillMeter
