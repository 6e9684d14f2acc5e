#include "fontmap/rules/FontSizeRules.h"

#include "fontmap/rules/EditedNumber.h"

#include <cmath>
#include <limits>

namespace FontSizeRules {

int roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    value = qBound<double>(std::numeric_limits<int>::min(), value, std::numeric_limits<int>::max());
    const double lower = std::floor(value);
    const double fraction = value - lower;
    double rounded = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0))
        rounded = lower + 1;
    return int(rounded);
}

std::optional<int> sizeFromEditText(const QString &text)
{
    return numberFromEditText(text, kMin, kMax);
}

} // namespace FontSizeRules
