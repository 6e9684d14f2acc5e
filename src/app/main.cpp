#include "app/Quorvil.h"
#include "app/rules/CommandLine.h"
#include "core/FileNames.h"
#include "core/GlobalDeclarations.h"
#include "platform/PlatformSetup.h"
#include "platform/ProductionServices.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // --help and --version answer before anything needs a display.
    if (const QString reply = commandLineReply(readCommandLine(decodeArguments(argc, argv)).request); !reply.isEmpty()) {
        std::fputs(reply.toUtf8().constData(), stdout);
        return 0;
    }
    preparePlatform();
    QApplication app(argc, argv);
    GlobalDeclarations program;
    ProductionServices services;
    // Qt has taken its own options out of argv; the rest keep the bytes of their file names.
    Quorvil window(services.services(), decodeArguments(argc, argv));
    QObject::connect(&window, &Quorvil::programEnded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    if (!window.start())
        return 0;
    return app.exec();
}
