#include "support/TestMain.h"

#include "app/rules/GlobalDeclarations.h"
#include "app/rules/RegistryFunctions.h"
#include "platform/FileRegistry.h"
#include "platform/RegeditFormat.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace {

const QString kKey = QStringLiteral("Software\\Quorvil\\Shared");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString helperPath()
{
    return QStringLiteral(QUORVIL_TEST_BINARY_DIR "/registryclient");
}

// Runs the helper to its end; its standard output, or nothing when it did not end as expected.
std::optional<QByteArray> runHelper(const QStringList &arguments, int expectedExit = 0)
{
    QProcess process;
    process.start(helperPath(), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != expectedExit)
        return std::nullopt;
    return process.readAllStandardOutput();
}

} // namespace

class TestRegistryFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void storeLivesInTheConfigFolder();
    void valuesOutliveTheProcess_data();
    void valuesOutliveTheProcess();
    void concurrentWritersLoseNothing();
    void damagedStoreIsKeptAside_data();
    void damagedStoreIsKeptAside();
    void unreadableStoreIsNeverReplaced();
    void oversizeChangeIsRefused();
};

void TestRegistryFile::init()
{
    globals() = GlobalDeclarations{};
    TestEnvironment::clearSettings();
}

void TestRegistryFile::storeLivesInTheConfigFolder()
{
    FileRegistry store;
    QCOMPARE(store.storePath(), TestEnvironment::settingsFile());
    const QString folder = QFileInfo(store.storePath()).absolutePath();

    // Reading and writing into a missing key leave no trace.
    QVERIFY(!store.value(kKey, QStringLiteral("v")));
    QVERIFY(!store.keyExists(QStringLiteral("Software")));
    QVERIFY(!QFileInfo::exists(folder));
    QVERIFY(!store.setValue(kKey, QStringLiteral("v"), {REG_SZ, "x"}));
    QVERIFY(!QFileInfo::exists(store.storePath()));

    QVERIFY(store.createKey(kKey));
    QVERIFY(store.setValue(kKey, QStringLiteral("v"), {REG_SZ, "x"}));
    const RegeditParse parsed = parseRegedit(readAll(store.storePath()));
    QVERIFY2(parsed.tree, qPrintable(parsed.error));
    QCOMPARE(parsed.tree->value(kKey, QStringLiteral("v")), (RegData{REG_SZ, "x"}));
    // Only the store and its lock remain: no temporary file is left behind.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("Quorvil.reg"), QStringLiteral("Quorvil.reg.lock")}));

    QVERIFY(store.deleteValue(kKey, QStringLiteral("V")));
    QVERIFY(!FileRegistry().value(kKey, QStringLiteral("v")));
    QVERIFY(store.deleteKey(kKey));
    QVERIFY(!FileRegistry().keyExists(kKey));
    QVERIFY(FileRegistry().keyExists(QStringLiteral("Software\\Quorvil")));
    QVERIFY(!store.deleteKey(QStringLiteral("Software")));

    // A folder of the caller's own choosing.
    const QString other = TestEnvironment::root() + QStringLiteral("/elsewhere");
    FileRegistry elsewhere(other);
    QVERIFY(elsewhere.createKey(kKey));
    QVERIFY(QFileInfo::exists(other + QStringLiteral("/Quorvil.reg")));
    QVERIFY(!store.keyExists(QStringLiteral("Software\\Quorvil\\Shared")));
    QDir(other).removeRecursively();
}

void TestRegistryFile::valuesOutliveTheProcess_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("plain") << "Arial";
    QTest::newRow("quotes and backslashes") << R"(C:\My "Documents"\ \\server\)";
    QTest::newRow("non-ASCII") << "Café – “quoted” € 漢字 🙂";
    QTest::newRow("brackets and equals") << "[HKEY_CURRENT_USER\\x]\n\"a\"=\"b\"";
}

void TestRegistryFile::valuesOutliveTheProcess()
{
    QFETCH(QString, text);

    FileRegistry store;
    RegistryFunctions registry(store);
    registry.CreateNewKey(HKEY_CURRENT_USER, kKey);
    registry.SetKeyValue(HKEY_CURRENT_USER, kKey, QStringLiteral("Mine"), text, REG_SZ);
    registry.SetKeyValue(HKEY_CURRENT_USER, kKey, QStringLiteral("Number"), QStringLiteral("300"), REG_DWORD);
    QCOMPARE(runHelper({QStringLiteral("read"), kKey, QStringLiteral("Mine")}), (QStringLiteral("text:") + text).toUtf8());
    QCOMPARE(runHelper({QStringLiteral("read"), kKey, QStringLiteral("Number")}), QByteArray("number:300"));
    QCOMPARE(runHelper({QStringLiteral("read"), kKey, QStringLiteral("Missing")}, 2), QByteArray("empty"));

    // The same store object sees what the other process wrote: nothing is held between calls.
    QVERIFY(runHelper({QStringLiteral("writetext"), kKey, QStringLiteral("Theirs"), text}));
    QCOMPARE(regToText(registry.QueryValue(HKEY_CURRENT_USER, kKey, QStringLiteral("Theirs"))), text);
    QCOMPARE(regToText(registry.QueryValue(HKEY_CURRENT_USER, kKey, QStringLiteral("Mine"))), text);
    QVERIFY(!globals().gRegError);
}

