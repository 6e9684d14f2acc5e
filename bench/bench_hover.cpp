// Hovering across all 224 FontMap cells with highlighting on: the time per hover,
// painting included, and how much of the grid each hover repaints.
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include "widgets/ActionCollection.h"
#include "fontmap/FontMapGrid.h"

#include <QPaintEvent>

class PaintCounter final : public QObject
{
public:
    qint64 area = 0;
    int events = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++events;
            for (const QRect &r : static_cast<QPaintEvent *>(event)->region())
                area += qint64(r.width()) * r.height();
        }
        return false;
    }
};

class BenchHover : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hoverAllCells();
};

void BenchHover::hoverAllCells()
{
    MainWindowFixture f;
    QVERIFY(f.start());
    f.window().commands().setChecked(QStringLiteral("FMHiLite"), true);
    for (const char *view : {"ViewZoom", "ViewCode", "ViewKS"})
        f.window().commands().setChecked(QString::fromLatin1(view), true);
    FontMapGrid *grid = f.controls().FMapContainer;
    grid->repaint();

    PaintCounter counter;
    grid->installEventFilter(&counter);
    int hovers = 0;
    QBENCHMARK {
        for (int i = 0; i < FontMapGrid::kCells; ++i) {
            QTest::mouseMove(grid, grid->cellRect(i).center());
            QCoreApplication::processEvents(); // paint what the hover marked dirty, as the next frame would
            ++hovers;
        }
    }
    const QRect cell = grid->cellRect(0);
    qInfo("hovers: %d, paint events: %d, repainted area per hover: %.2f cells (grid: %d cells)", hovers,
          counter.events, double(counter.area) / hovers / (cell.width() * cell.height()), FontMapGrid::kCells);
}

QUORVIL_TEST_MAIN(BenchHover)
#include "bench_hover.moc"
