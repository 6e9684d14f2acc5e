#pragma once

#include "core/ColorValue.h"
#include "fontmap/rules/CustomColorDefaults.h"

#include <QString>

#include <array>

class SettingsAccess;

// The 40 custom colours of the FontMap colour palette with their labels, as the store keeps
// them between runs (CustomColors and CustomLabels, values "1" to "40").
struct CustomColor
{
    ColorValue color = 0;
    QString label;

    friend bool operator==(const CustomColor &, const CustomColor &) = default;
};

// Element i − 1 is custom cell i.
using CustomColorSet = std::array<CustomColor, CustomColorDefaults::kCount>;

namespace CustomColors {

CustomColorSet defaults();

// True when any colour or label differs from its default; labels compare exactly, case and
// spaces included.
bool changedFromDefaults(const CustomColorSet &colors);

// A missing or unreadable value gives black or the empty label for its cell.
CustomColorSet read(SettingsAccess &settings);
// Writes all 40 pairs, changed or not, as one batch.
void save(SettingsAccess &settings, const CustomColorSet &colors);

} // namespace CustomColors
