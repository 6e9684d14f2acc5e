#include "app/rules/PathParts.h"

PathParts splitPath(const QString &path)
{
    const qsizetype cut = path.lastIndexOf(QLatin1Char('/')) + 1;
    return {path.left(cut), path.mid(cut)};
}
