#include "fontmap/FontEnumeration.h"

#include "core/GlobalDeclarations.h"
#include "platform/FontCatalog.h"

FontListEntries enumerateFonts(const FontCatalog &catalog)
{
    GlobalDeclarations &g = globals();
    g.gFontCount = 0;
    g.gTTFontCount = 0;
    g.gSysFontCount = 0;
    g.gFontLF.clear();
    g.gFontTM.clear();
    FontListEntries entries;
    catalog.enumFontFamilies([&](const EnumLogFont &logFont, const NewTextMetric &textMetric, int fontType) {
        const int n = g.gFontCount;
        if (n >= kMaxFonts)
            return 0;
        FontListEntry entry{logFont.faceName() + QString::number(fontType), n};
        ++(entry.isTrueType() ? g.gTTFontCount : g.gSysFontCount);
        entries.append(entry);
        g.gFontLF.resize(n + 1);
        g.gFontTM.resize(n + 1);
        g.gFontLF.setColumn(n, logFont);
        g.gFontTM.setColumn(n, textMetric);
        g.gFontCount = n + 1;
        return 1;
    });
    return entries;
}
