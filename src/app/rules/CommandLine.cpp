#include "app/rules/CommandLine.h"

#include <QDir>

QString commandLinePath(const QStringList &arguments, bool initMap, const QString &initMapPath,
                        const QString &workingFolder)
{
    QString s = arguments.mid(1).join(QLatin1Char(' '));
    if (s.isEmpty() && initMap && initMapPath != QLatin1String("None"))
        s = initMapPath;
    if (s.startsWith(QLatin1Char('"')))
        s.remove(0, 1);
    if (s.endsWith(QLatin1Char('"')))
        s.chop(1);
    if (s.isEmpty() || QDir::isAbsolutePath(s))
        return s;
    return QDir::cleanPath(QDir(workingFolder).absoluteFilePath(s));
}
