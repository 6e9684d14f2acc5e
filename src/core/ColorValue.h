#pragma once

#include <QString>

#include <optional>

// A colour as the settings and dialogs carry it: 0x00BBGGRR for an RGB colour (red in
// the low byte), or 0x80000000 + n for system colour n, resolved when drawn.
using ColorValue = quint32;

constexpr ColorValue rgbColor(int red, int green, int blue)
{
    return ColorValue(red & 0xFF) | (ColorValue(green & 0xFF) << 8) | (ColorValue(blue & 0xFF) << 16);
}

constexpr ColorValue systemColor(int index)
{
    return 0x80000000u + ColorValue(index);
}

constexpr bool isSystemColor(ColorValue value)
{
    return (value & 0xFF000000u) == 0x80000000u;
}

constexpr int redOf(ColorValue value) { return int(value & 0xFF); }
constexpr int greenOf(ColorValue value) { return int((value >> 8) & 0xFF); }
constexpr int blueOf(ColorValue value) { return int((value >> 16) & 0xFF); }

// The system colours the program names.
inline constexpr ColorValue kWindowBackground = systemColor(5);
inline constexpr ColorValue kWindowText = systemColor(8);

// Dialogs pass colours as the decimal text of the signed 32-bit value.
QString colorValueText(ColorValue value);
std::optional<ColorValue> colorValueFromText(const QString &text);
