#include "support/TestMain.h"

#include "fontmap/rules/QcmFormat.h"
#include "platform/QcmFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestQcmFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void readsRegularFile();
    void refusesWhatIsNoRegularFile_data();
    void refusesWhatIsNoRegularFile();
    void unreadableFile();
    void longFileIsCutOneByteOverTheLimit();
    void slotKeepsTheFileOpen();
    void slotClosesOnFailure();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestQcmFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestQcmFile::readsRegularFile()
{
    const QString path = m_dir->filePath(QStringLiteral("Greek.QCM"));
    writeFile(path, "1,\"A\"\r\n");
    QString error;
    const auto bytes = readQcmFile(path, &error);
    QVERIFY2(bytes, qPrintable(error));
    QCOMPARE(*bytes, QByteArray("1,\"A\"\r\n"));
}

// None of these may block or be opened at all: a FIFO without a writer would hang an
// ordinary open, and opening a device can act on it.
void TestQcmFile::refusesWhatIsNoRegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("folder named a.QCM") << "folder";
    QTest::newRow("FIFO named x.qcm") << "fifo";
    QTest::newRow("device") << "device";
    QTest::newRow("symlink to a FIFO") << "link";
}

void TestQcmFile::refusesWhatIsNoRegularFile()
{
    QFETCH(QString, kind);
    QString path;
    if (kind == QLatin1String("missing")) {
        path = m_dir->filePath(QStringLiteral("gone.qcm"));
    } else if (kind == QLatin1String("folder")) {
        path = m_dir->filePath(QStringLiteral("a.QCM"));
        QVERIFY(QDir().mkpath(path));
    } else if (kind == QLatin1String("device")) {
        path = QStringLiteral("/dev/zero");
    } else {
        const QString fifo = m_dir->filePath(QStringLiteral("x.qcm"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        path = fifo;
        if (kind == QLatin1String("link")) {
            path = m_dir->filePath(QStringLiteral("link.qcm"));
            QVERIFY(QFile::link(fifo, path));
        }
    }
    QString error;
    QVERIFY(!readQcmFile(path, &error));
    QVERIFY(!error.isEmpty());
    CustomMapFileSlot slot;
    QVERIFY(!slot.open(path, &error));
    QVERIFY(!slot.isOpen());
}

void TestQcmFile::unreadableFile()
{
    if (::geteuid() == 0)
        QSKIP("permissions do not hold for root");
    const QString path = m_dir->filePath(QStringLiteral("locked.qcm"));
    writeFile(path, "1,\"A\"\r\n");
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    QString error;
    QVERIFY(!readQcmFile(path, &error));
    QVERIFY(!error.isEmpty());
}

// A 10 MB single line is never read whole: the reader stops one byte past the limit.
void TestQcmFile::longFileIsCutOneByteOverTheLimit()
{
    const QString path = m_dir->filePath(QStringLiteral("long.qcm"));
    writeFile(path, QByteArray(10 * 1024 * 1024, 'A'));
    QString error;
    const auto bytes = readQcmFile(path, &error);
    QVERIFY2(bytes, qPrintable(error));
    QCOMPARE(bytes->size(), QcmFormat::kMaxFileBytes + 1);
    QVERIFY(!QcmFormat::parse(*bytes).cells);
}

void TestQcmFile::slotKeepsTheFileOpen()
{
    const QString first = m_dir->filePath(QStringLiteral("first.qcm"));
    const QString second = m_dir->filePath(QStringLiteral("second.qcm"));
    writeFile(first, "first");
    writeFile(second, "second");
    CustomMapFileSlot slot;
    QString error;
    QCOMPARE(slot.open(first, &error).value_or("-"), QByteArray("first"));
    QVERIFY(slot.isOpen());
    QCOMPARE(slot.path(), first);
    QCOMPARE(slot.open(second, &error).value_or("-"), QByteArray("second"));
    QCOMPARE(slot.path(), second);
    slot.close();
    QVERIFY(!slot.isOpen());
    QVERIFY(slot.path().isEmpty());
    slot.close(); // closing a closed slot does nothing
    QVERIFY(!slot.isOpen());
}

void TestQcmFile::slotClosesOnFailure()
{
    const QString good = m_dir->filePath(QStringLiteral("good.qcm"));
    writeFile(good, "good");
    CustomMapFileSlot slot;
    QString error;
    QVERIFY(slot.open(good, &error));
    QVERIFY(!slot.open(m_dir->path(), &error));
    QVERIFY(!slot.isOpen());
    QVERIFY(slot.path().isEmpty());
}

QUORVIL_TEST_MAIN(TestQcmFile)
#include "tst_qcmfile.moc"
