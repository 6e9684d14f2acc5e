#include "fontmap/rules/FontSizeRules.h"

#include <QLocale>

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
    return sizeFromEditText(text, kMin, kMax);
}

std::optional<int> sizeFromEditText(const QString &text, int min, int max)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = QLocale().toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    // Clamp before rounding so that huge numbers cannot overflow the conversion.
    return roundHalfEven(qBound<double>(min, value, max));
}

} // namespace FontSizeRules
