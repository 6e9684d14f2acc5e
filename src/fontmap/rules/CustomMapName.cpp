#include "fontmap/rules/CustomMapName.h"

QString customMapDisplayName(const QString &fileName)
{
    static const QLatin1String extension(".qcm");
    if (fileName.endsWith(extension, Qt::CaseInsensitive))
        return fileName.chopped(extension.size());
    return fileName;
}
