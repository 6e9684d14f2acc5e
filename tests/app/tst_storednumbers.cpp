// Every number the settings store holds, set to the extremes of 32 bits in turn: the
// program starts, runs and exits cleanly with it (under the sanitizers, without undefined
// behaviour), and starts again from what it saved.
#include "support/MainWindowFixture.h"
#include "support/MessageDriver.h"
#include "support/TestMain.h"

#include "core/GlobalDeclarations.h"
#include "core/RegistryFunctions.h"
#include "core/SettingsLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The layout's numbers: its REG_DWORD values and the texts that hold a decimal number.
bool holdsANumber(const SettingsLayout::Value &v)
{
    if (v.type == REG_DWORD)
        return true;
    bool number = false;
    v.value.toString().toInt(&number);
    return number;
}

} // namespace

class TestStoredNumbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void extremeNumbersStartCleanly_data();
    void extremeNumbersStartCleanly();

private:
    QByteArray m_firstRunStore;
};

void TestStoredNumbers::initTestCase()
{
    { MainWindowFixture seeded; }
    m_firstRunStore = TestEnvironment::settingsBytes();
}

void TestStoredNumbers::extremeNumbersStartCleanly_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<quint32>("type");
    QTest::addColumn<qint32>("number");

    for (const SettingsLayout::Value &v : SettingsLayout::values()) {
        if (!holdsANumber(v))
            continue;
        for (const qint32 number : {qint32(0x7fffffff), qint32(0x80000000)}) {
            const QString key = v.key.isEmpty() ? QStringLiteral("Quorvil") : v.key;
            const QString row = QStringLiteral("%1\\%2=%3").arg(key, v.name).arg(quint32(number), 8, 16, QLatin1Char('0'));
            QTest::newRow(qPrintable(row)) << v.key << v.name << v.type << number;
        }
    }
}

void TestStoredNumbers::extremeNumbersStartCleanly()
{
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(quint32, type);
    QFETCH(qint32, number);

    TestEnvironment::clearSettings();
    TestEnvironment::writeSettings(m_firstRunStore);
    // Twice: with the stored number, and with what the exit of the first run saved.
    for (int run = 0; run < 2; ++run) {
        MainWindowFixture f(1024, 768, MainWindowFixture::Store::AsItIs);
        if (run == 0)
            RegistryFunctions(f.registry).SetKeyValue(HKEY_CURRENT_USER, SettingsLayout::keyPath(key), name, number, type);

        // The one message a stored number may bring: a FontMap size too large for the screen.
        MessageDriver driver;
        driver.ok();
        QVERIFY(f.start());
        QVERIFY(f.window().isVisible());
        // Wherever the numbers said, the window is on the screen.
        QVERIFY(QRect(0, 0, 1024, 768).contains(f.window().pos()));
        QCOMPARE(driver.unexpected(), 0);
        for (const MessageDriver::Seen &seen : driver.seen())
            QCOMPARE(seen.title, QStringLiteral("Quorvil FontMap Size Error"));
        f.window().close();
        QVERIFY(!f.window().isVisible());
    }
}

QUORVIL_TEST_MAIN(TestStoredNumbers)
#include "tst_storednumbers.moc"
