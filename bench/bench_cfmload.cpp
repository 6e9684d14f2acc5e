// Loading a complete custom map (all 224 codes placed): reading and validating the file, the
// 224 captions and the code table. Two maps take turns, so every load changes every cell.
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include "fontmap/CustomMapLoader.h"
#include "fontmap/FontMapGrid.h"
#include "fontmap/rules/CurrentCustomMap.h"
#include "fontmap/rules/FontMapColors.h"
#include "fontmap/rules/FontMapState.h"
#include "fontmap/rules/QcmFormat.h"
#include "platform/QcmFile.h"
#include "widgets/ActionCollection.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// Every code once: code 32 + (i + shift) % 224 in cell i.
QString writeCompleteMap(const QTemporaryDir &dir, const QString &name, int shift)
{
    CustomMapCells cells{};
    for (int i = 0; i < 224; ++i)
        cells[i] = quint8(32 + (i + shift) % 224);
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(QcmFormat::serialize(cells));
    return path;
}

} // namespace

class BenchCustomMapLoad : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void LoadCFMap();
    void loadCommandWithPainting();
};

void BenchCustomMapLoad::LoadCFMap()
{
    QTemporaryDir dir;
    const QString paths[] = {writeCompleteMap(dir, QStringLiteral("a.qcm"), 0),
                             writeCompleteMap(dir, QStringLiteral("b.qcm"), 100)};
    FontMapGrid grid;
    grid.setCellFont(QFont(QStringLiteral("DejaVu Sans"), 12), FontCharset::Ansi);
    FontMapState state;
    CurrentCustomMap map;
    CustomMapFileSlot slot;
    FakeCommonDialog dialog;
    CommonDialogProperties cmnDlg;
    const FontMapColors designed;
    CustomMapLoader loader(grid, state, map, slot, dialog, cmnDlg, designed);
    int turn = 0;
    QBENCHMARK {
        const QString &path = paths[turn++ % 2];
        state.setCFMOpenPath(path);
        loader.LoadCFMap(path);
    }
    QCOMPARE(map.path(), paths[(turn - 1) % 2]);
}

// The Load command in the main window, from the dialog's answer until the FontMap is painted.
void BenchCustomMapLoad::loadCommandWithPainting()
{
    QTemporaryDir dir;
    const QString paths[] = {writeCompleteMap(dir, QStringLiteral("a.qcm"), 0),
                             writeCompleteMap(dir, QStringLiteral("b.qcm"), 100)};
    MainWindowFixture f;
    QVERIFY(f.start());
    f.controls().FMapContainer->repaint();
    int turn = 0;
    QBENCHMARK {
        const QString path = paths[turn++ % 2];
        f.dialog.confirm([path](CommonDialogProperties &d) { d.FileName = path; });
        f.window().commands().trigger(QStringLiteral("FileCFMLoad"));
        QCoreApplication::processEvents();
    }
    QCOMPARE(f.window().customMap().path(), paths[(turn - 1) % 2]);
}

QUORVIL_TEST_MAIN(BenchCustomMapLoad)
#include "bench_cfmload.moc"
