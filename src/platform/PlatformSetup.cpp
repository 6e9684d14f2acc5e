#include "platform/PlatformSetup.h"

#include <fontconfig/fontconfig.h>

#include <QFile>
#include <QSet>
#include <QStringList>

namespace {

// Families that are installed both as Type 1 and in another format (fonts-urw-base35 puts each
// of its families in a CFF .otf and in Type 1 .t1/.pfb files). The Type 1 copies differ from the
// others in charmap and glyph coverage, and Qt would pick one or the other file per family, so
// only the non-Type 1 files are kept. A family that exists only as Type 1 stays.
QStringList type1Twins(FcConfig *config)
{
    QSet<QString> type1;
    QSet<QString> other;
    FcPattern *all = FcPatternCreate();
    FcObjectSet *objects = FcObjectSetBuild(FC_FAMILY, FC_FONTFORMAT, static_cast<char *>(nullptr));
    FcFontSet *set = all && objects ? FcFontList(config, all, objects) : nullptr;
    for (int i = 0; set && i < set->nfont; ++i) {
        FcChar8 *format = nullptr;
        FcPatternGetString(set->fonts[i], FC_FONTFORMAT, 0, &format);
        const bool isType1 = format && qstrcmp(reinterpret_cast<const char *>(format), "Type 1") == 0;
        FcChar8 *family = nullptr;
        for (int n = 0; FcPatternGetString(set->fonts[i], FC_FAMILY, n, &family) == FcResultMatch; ++n)
            (isType1 ? type1 : other).insert(QString::fromUtf8(reinterpret_cast<const char *>(family)));
    }
    if (set)
        FcFontSetDestroy(set);
    if (objects)
        FcObjectSetDestroy(objects);
    if (all)
        FcPatternDestroy(all);
    QStringList twins = (type1 & other).values();
    twins.sort();
    return twins;
}

QByteArray rejectType1Of(const QStringList &families)
{
    QByteArray xml = "<fontconfig><selectfont><rejectfont>";
    for (const QString &family : families) {
        xml += "<pattern><patelt name='family'><string>" + family.toHtmlEscaped().toUtf8()
            + "</string></patelt><patelt name='fontformat'><string>Type 1</string></patelt></pattern>";
    }
    xml += "</rejectfont></selectfont></fontconfig>";
    return xml;
}

} // namespace

void preparePlatform()
{
    FcConfig *config = FcInitLoadConfigAndFonts();
    if (!config)
        return;
    const QStringList twins = type1Twins(config);
    // Rebuilding the font set re-reads the (cached) font directories and applies the new rule.
    if (!twins.isEmpty()
        && FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8 *>(rejectType1Of(twins).constData()),
                                          FcFalse)) {
        FcConfigBuildFonts(config);
    }
    FcConfigSetCurrent(config); // takes its own reference
    FcConfigDestroy(config);
}

bool addPrivateFontFile(const QString &path)
{
    const QByteArray file = QFile::encodeName(path);
    return FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8 *>(file.constData())) == FcTrue;
}
