#include "core/ColorValue.h"

QString colorValueText(ColorValue value)
{
    return QString::number(qint32(value));
}

std::optional<ColorValue> colorValueFromText(const QString &text)
{
    bool ok = false;
    const qlonglong number = text.trimmed().toLongLong(&ok);
    if (!ok || number < -2147483648LL || number > 4294967295LL)
        return std::nullopt;
    return ColorValue(quint32(number));
}
