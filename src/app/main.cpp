#include "app/Quorvil.h"
#include "platform/PlatformSetup.h"
#include "platform/ProductionServices.h"

#include <QApplication>

int main(int argc, char **argv)
{
    preparePlatform();
    QApplication app(argc, argv);
    ProductionServices services;
    Quorvil window(services.services(), QApplication::arguments());
    QObject::connect(&window, &Quorvil::programEnded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    if (!window.start())
        return 0;
    return app.exec();
}
