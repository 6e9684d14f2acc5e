#include "support/MainWindowFixture.h"
#include "support/MessageDriver.h"
#include "support/TestMain.h"

#include "app/rules/RegistryFunctions.h"
#include "app/rules/SettingsLayout.h"

#include <QStringEncoder>

namespace {

const QString &mruKey()
{
    static const QString key = SettingsLayout::keyPath(QStringLiteral("MRU"));
    return key;
}

// Something to save at exit: a file opened, and the window moved.
void changeWhatTheExitSaves(MainWindowFixture &f)
{
    pushRecentFile(f.state().FileMRUList, TestEnvironment::documentsDir() + QStringLiteral("/new.txt"));
    f.window().move(f.window().pos() + QPoint(7, 5));
}

} // namespace

class TestStoreFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readableStoresAreRead_data();
    void readableStoresAreRead();
};

void TestStoreFaults::readableStoresAreRead_data()
{
    QTest::addColumn<QString>("form"); // how the store's file was rewritten
    QTest::addColumn<bool>("read");

    QTest::newRow("exported by the Windows registry editor") << "windows" << true;
    QTest::newRow("UTF-8 byte-order mark") << "bom" << true;
    QTest::newRow("CR line ends") << "cr" << true;
    QTest::newRow("closing blank line trimmed") << "trimmed" << true;
    QTest::newRow("cut inside its last line") << "cut" << false;
}

void TestStoreFaults::readableStoresAreRead()
{
    QFETCH(QString, form);
    QFETCH(bool, read);

    MainWindowFixture f;
    const QString recent = QStringLiteral("/home/ann/Caf\u00e9 \u2013 \u6f22\u5b57.txt");
    RegistryFunctions(f.registry).SetKeyValue(HKEY_CURRENT_USER, mruKey(), QStringLiteral("1"), recent, REG_SZ);
    QByteArray bytes = TestEnvironment::settingsBytes();
    QVERIFY(bytes.startsWith("REGEDIT4\n\n") && bytes.endsWith("\n\n"));
    if (form == QLatin1String("windows")) {
        QString text = QString::fromUtf8(bytes);
        text.replace(0, 8, QStringLiteral("Windows Registry Editor Version 5.00"));
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        QStringEncoder utf16(QStringEncoder::Utf16LE);
        bytes = QByteArray("\xff\xfe") + QByteArray(utf16(text));
    } else if (form == QLatin1String("bom")) {
        bytes.prepend("\xef\xbb\xbf");
    } else if (form == QLatin1String("cr")) {
        bytes.replace('\n', '\r');
    } else if (form == QLatin1String("trimmed")) {
        bytes.chop(1);
    } else {
        bytes.chop(3);
    }
    TestEnvironment::writeSettings(bytes);

    MessageDriver driver;
    if (!read)
        driver.ok().yes();
    QVERIFY(f.start());
    if (read) {
        QCOMPARE(driver.count(), 0);
        QCOMPARE(f.state().FileMRUList(1).path(), recent);
    } else {
        QCOMPARE(driver.count(), 2);
        QCOMPARE(driver.seen().constFirst().title, QStringLiteral("Quorvil Settings File Error"));
        QVERIFY(driver.seen().constFirst().text.contains(QStringLiteral("is damaged and could not be read.")));
    }
    changeWhatTheExitSaves(f);
    f.window().close();

    // Whatever was read, the store is written back in the program's own layout.
    const QByteArray written = TestEnvironment::settingsBytes();
    QVERIFY(written.startsWith("REGEDIT4\n\n"));
    QVERIFY(written.endsWith("\n\n"));
    QCOMPARE(written.contains(recent.toUtf8()), read);
}

QUORVIL_TEST_MAIN(TestStoreFaults)
#include "tst_storefaults.moc"
