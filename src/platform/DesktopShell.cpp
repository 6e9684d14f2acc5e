#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopShell::open(const QString &target)
{
    // Local documents are given as paths; everything else (http:, mailto:) as a URL.
    const QUrl url = target.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(target) : QUrl(target);
    QDesktopServices::openUrl(url);
}
