// Start-up and exit over the settings file: with the store a first run leaves, and with a
// 4 MiB store where the program's keys sit among 68,000 keys of other programs. Reports the
// settings load alone, the whole start to the main window, the exit that saves the last
// settings, and how often one start and exit read and replaced the file.
#include "support/ForeignKeys.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include "app/SettingsStore.h"
#include "fontmap/rules/FontMapColors.h"
#include "platform/RegeditFormat.h"

#include <QDir>
#include <QElapsedTimer>

#include <algorithm>

class BenchSettingsLoad : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void settingsLoad_data();
    void settingsLoad();
    void startAndExit_data();
    void startAndExit();

private:
    void addStores();
    QByteArray m_normal;
    QByteArray m_large;
};

namespace {

constexpr int kForeignKeys = 68000;
constexpr int kRounds = 5;

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

void BenchSettingsLoad::initTestCase()
{
    { MainWindowFixture seeded; }
    m_normal = TestEnvironment::settingsBytes();
    // Values as long as the 68,000 keys allow within the largest file the store reads.
    const qsizetype bare = withForeignKeys(m_normal, kForeignKeys, 0).size();
    const int valueLength = int(std::max<qsizetype>(0, kMaxRegeditBytes - 4096 - bare) / kForeignKeys);
    m_large = withForeignKeys(m_normal, kForeignKeys, valueLength);
    QVERIFY(m_large.size() <= kMaxRegeditBytes);
    qInfo("normal store: %lld bytes; large store: %lld bytes, %d foreign keys", qint64(m_normal.size()),
          qint64(m_large.size()), kForeignKeys);
}

void BenchSettingsLoad::addStores()
{
    QTest::addColumn<QByteArray>("store");
    QTest::newRow("normal store") << m_normal;
    QTest::newRow("4 MiB store") << m_large;
}

void BenchSettingsLoad::settingsLoad_data()
{
    addStores();
}

void BenchSettingsLoad::settingsLoad()
{
    QFETCH(QByteArray, store);
    TestEnvironment::clearSettings();
    TestEnvironment::writeSettings(store);
    FakeUserName userName;
    const FontMapColors designed;
    SettingsStore::Screen screen;
    screen.workArea = QRectF(0, 0, 1024 * 15, 768 * 15);
    QBENCHMARK {
        // A new store object each time, as at a real start: the file is read afresh.
        FileRegistry registry;
        SettingsStore settingsStore(registry, userName, designed);
        Settings settings;
        const SettingsStore::LoadResult result = settingsStore.LoadSettings(settings, screen);
        QVERIFY(!result.reset && !result.abort);
    }
}

void BenchSettingsLoad::startAndExit_data()
{
    addStores();
}

void BenchSettingsLoad::startAndExit()
{
    QFETCH(QByteArray, store);
    QList<double> starts;
    QList<double> exits;
    int parses = 0;
    int replaces = 0;
    for (int round = 0; round < kRounds; ++round) {
        TestEnvironment::clearSettings();
        TestEnvironment::writeSettings(store);
        MainWindowFixture f(1024, 768, MainWindowFixture::Store::AsItIs);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(f.start());
        starts.append(timer.nsecsElapsed() / 1e6);
        f.window().move(40 + round, 50);
        timer.restart();
        f.window().close();
        exits.append(timer.nsecsElapsed() / 1e6);
        parses = f.registry.parseCount();
        replaces = f.registry.replaceCount();
    }
    qInfo("start to the main window %.1f ms, exit %.1f ms (median of %d); the file read %d time(s) and "
          "replaced %d time(s) in one start and exit",
          median(starts), median(exits), kRounds, parses, replaces);
    QTest::setBenchmarkResult(median(starts), QTest::WalltimeMilliseconds);
}

QUORVIL_TEST_MAIN(BenchSettingsLoad)
#include "bench_settingsload.moc"
