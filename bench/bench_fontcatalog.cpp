// Enumerating every installed family, from a fresh process, compared with what
// `fc-list : family` takes on the same machine.
//
//   bench_fontcatalog [runs]          the report (default 30 runs of each)
//   bench_fontcatalog --once          one enumeration in this process; prints "<ms> <families>"
//
// The enumeration is timed from before the font configuration is loaded (preparePlatform, which
// also drops the Type 1 twins) to the last callback, so it carries the same fontconfig start-up
// that fc-list pays. The report also gives each child's whole wall time, which adds loading Qt.

#include "platform/FcFontCatalog.h"
#include "platform/PlatformSetup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

int enumerateOnce()
{
    QElapsedTimer timer;
    timer.start();
    preparePlatform();
    const FcFontCatalog catalog;
    int families = 0;
    catalog.enumFontFamilies([&families](const EnumLogFont &, const NewTextMetric &, int) {
        ++families;
        return 1;
    });
    const double ms = timer.nsecsElapsed() / 1e6;
    std::printf("%.3f %d\n", ms, families);
    return 0;
}

// Wall time of one run of a program, in milliseconds, with its standard output.
double timedRun(const QString &program, const QStringList &args, QByteArray *output)
{
    QProcess p;
    QElapsedTimer timer;
    timer.start();
    p.start(program, args);
    p.waitForFinished(-1);
    const double ms = timer.nsecsElapsed() / 1e6;
    if (output)
        *output = p.readAllStandardOutput();
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--once") == 0)
        return enumerateOnce();

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 30;

    std::vector<double> fcList, inProcess, childWall;
    int fcFamilies = 0;
    int ourFamilies = 0;
    for (int i = 0; i < runs; ++i) {
        QByteArray out;
        fcList.push_back(timedRun(QStringLiteral("fc-list"), {QStringLiteral(":"), QStringLiteral("family")}, &out));
        fcFamilies = int(out.count('\n'));
        childWall.push_back(timedRun(QCoreApplication::applicationFilePath(), {QStringLiteral("--once")}, &out));
        const QList<QByteArray> fields = out.trimmed().split(' ');
        if (fields.size() == 2) {
            inProcess.push_back(fields[0].toDouble());
            ourFamilies = fields[1].toInt();
        }
    }

    const double fc = median(fcList);
    const double ours = median(inProcess);
    std::printf("runs: %d (medians)\n", runs);
    std::printf("fc-list : family            %8.2f ms  %d lines (a line per distinct family list)\n", fc, fcFamilies);
    std::printf("enumeration, in process     %8.2f ms  %d families\n", ours, ourFamilies);
    std::printf("ratio (enumeration/fc-list) %8.2f  (target <= 1.5)\n", fc > 0 ? ours / fc : 0.0);
    std::printf("child process, wall time    %8.2f ms  (adds starting a Qt program)\n", median(childWall));
    return 0;
}
