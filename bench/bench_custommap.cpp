// The custom map editor: opening it on a complete map (reading and checking the file, building
// the window, the template and the list, and showing it), and one move between list and map.
#include "support/CustomMapFixture.h"
#include "support/TestMain.h"

#include "fontmap/rules/QcmFormat.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

class BenchCustomMap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openOnCompleteMap();
    void oneMove();
};

void BenchCustomMap::openOnCompleteMap()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("complete.qcm"));
    CustomMapCells cells{};
    for (int i = 0; i < 224; ++i)
        cells[i] = quint8(255 - i);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QcmFormat::serialize(cells));
    file.close();

    CustomMapFixture f;
    const int font = f.fontIndex(QStringLiteral("DejaVu Sans"));
    QBENCHMARK {
        CustomMap &e = f.create();
        QVERIFY(e.SetupEditCFMap(path, QStringLiteral("complete.qcm"), font, QStringLiteral("DejaVu Sans"), 12));
        e.show();
        QCoreApplication::processEvents(); // the first paint
        f.destroy();
    }
}

void BenchCustomMap::oneMove()
{
    CustomMapFixture f;
    CustomMap &e = f.openNew(QStringLiteral("DejaVu Sans"));
    e.show();
    QCoreApplication::processEvents();
    auto *listToMap = f.child<QPushButton>("cmdListToMap");
    auto *mapToList = f.child<QPushButton>("cmdMapToList");
    listToMap->click();
    // Out of the list and back, each followed by the repaint it causes: two moves per iteration.
    QBENCHMARK {
        mapToList->click();
        QCoreApplication::processEvents();
        listToMap->click();
        QCoreApplication::processEvents();
    }
}

QUORVIL_TEST_MAIN(BenchCustomMap)
#include "bench_custommap.moc"
