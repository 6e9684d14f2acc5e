#include "app/rules/SettingsLoad.h"

#include "core/Settings.h"
#include "core/SettingsAccess.h"
#include "fontmap/rules/CustomColorDefaults.h"

namespace SettingsLoad {

namespace {

QString s(const char *text)
{
    return QString::fromLatin1(text);
}

template<std::size_t N>
void readList(SettingsAccess &access, Settings &settings, const char *key, std::array<QString, N> &list)
{
    list.fill(QString());
    for (std::size_t i = 1; i <= N; ++i) {
        access.readInto(settings, s(key), QString::number(i));
        if (list[i - 1].trimmed().isEmpty()) {
            list[i - 1].clear();
            break;
        }
    }
}

} // namespace

void checkCustomColors(SettingsAccess &access)
{
    for (int i = 1; i <= CustomColorDefaults::kCount; ++i) {
        access.read(s("CustomColors"), QString::number(i));
        access.read(s("CustomLabels"), QString::number(i));
    }
}

void readRecentFiles(SettingsAccess &access, Settings &settings)
{
    readList(access, settings, "MRU", settings.FileMRU);
}

void readRecentMaps(SettingsAccess &access, Settings &settings)
{
    readList(access, settings, "CFMRU", settings.CFMRU);
}

bool readTextBoard(SettingsAccess &access, Settings &settings)
{
    const QString tb = s("TextBoard");
    bool missing = regIsEmpty(access.readInto(settings, tb, s("FontName")));
    for (const char *name : {"FontSize", "Bold", "Italic", "Underline", "Strikeout", "Alignment"})
        access.readInto(settings, tb, s(name));
    missing = regIsEmpty(access.readInto(settings, tb, s("FontColorIndex"))) || missing;
    missing = regIsEmpty(access.readInto(settings, tb, s("FontColorName"))) || missing;
    return missing;
}

bool readLast(SettingsAccess &access, Settings &settings)
{
    const QString last = s("Last");
    for (const char *name : {"FormTop", "FormLeft", "FormHeight", "FormWidth", "LFLoadPath", "LFSavePath"})
        access.readInto(settings, last, s(name));
    for (int i = 1; i <= 4; ++i)
        access.readInto(settings, s("Bars"), QStringLiteral("MainBand%1Wdth").arg(i));
    for (int i = 1; i <= 5; ++i)
        access.readInto(settings, s("Bars"), QStringLiteral("TBBand%1Wdth").arg(i));
    for (int i = 1; i <= 3; ++i)
        access.readInto(settings, s("Bars"), QStringLiteral("FMBand%1Wdth").arg(i));
    access.readInto(settings, last, s("LMLoadPath"));
    access.readInto(settings, last, s("LMSavePath"));

    const QString fm = s("FontMap");
    bool missing = regIsEmpty(access.readInto(settings, fm, s("ForeColorName")));
    access.readInto(settings, fm, s("ForeColor"));
    missing = regIsEmpty(access.readInto(settings, fm, s("ForePaletteRef"))) || missing;
    missing = regIsEmpty(access.readInto(settings, fm, s("ForeColorIndex"))) || missing;
    access.readInto(settings, fm, s("BackColorName"));
    access.readInto(settings, fm, s("BackColor"));
    missing = regIsEmpty(access.readInto(settings, fm, s("BackPaletteRef"))) || missing;
    for (const char *name : {"BackColorIndex", "Borders", "SizeIndex", "InitMap", "InitMapPath", "Hilite"})
        access.readInto(settings, fm, s(name));

    for (const char *name : {"Zoom", "Code", "KeyStroke"})
        access.readInto(settings, s("Views"), s(name));
    const QString options = s("Options");
    for (const char *name : {"TXTLoadSet", "QUFUnLoadSet", "CopyDialog", "ExitWarning", "OverwriteWarning",
                             "ColorScheme", "ToolTips"})
        access.readInto(settings, options, s(name));
    access.readInto(settings, s("Views"), s("ZoomSize"));
    access.readInto(settings, options, s("VCPosition"));

    // The main window does not use these; a missing one still brings the first-run question.
    access.readInto(settings, s("FB"), s("SampleText"));
    access.readInto(settings, s("CFMEditor"), s("ListCols"));
    access.readInto(settings, s("CFMEditor"), s("ShiftDir"));
    access.readInto(settings, options, s("ZoomedLetter"));
    access.readInto(settings, options, s("OFMapStart"));
    return missing;
}

} // namespace SettingsLoad
