#pragma once

#include "core/Settings.h"
#include "core/SettingsAccess.h"

#include <QList>

// The stored defaults for the next start, as the Options dialog reads them when it opens and
// writes them on Set. Everything goes through the settings layout, so every value keeps the
// type the layout gives it.
namespace OptionDefaults {

// The letter of the Views tab's zoom sample, and the first code of the FontMap sample row
// (13 cells, so the row ends at 255 at most).
inline constexpr int kZoomedLetterMin = 33;
inline constexpr int kZoomedLetterMax = 255;
inline constexpr int kZoomedLetterRepair = 64;
inline constexpr int kSampleCells = 13;
inline constexpr int kSampleStartMin = 33;
inline constexpr int kSampleStartMax = 256 - kSampleCells;
inline constexpr int kSampleStartRepair = 60;
// The FontBrowser's sample text is at most this long.
inline constexpr int kSampleTextMax = 45;

// A stored number the dialog cannot show: missing, unreadable or outside low..high gives
// `repair`, which is to be written back at once.
struct Repair
{
    int value = 0;
    bool writeBack = false;
};
Repair repair(const RegValue &stored, int low, int high, int repair);

// Opening the dialog: ZoomedLetter and OFMapStart are read and, when out of range, repaired in
// the store before anything else happens; then every value the dialog shows, in its order.
// Numbers come held to their controls' ranges (a colour index to the cells of its palette),
// the text colour's name is the program's name for its index, and the start-up map is "None"
// when none is stored.
Settings open(SettingsAccess &access);

// Set: every value the dialog saves, in the order it saves them, each with its layout type.
// The highlight switch is stored as the digit 1 or 0, the views' side as "R" or "L", and the
// start-up map as switched on only when a map is chosen.
QList<SettingWrite> writes(const Settings &chosen);

} // namespace OptionDefaults
