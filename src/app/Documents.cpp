#include "app/Documents.h"

#include "app/rules/ProductInfo.h"
#include "platform/FileChecks.h"

#include <QDir>

namespace Documents {

QString helpFileName()
{
    return ProductInfo::appName() + QStringLiteral("300.html");
}

QString readmeFileName()
{
    return QStringLiteral("Readme.html");
}

QStringList folders(const QString &programFolder)
{
    // The installed data folder is found from the program's own place, so an installed
    // tree works wherever its prefix was put.
    return {QDir::cleanPath(programFolder),
            QDir::cleanPath(programFolder + QLatin1Char('/') + QStringLiteral(QUORVIL_DATA_FROM_BIN))};
}

QString find(FileChecks &checks, const QString &name, const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QString path = folder + QLatin1Char('/') + name;
        if (checks.FileExists(path))
            return path;
    }
    return QString();
}

} // namespace Documents
