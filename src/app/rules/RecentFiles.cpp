#include "app/rules/RecentFiles.h"

QString recentFileCaption(int rank, const QString &name)
{
    QString shown = name;
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    return QStringLiteral("&%1 %2").arg(rank).arg(shown);
}
