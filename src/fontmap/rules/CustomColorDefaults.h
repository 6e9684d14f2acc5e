#pragma once

#include "core/ColorValue.h"

#include <QString>

// The 40 default custom colours of the FontMap colour palette and their labels
// (index 1..40): written at first run, restored by the palette's reset.
namespace CustomColorDefaults {

inline constexpr int kCount = 40;

ColorValue color(int index);
QString label(int index);

} // namespace CustomColorDefaults
