// The yardstick for start-up: a bare Qt Widgets window with one label, linked against Qt
// Widgets only. Started by bench_startup.
#include "StartupProbe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char **argv)
{
    StartupProbe::mark("main");
    QApplication app(argc, argv);
    StartupProbe::mark("application");
    StartupProbe::FirstFrame probe;
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("A bare Qt window")));
    window.resize(800, 600);
    StartupProbe::mark("built");
    window.show();
    StartupProbe::mark("shown");
    return app.exec();
}
