// The program's own start-up, as src/app/main.cpp runs it and linked as the program is,
// with the moments of its phases reported. Started by bench_startup on a settings store
// that a first run has already filled.
#include "StartupProbe.h"

#include "app/Quorvil.h"
#include "core/GlobalDeclarations.h"
#include "platform/PlatformSetup.h"
#include "platform/ProductionServices.h"

#include <QApplication>

int main(int argc, char **argv)
{
    StartupProbe::mark("main");
    preparePlatform();
    StartupProbe::mark("fonts");
    QApplication app(argc, argv);
    GlobalDeclarations program;
    StartupProbe::mark("application");
    StartupProbe::FirstFrame probe;
    ProductionServices services;
    Quorvil window(services.services(), QApplication::arguments());
    StartupProbe::mark("built");
    if (!window.start())
        return 1;
    StartupProbe::mark("shown");
    return app.exec();
}
