#include "fontmap/rules/CustomColorDefaults.h"

#include <array>

namespace {

struct Entry
{
    const char *label;
    ColorValue value; // 0x00BBGGRR
};

// Entry 26 really is (226, 151, 34) under the label "Firebrick".
constexpr std::array<Entry, CustomColorDefaults::kCount> kDefaults = {{
    {"Medium Blue", 0xCD0000},      {"Midnight Blue", 0x701919},   {"Forest Green", 0x228B22},
    {"Dark Slate Gray", 0x4F4F2F},  {"Medium Sea Green", 0x71B33C}, {"Royal Blue", 0xE16941},
    {"Dark Slate Blue", 0x8B3D48},  {"Indigo", 0x82004B},          {"Dark Olive Green", 0x2F6B55},
    {"Cadet Blue", 0xA09E5F},       {"Cornflower", 0xED9564},      {"Slate Blue", 0xCD5A6A},
    {"Light Slate Gray", 0x998877}, {"Sky Blue", 0xEBCE87},        {"Dark Red", 0x00008B},
    {"Dark Magenta", 0x8B008B},     {"Saddle Brown", 0x13458B},    {"Dark Sea Green", 0x8BBC8F},
    {"Light Green", 0x90EE90},      {"Pale Green", 0x98FB98},      {"Sienna", 0x2D52A0},
    {"Brown", 0x2A2AA5},            {"Pale Turquoise", 0xEEEEAF},  {"Light Steel Blue", 0xDEC4B0},
    {"Powder Blue", 0xE6E0B0},      {"Firebrick", 0x2297E2},       {"Tan", 0x8CB4D2},
    {"Light Gray", 0xD3D3D3},       {"Crimson", 0x3C14DC},         {"Gainsboro", 0xDCDCDC},
    {"Pale Golden Rod", 0xAAE8EE},  {"Wheat", 0xB3DEF5},           {"Beige", 0xDCF5F5},
    {"White Smoke", 0xF5F5F5},      {"Salmon", 0x7280FA},          {"Linen", 0xE6F0FA},
    {"Bisque", 0xC4E4FF},           {"Lavender Blush", 0xF5F0FF},  {"Corn Silk", 0xDCF8FF},
    {"Ivory", 0xF0FFFF},
}};

} // namespace

namespace CustomColorDefaults {

ColorValue color(int index)
{
    return (index >= 1 && index <= kCount) ? kDefaults[index - 1].value : 0;
}

QString label(int index)
{
    return (index >= 1 && index <= kCount) ? QString::fromLatin1(kDefaults[index - 1].label) : QString();
}

} // namespace CustomColorDefaults
