#pragma once

#include "core/ColorValue.h"

#include <optional>

// The TextBoard's fill meter: a bar whose width grows with the character count up to
// the full width at the limit, and whose colour warns as the board fills up.
namespace FillMeter {

// Narrower than this (in twips) the bar is not shown at all.
inline constexpr double kMinimumWidth = 15;

// The bar's width in twips for `count` characters, or nothing when it is hidden.
std::optional<double> width(int count, double fullWidth, int maxLength);

// White up to 50 % of the limit, pale yellow up to 75 %, light orange up to 95 %, red
// beyond; a count of exactly 50, 75 or 95 % still takes the lower band's colour.
ColorValue color(int count, int maxLength);

} // namespace FillMeter
