#pragma once

// First-run defaults and limits that follow the screen.
namespace ScreenDefaults {

struct Sizes
{
    int sizeIndex;
    int textBoardFontSize;
};

// A screen of 800 pixels or less: the FontMap as designed, step 1, and the font size for its cells.
inline constexpr Sizes kDesigned{1, 10};

// The FontMap size step and TextBoard font size for a screen width in pixels.
Sizes forScreenWidth(int screenWidth);

// The largest FontMap size step a screen allows: the integer part of
// ((width x twips per pixel - 11730) / 28 / twips per pixel), plus 1.
int maxSizeIndex(int screenWidth, double twipsPerPixelX);

} // namespace ScreenDefaults
