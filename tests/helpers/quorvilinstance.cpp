// Runs the main window as a second running program would, over the settings store that
// $XDG_CONFIG_HOME names:  quorvilinstance <text file>
// It starts with the file on its command line (so that the file becomes its newest recent
// file), prints "started" once it has, waits for a line on its standard input, then closes
// its window, which saves its last settings, and ends.
#include "app/Quorvil.h"
#include "app/rules/Toggles.h"
#include "core/GlobalDeclarations.h"
#include "platform/PlatformSetup.h"
#include "platform/ProductionServices.h"

#include <QApplication>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char **argv)
{
    preparePlatform();
    QApplication app(argc, argv);
    GlobalDeclarations program;
    if (argc != 2)
        return 1;
    ProductionServices services;
    Quorvil window(services.services(), QApplication::arguments());
    if (!window.start())
        return 2;
    QCoreApplication::processEvents(); // the first activation loads the file
    // The file is on the TextBoard: closing must not ask about it.
    window.toggles().set(Toggles::ExitWarning, false);
    std::puts("started");
    std::fflush(stdout);
    std::string line;
    std::getline(std::cin, line);
    window.close();
    return 0;
}
