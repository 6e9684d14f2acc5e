// Start-up against a bare Qt window, in the same run: each round starts the bare window
// (bench/startup/bare_window.cpp) and the program's own start-up (quorvil_startup.cpp) as
// new processes and reads the moments of their phases, from the launch to the window
// mapped and the first complete frame. Prints the median of each phase and the ratio of
// the two times to the window mapped. Run on a real display for the real figure:
//   xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb build/bench/bench_startup [rounds]
#include "support/MessageDriver.h"
#include "support/TestMain.h"

#include "app/Quorvil.h"
#include "core/GlobalDeclarations.h"
#include "platform/ProductionServices.h"

#include <QApplication>
#include <QMap>
#include <QProcess>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

using Phases = QMap<QString, double>; // phase -> ms after the launch

qint64 now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

Phases run(const QString &program)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 launched = now();
    process.start(program, {});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qFatal("%s did not start and end as expected", qPrintable(program));
    Phases phases;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 3 && parts[0] == "phase")
            phases.insert(QString::fromLatin1(parts[1]), double(parts[2].toLongLong() - launched) / 1e6);
    }
    return phases;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

void report(const char *name, const QList<Phases> &rounds, const QStringList &order)
{
    std::printf("%s\n", name);
    for (const QString &phase : order) {
        QList<double> values;
        for (const Phases &p : rounds)
            values.append(p.value(phase));
        std::printf("  %-12s %7.1f ms\n", qPrintable(phase), median(values));
    }
}

double medianOf(const QList<Phases> &rounds, const QString &phase)
{
    QList<double> values;
    for (const Phases &p : rounds)
        values.append(p.value(phase));
    return median(values);
}

} // namespace

int main(int argc, char **argv)
{
    TestEnvironment::setUp(TestScreen{1280, 1024});
    QApplication app(argc, argv);
    GlobalDeclarations program;
    const int rounds = std::max(1, QApplication::arguments().value(1, QStringLiteral("15")).toInt());

    {
        // The measured runs start on a store that a first run has filled.
        MessageDriver driver;
        driver.yes();
        ProductionServices services;
        Quorvil seed(services.services(), {QStringLiteral("quorvil")});
        if (!seed.start())
            qFatal("the first run did not start");
        QCoreApplication::processEvents();
        seed.close();
    }

    QList<Phases> bare;
    QList<Phases> quorvil;
    for (int i = 0; i < rounds; ++i) {
        bare.append(run(QStringLiteral(QUORVIL_BARE_WINDOW)));
        quorvil.append(run(QStringLiteral(QUORVIL_STARTUP)));
    }
    std::printf("Start-up, median of %d rounds, from the launch (platform %s)\n", rounds,
                qPrintable(QGuiApplication::platformName()));
    report("bare Qt window", bare, {"main", "application", "built", "shown", "mapped", "frame"});
    report("Quorvil", quorvil, {"main", "fonts", "application", "built", "shown", "mapped", "frame"});
    const double ratio = medianOf(quorvil, QStringLiteral("mapped")) / medianOf(bare, QStringLiteral("mapped"));
    std::printf("window mapped: %.2f x the bare window\n", ratio);
    return 0;
}
