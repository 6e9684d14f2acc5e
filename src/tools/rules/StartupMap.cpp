#include "tools/rules/StartupMap.h"

namespace StartupMap {

namespace {

qsizetype nameStart(const QString &path)
{
    return path.lastIndexOf(QLatin1Char('/')) + 1;
}

} // namespace

QString none()
{
    return QStringLiteral("None");
}

bool isMap(const QString &path)
{
    return !path.isEmpty() && path != none();
}

bool alreadySpecified(const QString &chosen, const QString &current)
{
    return isMap(current) && chosen == current;
}

QString folderOf(const QString &path)
{
    return path.left(nameStart(path));
}

QString nameOf(const QString &path)
{
    return path.mid(nameStart(path));
}

} // namespace StartupMap
