#include "fontmap/rules/EditedNumber.h"

#include "fontmap/rules/FontSizeRules.h"

#include <QLocale>

#include <cmath>

std::optional<int> numberFromEditText(const QString &text, int low, int high)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = QLocale().toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    // Held before rounding, so that no number is too large for the conversion.
    return FontSizeRules::roundHalfEven(qBound<double>(low, value, high));
}
