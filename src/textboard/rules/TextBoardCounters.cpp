#include "textboard/rules/TextBoardCounters.h"

#include <cmath>

QString formatCharCount(int count)
{
    // The separator is fixed, not the desktop's: the counter reads the same everywhere.
    QString digits = QString::number(count);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return digits;
}

QString formatPercentFilled(int count, int maxLength)
{
    if (maxLength <= 0)
        return QStringLiteral("0%");
    const double percent = count * (100.0 / maxLength);
    return QString::number(static_cast<long long>(std::round(percent))) + QLatin1Char('%');
}
