#include "support/FilePermissions.h"
#include "support/MainWindowFixture.h"
#include "support/MessageDriver.h"
#include "support/SmallFileSystem.h"
#include "support/TestMain.h"

#include "core/RegistryFunctions.h"
#include "core/SettingsLayout.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringEncoder>

#include <optional>

namespace {

QString helper(const char *name)
{
    return QStringLiteral(QUORVIL_TEST_BINARY_DIR "/") + QString::fromLatin1(name);
}

QString storeFolder()
{
    return QFileInfo(TestEnvironment::settingsFile()).absolutePath();
}

const QString &mruKey()
{
    static const QString key = SettingsLayout::keyPath(QStringLiteral("MRU"));
    return key;
}

QString storedRecentFile(Registry &store, int rank)
{
    return regToText(RegistryFunctions(store).QueryValue(HKEY_CURRENT_USER, mruKey(), QString::number(rank)));
}

// The store's message, as its lines (the folder without the places where it may break).
QStringList linesOf(const MessageDriver::Seen &message)
{
    return QString(message.text).remove(QChar(0x200B)).split(QLatin1Char('\r'));
}

QStringList notSavedLines(const QString &folder, const QString &reason)
{
    return {QString(),
            QStringLiteral("The settings file Quorvil.reg in the folder"),
            folder,
            QStringLiteral("could not be saved: ") + reason + QLatin1Char('.'),
            QString(),
            QStringLiteral("It is kept as it was, without the settings"),
            QStringLiteral("changed since it was last saved.")};
}

// Something to save at exit: a file opened, and the window moved.
void changeWhatTheExitSaves(MainWindowFixture &f)
{
    pushRecentFile(f.state().FileMRUList, TestEnvironment::documentsDir() + QStringLiteral("/new.txt"));
    f.window().move(f.window().pos() + QPoint(7, 5));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestStoreFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readableStoresAreRead_data();
    void readableStoresAreRead();
    void failedSaveIsToldOnce_data();
    void failedSaveIsToldOnce();
    void exitGivesUpALockedStore();
    void twoRunningProgramsKeepBothRecentFiles();
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

void TestStoreFaults::failedSaveIsToldOnce_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reason");

    QTest::newRow("read-only folder") << "read-only" << "Permission denied";
    QTest::newRow("full disk") << "full" << "No space left on device";
    QTest::newRow("linked into a folder that is gone") << "gone" << "No such file or directory";
}

void TestStoreFaults::failedSaveIsToldOnce()
{
    QFETCH(QString, fault);
    QFETCH(QString, reason);

    MainWindowFixture f;
    const QString folder = storeFolder();
    const QByteArray before = TestEnvironment::settingsBytes();
    const QByteArray lock = QFile::encodeName(TestEnvironment::settingsFile() + QStringLiteral(".lock"));
    std::optional<SmallFileSystem> disk;
    std::optional<ObeyFilePermissions> obey;
    const QString gone = TestEnvironment::root() + QStringLiteral("/gone/quorvil.reg");
    if (fault == QLatin1String("read-only")) {
        obey.emplace();
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QFile probe(folder + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QSKIP("this user writes into read-only folders");
        }
    } else if (fault == QLatin1String("full")) {
        disk.emplace(folder, 64);
        if (!disk->mounted())
            QSKIP("this user may not mount a file system");
        writeFile(TestEnvironment::settingsFile(), before);
        writeFile(QFile::decodeName(lock), QByteArray());
        QVERIFY(disk->fill());
    } else {
        QVERIFY(QFile::remove(TestEnvironment::settingsFile()));
        QVERIFY(QFile::link(gone, TestEnvironment::settingsFile()));
    }

    MessageDriver driver;
    // A store whose file is missing is a first run; its defaults cannot be saved either.
    if (fault == QLatin1String("gone"))
        driver.yes();
    driver.ok();
    QVERIFY(f.start());
    changeWhatTheExitSaves(f);
    f.window().close();

    // One message for the whole run, however many changes failed.
    QCOMPARE(driver.unexpected(), 0);
    QCOMPARE(driver.pending(), 0);
    const MessageDriver::Seen &told = driver.last();
    QCOMPARE(told.title, QStringLiteral("Quorvil Settings File Error"));
    QCOMPARE(told.buttons, QStringList{QStringLiteral("Ok")});
    QCOMPARE(linesOf(told), notSavedLines(folder, reason));
    // The old store stays whole, and nothing of the failed changes is left beside it.
    if (fault == QLatin1String("gone")) {
        QVERIFY(QFileInfo(TestEnvironment::settingsFile()).isSymLink());
        QVERIFY(!QFileInfo::exists(gone));
    } else {
        QCOMPARE(TestEnvironment::settingsBytes(), before);
    }
    QCOMPARE(QDir(folder).entryList({QStringLiteral("*.tmp*")}, QDir::Files | QDir::Hidden), QStringList());
    if (obey)
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TestStoreFaults::exitGivesUpALockedStore()
{
    MainWindowFixture f;
    const QByteArray before = TestEnvironment::settingsBytes();
    QVERIFY(f.start());
    changeWhatTheExitSaves(f);

    // Another program took the store's lock and stopped, for half a minute.
    QProcess holder;
    holder.start(helper("registryclient"), {QStringLiteral("lock"), QStringLiteral("30")});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readLine(), QByteArray("locked\n"));

    MessageDriver driver;
    driver.ok();
    QElapsedTimer clock;
    clock.start();
    f.window().close();
    const qint64 took = clock.elapsed();

    // The exit waited for the lock as long as a change waits, once, then gave up its write.
    const qint64 bound = FileRegistry::kLockWait.count();
    QVERIFY2(took >= bound - 50 && took < bound + 2000, qPrintable(QStringLiteral("%1 ms").arg(took)));
    QCOMPARE(driver.count(), 1);
    QCOMPARE(linesOf(driver.last()), notSavedLines(storeFolder(), QStringLiteral("another program kept it locked")));
    QCOMPARE(TestEnvironment::settingsBytes(), before);
    holder.kill();
    QVERIFY(holder.waitForFinished(10000));
}

void TestStoreFaults::twoRunningProgramsKeepBothRecentFiles()
{
    MainWindowFixture f;
    const QString older = TestEnvironment::documentsDir() + QStringLiteral("/older.txt");
    RegistryFunctions(f.registry).SetKeyValue(HKEY_CURRENT_USER, mruKey(), QStringLiteral("1"), older, REG_SZ);
    const QString first = TestEnvironment::documentsDir() + QStringLiteral("/first.txt");
    const QString second = TestEnvironment::documentsDir() + QStringLiteral("/second.txt");
    writeFile(first, "first");
    writeFile(second, "second");

    // Both run at once, each with a file of its own; both have read the store.
    QProcess one;
    QProcess two;
    one.start(helper("quorvilinstance"), {first});
    two.start(helper("quorvilinstance"), {second});
    for (QProcess *program : {&one, &two}) {
        QVERIFY(program->waitForReadyRead(60000));
        QCOMPARE(program->readLine(), QByteArray("started\n"));
    }
    // The first ends; then the second, which had read the lists before the first saved its own.
    for (QProcess *program : {&one, &two}) {
        program->write("\n");
        program->closeWriteChannel();
        QVERIFY(program->waitForFinished(60000));
        QCOMPARE(program->exitStatus(), QProcess::NormalExit);
        QCOMPARE(program->exitCode(), 0);
    }

    // The last to end comes first with its own file, then the other's, then the older ones.
    QCOMPARE(storedRecentFile(f.registry, 1), second);
    QCOMPARE(storedRecentFile(f.registry, 2), first);
    QCOMPARE(storedRecentFile(f.registry, 3), older);
    QCOMPARE(storedRecentFile(f.registry, 4), QString());
}

QUORVIL_TEST_MAIN(TestStoreFaults)
#include "tst_storefaults.moc"
