#include "tools/rules/OptionDefaults.h"

#include "core/QBColors.h"
#include "core/SettingsLayout.h"
#include "fontmap/rules/PaletteCells.h"
#include "tools/rules/StartupMap.h"

#include <algorithm>

namespace OptionDefaults {

namespace {

QString s(const char *text)
{
    return QString::fromLatin1(text);
}

// The values of one key, in the order given.
struct KeyValues
{
    const char *key;
    std::initializer_list<const char *> names;
};

void readAll(SettingsAccess &access, Settings &settings, std::initializer_list<KeyValues> keys)
{
    for (const KeyValues &k : keys) {
        for (const char *name : k.names)
            access.readInto(settings, s(k.key), s(name));
    }
}

int repairedInStore(SettingsAccess &access, Settings &settings, const char *name, int low, int high, int fallback)
{
    const Repair r = repair(access.readInto(settings, s("Options"), s(name)), low, high, fallback);
    if (r.writeBack)
        access.write(s("Options"), s(name), r.value);
    return r.value;
}

int cellOnPalette(int index, int paletteRef)
{
    return std::clamp(index, 0, PaletteCells::cellCount(paletteRef) - 1);
}

} // namespace

Repair repair(const RegValue &stored, int low, int high, int fallback)
{
    const std::optional<qint32> number = regToNumber(stored);
    if (number && *number >= low && *number <= high)
        return {*number, false};
    return {fallback, true};
}

Settings open(SettingsAccess &access)
{
    Settings settings;
    settings.ZoomedLetter = repairedInStore(access, settings, "ZoomedLetter", kZoomedLetterMin, kZoomedLetterMax,
                                            kZoomedLetterRepair);
    settings.OFMapStart =
        repairedInStore(access, settings, "OFMapStart", kSampleStartMin, kSampleStartMax, kSampleStartRepair);

    readAll(access, settings,
            {{"TextBoard",
              {"FontName", "FontSize", "Bold", "Italic", "Underline", "Strikeout", "Alignment", "FontColorIndex",
               "FontColorName"}},
             {"FontMap",
              {"ForeColorName", "ForeColor", "ForePaletteRef", "ForeColorIndex", "BackColorName", "BackColor",
               "BackPaletteRef", "BackColorIndex", "Borders", "Hilite", "InitMap", "InitMapPath"}},
             {"Views", {"Zoom", "Code", "KeyStroke", "ZoomSize"}},
             {"Options",
              {"TXTLoadSet", "QUFUnLoadSet", "MaximizeTB", "CopyDialog", "ExitWarning", "OverwriteWarning",
               "ColorScheme", "ToolTips", "VCPosition"}},
             {"CFMEditor", {"ShiftDir"}},
             {"FB", {"SampleText"}}});
    if (!StartupMap::isMap(settings.InitMapPath)) {
        settings.InitMapPath = StartupMap::none();
        access.readInto(settings, s("Last"), s("LMLoadPath"));
    }

    // The dialog shows what it can: a cell of the palette named, one of the two sides, the
    // text colour under its own name, and a sample text its box can hold.
    settings.TBFontColorName = QBColorName(settings.TBFontColorIndex);
    settings.FMForeColorIndex = cellOnPalette(settings.FMForeColorIndex, settings.FMForePaletteRef);
    settings.FMBackColorIndex = cellOnPalette(settings.FMBackColorIndex, settings.FMBackPaletteRef);
    settings.VCPosition = settings.VCPosition == QLatin1String("R") ? s("R") : s("L");
    settings.SampleText.truncate(kSampleTextMax);
    return settings;
}

QList<SettingWrite> writes(const Settings &chosen)
{
    const KeyValues order[] = {
        {"TextBoard",
         {"FontName", "FontSize", "Bold", "Italic", "Underline", "Strikeout", "Alignment", "FontColorIndex",
          "FontColorName"}},
        {"FontMap",
         {"ForeColor", "BackColor", "ForeColorIndex", "BackColorIndex", "ForeColorName", "BackColorName",
          "ForePaletteRef", "BackPaletteRef", "Hilite", "Borders", "InitMap", "InitMapPath"}},
        {"Views", {"Zoom", "Code", "KeyStroke", "ZoomSize"}},
        {"Options",
         {"OFMapStart", "ZoomedLetter", "TXTLoadSet", "QUFUnLoadSet", "MaximizeTB", "CopyDialog", "ExitWarning",
          "OverwriteWarning", "ColorScheme", "ToolTips", "VCPosition"}},
        {"CFMEditor", {"ShiftDir"}},
        {"FB", {"SampleText"}},
    };

    Settings stored = chosen;
    const bool hasMap = StartupMap::isMap(chosen.InitMapPath);
    stored.InitMap = chosen.InitMap && hasMap;
    stored.InitMapPath = hasMap ? chosen.InitMapPath : StartupMap::none();
    stored.VCPosition = chosen.VCPosition == QLatin1String("R") ? s("R") : s("L");

    QList<SettingWrite> list;
    for (const KeyValues &k : order) {
        for (const char *name : k.names) {
            const SettingsLayout::Value *v = SettingsLayout::find(s(k.key), s(name));
            Q_ASSERT(v && v->get);
            list.append(SettingWrite{v->key, v->name, v->get(stored)});
        }
    }
    // The main window stores the highlight switch as a word; this dialog always stored the digit,
    // and both read the same.
    for (SettingWrite &w : list) {
        if (w.key == QLatin1String("FontMap") && w.name == QLatin1String("Hilite"))
            w.value = stored.Hilite ? s("1") : s("0");
    }
    return list;
}

} // namespace OptionDefaults
