#include "platform/FontSubstitute.h"

#include <fontconfig/fontconfig.h>

QString substituteFamily(const QString &family)
{
    FcPattern *pattern = FcNameParse(reinterpret_cast<const FcChar8 *>(family.toUtf8().constData()));
    if (!pattern)
        return family;
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern *match = FcFontMatch(nullptr, pattern, &result);
    QString found = family;
    FcChar8 *name = nullptr;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch)
        found = QString::fromUtf8(reinterpret_cast<const char *>(name));
    if (match)
        FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return found;
}
