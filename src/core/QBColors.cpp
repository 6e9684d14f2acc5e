#include "core/QBColors.h"

#include <array>

namespace {

struct Entry
{
    ColorValue value;
    const char *name;
};

constexpr std::array<Entry, 16> kColors = {{
    {rgbColor(0, 0, 0), "Black"},       {rgbColor(0, 0, 128), "Navy"},
    {rgbColor(0, 128, 0), "Green"},     {rgbColor(0, 128, 128), "Teal"},
    {rgbColor(128, 0, 0), "Maroon"},    {rgbColor(128, 0, 128), "Purple"},
    {rgbColor(128, 128, 0), "Olive"},   {rgbColor(192, 192, 192), "Silver"},
    {rgbColor(128, 128, 128), "Grey"},  {rgbColor(0, 0, 255), "Blue"},
    {rgbColor(0, 255, 0), "Lime"},      {rgbColor(0, 255, 255), "Aqua"},
    {rgbColor(255, 0, 0), "Red"},       {rgbColor(255, 0, 255), "Fuchsia"},
    {rgbColor(255, 255, 0), "Yellow"},  {rgbColor(255, 255, 255), "White"},
}};

} // namespace

ColorValue QBColor(int index)
{
    if (index < 0 || index > 15)
        return kColors[0].value;
    return kColors[index].value;
}

QString QBColorName(int index)
{
    if (index < 0 || index > 15)
        return QString();
    return QString::fromLatin1(kColors[index].name);
}
