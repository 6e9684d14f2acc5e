#include "app/Quorvil.h"
#include "app/rules/CommandLine.h"
#include "platform/PlatformSetup.h"
#include "platform/ProductionServices.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // --help and --version answer before anything needs a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (const QString reply = commandLineReply(readCommandLine(arguments).request); !reply.isEmpty()) {
        std::fputs(reply.toUtf8().constData(), stdout);
        return 0;
    }
    preparePlatform();
    QApplication app(argc, argv);
    ProductionServices services;
    Quorvil window(services.services(), QApplication::arguments());
    QObject::connect(&window, &Quorvil::programEnded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    if (!window.start())
        return 0;
    return app.exec();
}
