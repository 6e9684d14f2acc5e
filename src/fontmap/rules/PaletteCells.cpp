#include "fontmap/rules/PaletteCells.h"

#include <array>

namespace PaletteCells {

namespace {

// Row by row, eight to a row. Cells 26 and 27 really are the same colour.
constexpr std::array<ColorValue, kPresetCount> kPresets = {
    rgbColor(255, 255, 255), rgbColor(255, 192, 192), rgbColor(255, 224, 192), rgbColor(255, 255, 192),
    rgbColor(192, 255, 192), rgbColor(192, 255, 255), rgbColor(192, 192, 255), rgbColor(255, 192, 255),
    rgbColor(224, 224, 224), rgbColor(255, 128, 128), rgbColor(255, 192, 128), rgbColor(255, 255, 128),
    rgbColor(128, 255, 128), rgbColor(128, 255, 255), rgbColor(128, 128, 255), rgbColor(255, 128, 255),
    rgbColor(192, 192, 192), rgbColor(255, 0, 0),     rgbColor(255, 128, 0),   rgbColor(255, 255, 0),
    rgbColor(0, 255, 0),     rgbColor(0, 255, 255),   rgbColor(0, 0, 255),     rgbColor(255, 0, 255),
    rgbColor(128, 128, 128), rgbColor(192, 64, 0),    rgbColor(192, 64, 0),    rgbColor(192, 192, 0),
    rgbColor(0, 192, 0),     rgbColor(0, 192, 192),   rgbColor(0, 0, 192),     rgbColor(192, 0, 192),
    rgbColor(64, 64, 64),    rgbColor(128, 0, 0),     rgbColor(128, 64, 0),    rgbColor(128, 128, 0),
    rgbColor(0, 128, 0),     rgbColor(0, 128, 128),   rgbColor(0, 0, 128),     rgbColor(128, 0, 128),
    rgbColor(0, 0, 0),       rgbColor(64, 0, 0),      rgbColor(128, 64, 64),   rgbColor(64, 64, 0),
    rgbColor(0, 64, 0),      rgbColor(0, 64, 64),     rgbColor(0, 0, 64),      rgbColor(64, 0, 64),
};

// The names are the program's own, odd spellings included.
constexpr std::array<const char *, kSystemCount> kSystemNames = {
    "Scroll Bars",         "Desktop",          "Active Title Bar",  "Inactive Title Bar",
    "Menu Bar",            "Window Background", "Window Frame",     "Menu Text",
    "Window Text",         "Active Title Bar Text", "Active Border", "Inactive Border",
    "Application Workspace", "Highlight",      "Highlight Text",    "Button Face",
    "Button Shadow",       "Disbled Text",     "Button Text",       "Inactive Title Bar Text",
    "Button Highlight",    "Button Dark Shadow", "Button Light Shadow", "ToolTip Text",
    "ToolTip Background",
};

constexpr std::array<int, kPaletteCount> kCounts = {kPresetCount, kSystemCount, kCustomCount};
constexpr std::array<const char *, kPaletteCount> kCaptions = {"Preset", "System", "Custom"};

} // namespace

int clampPaletteRef(int paletteRef)
{
    return qBound(0, paletteRef, kPaletteCount - 1);
}

int cellCount(int paletteRef)
{
    return kCounts[clampPaletteRef(paletteRef)];
}

QString tabCaption(int paletteRef)
{
    return QString::fromLatin1(kCaptions[clampPaletteRef(paletteRef)]);
}

ColorValue presetColor(int cell)
{
    return kPresets[qBound(1, cell, kPresetCount) - 1];
}

ColorValue systemCellColor(int cell)
{
    return systemColor(qBound(1, cell, kSystemCount) - 1);
}

QString systemColorName(int cell)
{
    return QString::fromLatin1(kSystemNames[qBound(1, cell, kSystemCount) - 1]);
}

} // namespace PaletteCells
