#include "platform/QtDisplay.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

QScreen *primary()
{
    return QGuiApplication::primaryScreen();
}

// The program's pixel is Qt's device-independent pixel at every scale: the layout rules keep
// their proportions when Qt scales the window, and a pixel is 15 twips.
constexpr double kTwipsPerPixel = 15;

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
    return screen->geometry().width();
}

double QtDisplay::twipsPerPixelX() const
{
    return kTwipsPerPixel;
}

int QtDisplay::twipsPerPixelY() const
{
    return int(kTwipsPerPixel);
}

QRectF QtDisplay::workArea() const
{
    QScreen *screen = primary();
    if (!screen)
        return {};
    const QRect area = screen->availableGeometry();
    return QRectF(area.x() * kTwipsPerPixel, area.y() * kTwipsPerPixel, area.width() * kTwipsPerPixel,
                  area.height() * kTwipsPerPixel);
}
