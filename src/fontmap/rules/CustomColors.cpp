#include "fontmap/rules/CustomColors.h"

#include "core/SettingsAccess.h"

#include <QList>

namespace {

const QString kColorsKey = QStringLiteral("CustomColors");
const QString kLabelsKey = QStringLiteral("CustomLabels");

} // namespace

namespace CustomColors {

CustomColorSet defaults()
{
    CustomColorSet set;
    for (int i = 1; i <= CustomColorDefaults::kCount; ++i)
        set[i - 1] = {CustomColorDefaults::color(i), CustomColorDefaults::label(i)};
    return set;
}

bool changedFromDefaults(const CustomColorSet &colors)
{
    return colors != defaults();
}

CustomColorSet read(SettingsAccess &settings)
{
    CustomColorSet set;
    for (int i = 1; i <= CustomColorDefaults::kCount; ++i) {
        const QString name = QString::number(i);
        set[i - 1].color = ColorValue(regToNumber(settings.read(kColorsKey, name)).value_or(0));
        set[i - 1].label = regToText(settings.read(kLabelsKey, name));
    }
    return set;
}

void save(SettingsAccess &settings, const CustomColorSet &colors)
{
    QList<SettingWrite> writes;
    writes.reserve(2 * CustomColorDefaults::kCount);
    for (int i = 1; i <= CustomColorDefaults::kCount; ++i) {
        const QString name = QString::number(i);
        writes.append({kColorsKey, name, colors[i - 1].color});
        writes.append({kLabelsKey, name, colors[i - 1].label});
    }
    settings.writeMany(writes);
}

} // namespace CustomColors
