#include "app/rules/StartFolders.h"

#include <QDir>

namespace StartFolders {

namespace {

// The folder that holds a clean path: "/" for a path in the root, the empty text for a bare name.
QString parentOf(const QString &path)
{
    const qsizetype cut = path.lastIndexOf(QLatin1Char('/'));
    if (cut < 0)
        return QString();
    return cut == 0 ? QStringLiteral("/") : path.left(cut);
}

} // namespace

QString documentsOrHome(const QString &documents, const QString &home, const IsFolder &isFolder)
{
    return !documents.isEmpty() && isFolder(documents) ? documents : home;
}

QString nearestFolder(const QString &folder, const IsFolder &isFolder)
{
    if (!QDir::isAbsolutePath(folder))
        return QString();
    for (QString f = QDir::cleanPath(folder);; f = parentOf(f)) {
        if (isFolder(f))
            return f;
        if (f == QLatin1String("/"))
            return QString();
    }
}

DialogStart dialogStart(const QString &initDir, const QString &fileName, const QString &fallback,
                        const IsFolder &isFolder)
{
    QString folder = initDir;
    QString name = fileName;
    if (!name.isEmpty()) {
        const bool own = QDir::isAbsolutePath(name) || folder.isEmpty();
        const QString full = QDir::cleanPath(own ? name : folder + QLatin1Char('/') + name);
        if (QDir::isAbsolutePath(full) && isFolder(full)) {
            folder = full;
            name.clear();
        } else if (name.contains(QLatin1Char('/'))) {
            folder = parentOf(full);
            name = full.mid(full.lastIndexOf(QLatin1Char('/')) + 1);
        }
    }
    folder = nearestFolder(folder, isFolder);
    if (folder.isEmpty())
        folder = nearestFolder(fallback, isFolder);
    return {folder, name};
}

} // namespace StartFolders
