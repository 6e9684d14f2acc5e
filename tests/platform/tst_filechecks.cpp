#include "support/TestMain.h"

#include "platform/FsFileChecks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

class TestFileChecks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void driveOfPath_data();
    void driveOfPath();
    void checks();
    void unreadableDrive();
};

void TestFileChecks::driveOfPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("drive");
    QTest::newRow("home") << "/home/ann/a.txt" << "/home";
    QTest::newRow("root file") << "/a.txt" << "/a.txt";
    QTest::newRow("relative") << "notes/a.txt" << "notes";
    QTest::newRow("bare name") << "a.txt" << "a.txt";
}

void TestFileChecks::driveOfPath()
{
    QFETCH(QString, path);
    QFETCH(QString, drive);
    QCOMPARE(driveOf(path), drive);
}

void TestFileChecks::checks()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a b.txt"));
    QFile(file).open(QIODevice::WriteOnly);
    FsFileChecks fs;
    QCOMPARE(fs.DriveState(driveOf(file)), 2);
    QCOMPARE(fs.DriveState(QStringLiteral("/no-such-drive-here")), 0);
    QCOMPARE(fs.DriveState(QString()), 0);
    QVERIFY(fs.FolderExists(dir.path()));
    QVERIFY(fs.FolderExists(dir.path() + QLatin1Char('/')));
    QVERIFY(!fs.FolderExists(file));
    QVERIFY(!fs.FolderExists(QString()));
    QVERIFY(fs.FileExists(file));
    QVERIFY(!fs.FileExists(dir.path()));
    QVERIFY(!fs.FileExists(dir.filePath(QStringLiteral("missing.txt"))));
}

void TestFileChecks::unreadableDrive()
{
    if (::geteuid() == 0)
        QSKIP("permissions do not hold for root");
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFileDevice::WriteOwner);
    QCOMPARE(FsFileChecks().DriveState(dir.path()), 1);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QUORVIL_TEST_MAIN(TestFileChecks)
#include "tst_filechecks.moc"
