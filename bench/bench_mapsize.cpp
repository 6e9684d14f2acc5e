// The FontMap's size steps: the size slider from step 1 to the screen's largest and back, one
// step at a time, each step rebuilding the map, resizing the window and painting it; and a
// window resized by the user, one pixel at a time. Prints the time per step.
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include "fontmap/FontMapGrid.h"

#include <QElapsedTimer>
#include <QSlider>

namespace {

struct StepTimes
{
    qint64 total = 0;
    qint64 worst = 0;
    int count = 0;

    void add(qint64 ns)
    {
        total += ns;
        worst = std::max(worst, ns);
        ++count;
    }
    void print(const char *what) const
    {
        qInfo("%s: %d steps, %.2f ms a step on average, %.2f ms the slowest", what, count, total / 1e6 / count,
              worst / 1e6);
    }
};

// Runs `change` and paints what it left to paint, as the next frame would; the time of both,
// and in `before` the time of the change alone.
template<typename Change>
qint64 timed(Change change, StepTimes *before = nullptr)
{
    QElapsedTimer timer;
    timer.start();
    change();
    if (before)
        before->add(timer.nsecsElapsed());
    QCoreApplication::processEvents();
    return timer.nsecsElapsed();
}

} // namespace

class BenchMapSize : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sizeSliderUpAndDown();
    void userResize();
};

void BenchMapSize::sizeSliderUpAndDown()
{
    MainWindowFixture f(1600, 1200);
    QVERIFY(f.start());
    QSlider *slider = f.controls().sldSetFMapSize;
    const int largest = f.state().fontMap.MaxSizeIndex();
    slider->setValue(1);
    QCoreApplication::processEvents();
    StepTimes times;
    StepTimes rebuilds;
    QBENCHMARK {
        for (int step = 2; step <= largest; ++step)
            times.add(timed([&] { slider->setValue(step); }, &rebuilds));
        for (int step = largest - 1; step >= 1; --step)
            times.add(timed([&] { slider->setValue(step); }, &rebuilds));
    }
    QCOMPARE(f.state().fontMap.SizeIndex(), 1);
    times.print("size slider, 1 to the largest step and back");
    rebuilds.print("  of which the rebuild and the layout, before painting");
}

void BenchMapSize::userResize()
{
    MainWindowFixture f(1600, 1200);
    QVERIFY(f.start());
    Quorvil &window = f.window();
    StepTimes times;
    QBENCHMARK {
        for (int i = 0; i < 50; ++i)
            times.add(timed([&] { window.resize(window.size() + QSize(i % 2 ? -1 : 1, 1)); }));
    }
    times.print("window resized by the user");
}

QUORVIL_TEST_MAIN(BenchMapSize)
#include "bench_mapsize.moc"