void TestRegistryFile::concurrentWritersLoseNothing()
{
    constexpr int kCount = 500;
    QProcess first;
    QProcess second;
    first.start(helperPath(), {QStringLiteral("write"), kKey, QStringLiteral("a"), QString::number(kCount)});
    second.start(helperPath(), {QStringLiteral("write"), kKey, QStringLiteral("b"), QString::number(kCount)});
    for (QProcess *process : {&first, &second}) {
        QVERIFY(process->waitForFinished(120000));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 0);
    }

    FileRegistry store;
    RegistryFunctions registry(store);
    for (const QString &prefix : {QStringLiteral("a"), QStringLiteral("b")}) {
        for (int i = 0; i < kCount; ++i) {
            const RegValue value = registry.QueryValue(HKEY_CURRENT_USER, kKey, prefix + QString::number(i));
            QVERIFY2(regToNumber(value) == i, qPrintable(prefix + QString::number(i)));
        }
    }
    QVERIFY(!globals().gRegError);
    QVERIFY(!QFileInfo::exists(store.storePath() + QStringLiteral(".tmp")));
}

void TestRegistryFile::damagedStoreIsKeptAside_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray good = readAll(QStringLiteral(QUORVIL_TEST_DATA "/registry/settings.reg"));
    const qsizetype midLine = good.indexOf("Window Text") + 4;
    QByteArray garbled = good;
    garbled.replace("\"Hilite\"=\"False\"", "\"Hilite\"=False");
    QByteArray junk(3000, Qt::Uninitialized);
    for (qsizetype i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 131 + 7) % 256);

    QTest::newRow("truncated mid-line") << good.left(midLine);
    QTest::newRow("garbled line") << garbled;
    QTest::newRow("binary junk") << junk;
    QTest::newRow("wrong header") << QByteArray("REGEDIT5") + good.mid(8);
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("too large") << good + QByteArray(kMaxRegeditBytes, ';') + "\n\n";
}

void TestRegistryFile::damagedStoreIsKeptAside()
{
    QFETCH(QByteArray, bytes);

    FileRegistry store;
    writeAll(store.storePath(), bytes);
    RegistryFunctions registry(store);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("is damaged")));
    QVERIFY(regIsEmpty(registry.QueryValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Quorvil\\FontMap"),
                                           QStringLiteral("ForeColorName"))));
    QVERIFY(globals().gRegError);
    QVERIFY(regIsEmpty(registry.QueryValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Quorvil"), QStringLiteral("MV"))));

    // A write with nothing to write into leaves the file as it was.
    registry.SetKeyValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Quorvil\\FontMap"), QStringLiteral("Hilite"), true,
                         REG_SZ);
    QCOMPARE(readAll(store.storePath()), bytes);
    QVERIFY(!QFileInfo::exists(store.damagedPath()));

    // The first real change keeps the damaged file, then writes a whole new one.
    registry.CreateNewKey(HKEY_CURRENT_USER, QStringLiteral("Software\\Quorvil\\FontMap"));
    registry.SetKeyValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Quorvil\\FontMap"), QStringLiteral("Hilite"), true,
                         REG_SZ);
    QCOMPARE(readAll(store.damagedPath()), bytes);
    const RegeditParse parsed = parseRegedit(readAll(store.storePath()));
    QVERIFY2(parsed.tree, qPrintable(parsed.error));
    QCOMPARE(parsed.tree->value(QStringLiteral("Software\\Quorvil\\FontMap"), QStringLiteral("Hilite")),
             (RegData{REG_SZ, "True"}));
    QCOMPARE(parsed.tree->root().subkeys.front().subkeys.front().subkeys.size(), size_t(1));

    // Later changes leave the kept copy alone.
    registry.SetKeyValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Quorvil\\FontMap"), QStringLiteral("Hilite"), false,
                         REG_SZ);
    QCOMPARE(readAll(store.damagedPath()), bytes);
    QCOMPARE(regToText(registry.QueryValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Quorvil\\FontMap"),
                                           QStringLiteral("Hilite"))),
             QStringLiteral("False"));
}

void TestRegistryFile::unreadableStoreIsNeverReplaced()
{
    FileRegistry store;
    QVERIFY(store.createKey(kKey));
    QVERIFY(store.setValue(kKey, QStringLiteral("v"), {REG_SZ, "x"}));
    const QByteArray before = readAll(store.storePath());
    QVERIFY(QFile::setPermissions(store.storePath(), QFileDevice::Permissions()));
    QFile probe(store.storePath());
    if (probe.open(QIODevice::ReadOnly)) {
        QFile::setPermissions(store.storePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QSKIP("this user reads files without read permission");
    }

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot read")));
    QVERIFY(!store.value(kKey, QStringLiteral("v")));
    QVERIFY(!store.setValue(kKey, QStringLiteral("v"), {REG_SZ, "y"}));
    QVERIFY(!store.createKey(QStringLiteral("Software\\Other")));

    QVERIFY(QFile::setPermissions(store.storePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(readAll(store.storePath()), before);
    QVERIFY(!QFileInfo::exists(store.damagedPath()));
}

void TestRegistryFile::oversizeChangeIsRefused()
{
    FileRegistry store;
    QVERIFY(store.createKey(kKey));
    QVERIFY(store.setValue(kKey, QStringLiteral("Kept"), {REG_SZ, "x"}));
    const QByteArray before = readAll(store.storePath());

    // Written as hex, 1.5 MiB take three times as much: more than a store file may hold.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refusing a change")));
    QVERIFY(!store.setValue(kKey, QStringLiteral("Huge"), {REG_BINARY, QByteArray(3 << 19, '\x01')}));
    QCOMPARE(readAll(store.storePath()), before);
    QCOMPARE(store.value(kKey, QStringLiteral("Kept")), (RegData{REG_SZ, "x"}));

    QVERIFY(store.setValue(kKey, QStringLiteral("Large"), {REG_BINARY, QByteArray(1 << 19, '\x01')}));
    QCOMPARE(store.value(kKey, QStringLiteral("Large"))->bytes.size(), 1 << 19);
}

QUORVIL_TEST_MAIN(TestRegistryFile)
#include "tst_registryfile.moc"
