#include "platform/QtDisplay.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {

QScreen *primary()
{
    return QGuiApplication::primaryScreen();
}

double pixelRatio()
{
    QScreen *screen = primary();
    return screen ? screen->devicePixelRatio() : 1.0;
}

} // namespace

QtDisplay::QtDisplay(QObject *parent)
    : DisplayService(parent)
{
    watch(primary());
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, [this](QScreen *screen) {
        watch(screen);
        Q_EMIT displayChanged();
    });
}

void QtDisplay::watch(QScreen *screen)
{
    if (!screen)
        return;
    connect(screen, &QScreen::geometryChanged, this, &DisplayService::displayChanged, Qt::UniqueConnection);
    connect(screen, &QScreen::logicalDotsPerInchChanged, this, &DisplayService::displayChanged,
            Qt::UniqueConnection);
}

int QtDisplay::screenWidth() const
{
    QScreen *screen = primary();
    if (!screen)
        return 0;
    return int(std::lround(screen->geometry().width() * screen->devicePixelRatio()));
}

double QtDisplay::twipsPerPixelX() const
{
    return 1440.0 / (96.0 * pixelRatio());
}

int QtDisplay::twipsPerPixelY() const
{
    return int(std::lround(1440.0 / (96.0 * pixelRatio())));
}

QRectF QtDisplay::workArea() const
{
    QScreen *screen = primary();
    if (!screen)
        return {};
    // A Qt coordinate is 1/96 inch, that is 15 twips, whatever the scale.
    const QRect area = screen->availableGeometry();
    return QRectF(area.x() * 15.0, area.y() * 15.0, area.width() * 15.0, area.height() * 15.0);
}
