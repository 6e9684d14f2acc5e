#include "support/FilePermissions.h"
#include "support/TestMain.h"

#include "core/GlobalDeclarations.h"
#include "core/RegistryFunctions.h"
#include "platform/FileRegistry.h"
#include "platform/RegeditFormat.h"
#include "platform/fakes/MemoryRegistry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <QElapsedTimer>

#include <optional>

#include <sys/stat.h>
#include <unistd.h>

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

// A store file holding kKey with the value Old = "kept".
QByteArray storeWithOldValue()
{
    RegistryTree tree;
    tree.createKey(kKey);
    tree.setValue(kKey, QStringLiteral("Old"), {REG_SZ, "kept"});
    return writeRegedit(tree);
}

// Temporary files of the store's left in the folder (links that someone planted are not).
QStringList leftovers(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.tmp*")}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
}

mode_t modeOf(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 07777) : 0;
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
    void batchActsAsItsSingleCalls_data();
    void batchActsAsItsSingleCalls();
    void fileIsParsedOncePerChange();
    void symlinkedStoreKeepsItsLink_data();
    void symlinkedStoreKeepsItsLink();
    void eachDamagedStoreKeepsACopy();
    void damagedStoreThatCannotBeReplacedIsCopiedOnce();
    void storeThatIsNoFile_data();
    void storeThatIsNoFile();
    void plantedTemporaryLinkIsNotFollowed();
    void storeKeepsItsMode_data();
    void storeKeepsItsMode();
    void killedWritersTemporariesAreRemoved();
    void lockHeldByAnotherProgramIsWaitedForOnce();

private:
    // Each case begins with a fresh program state.
    std::optional<GlobalDeclarations> m_program;
};

void TestRegistryFile::init()
{
    m_program.emplace();
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
    QVERIFY(leftovers(QFileInfo(store.storePath()).absolutePath()).isEmpty());
}

void TestRegistryFile::damagedStoreIsKeptAside_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("logged");

    const QByteArray good = readAll(QStringLiteral(QUORVIL_TEST_DATA "/registry/settings.reg"));
    const qsizetype midLine = good.indexOf("Window Text") + 4;
    QByteArray garbled = good;
    garbled.replace("\"Hilite\"=\"False\"", "\"Hilite\"=False");
    QByteArray junk(3000, Qt::Uninitialized);
    for (qsizetype i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 131 + 7) % 256);

    QTest::newRow("truncated mid-line") << good.left(midLine) << "is damaged";
    QTest::newRow("garbled line") << garbled << "is damaged";
    QTest::newRow("binary junk") << junk << "is damaged";
    QTest::newRow("wrong header") << QByteArray("REGEDIT5") + good.mid(8) << "is damaged";
    QTest::newRow("empty file") << QByteArray() << "is damaged";
    QTest::newRow("too large") << good + QByteArray(kMaxRegeditBytes, ';') + "\n\n" << "is too large";
}

void TestRegistryFile::damagedStoreIsKeptAside()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, logged);

    FileRegistry store;
    writeAll(store.storePath(), bytes);
    RegistryFunctions registry(store);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(logged));
    QVERIFY(regIsEmpty(registry.QueryValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Quorvil\\FontMap"),
                                           QStringLiteral("ForeColorName"))));
    QVERIFY(globals().gRegError);
    QVERIFY(regIsEmpty(registry.QueryValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Quorvil"), QStringLiteral("MV"))));

    // A write with nothing to write into leaves the file as it was, and keeps no copy.
    registry.SetKeyValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Quorvil\\FontMap"), QStringLiteral("Hilite"), true,
                         REG_SZ);
    QCOMPARE(readAll(store.storePath()), bytes);
    QVERIFY(store.damagedCopies().isEmpty());

    // The first real change keeps the damaged file, then writes a whole new one.
    registry.CreateNewKey(HKEY_CURRENT_USER, QStringLiteral("Software\\Quorvil\\FontMap"));
    registry.SetKeyValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Quorvil\\FontMap"), QStringLiteral("Hilite"), true,
                         REG_SZ);
    QCOMPARE(store.damagedCopies().size(), 1);
    QCOMPARE(readAll(store.damagedCopies().constFirst()), bytes);
    const RegeditParse parsed = parseRegedit(readAll(store.storePath()));
    QVERIFY2(parsed.tree, qPrintable(parsed.error));
    QCOMPARE(parsed.tree->value(QStringLiteral("Software\\Quorvil\\FontMap"), QStringLiteral("Hilite")),
             (RegData{REG_SZ, "True"}));
    QCOMPARE(parsed.tree->root().subkeys.front().subkeys.front().subkeys.size(), size_t(1));

    // Later changes leave the kept copy alone.
    registry.SetKeyValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Quorvil\\FontMap"), QStringLiteral("Hilite"), false,
                         REG_SZ);
    QCOMPARE(store.damagedCopies().size(), 1);
    QCOMPARE(readAll(store.damagedCopies().constFirst()), bytes);
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
    ObeyFilePermissions obey;
    QVERIFY(QFile::setPermissions(store.storePath(), QFileDevice::Permissions()));
    QFile probe(store.storePath());
    if (probe.open(QIODevice::ReadOnly)) {
        QFile::setPermissions(store.storePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QSKIP("this user reads files without read permission");
    }

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot read")));
    QVERIFY(!store.value(kKey, QStringLiteral("v")));
    const StoreProblem problem = store.problem();
    QCOMPARE(problem.kind, StoreProblem::Kind::Unreadable);
    QCOMPARE(problem.reason, QStringLiteral("Permission denied"));
    QVERIFY(!store.setValue(kKey, QStringLiteral("v"), {REG_SZ, "y"}));
    QVERIFY(!store.createKey(QStringLiteral("Software\\Other")));

    QVERIFY(QFile::setPermissions(store.storePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(readAll(store.storePath()), before);
    QVERIFY(store.damagedCopies().isEmpty());
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

void TestRegistryFile::batchActsAsItsSingleCalls_data()
{
    QTest::addColumn<QList<RegWrite>>("batch");

    const RegData text{REG_SZ, "text"};
    const RegData number{REG_DWORD, QByteArray("\x2c\x01\0\0", 4)};
    const QString missing = QStringLiteral("Software\\Quorvil\\Missing");
    QTest::newRow("new and replaced values") << QList<RegWrite>{{kKey, QStringLiteral("New"), text},
                                                                {kKey, QStringLiteral("old"), number},
                                                                {QStringLiteral("Software"), QString(), text}};
    QTest::newRow("deletes, one of a missing value") << QList<RegWrite>{{kKey, QStringLiteral("Old"), std::nullopt},
                                                                        {kKey, QStringLiteral("Never"), std::nullopt}};
    QTest::newRow("a value under a missing key") << QList<RegWrite>{{kKey, QStringLiteral("A"), text},
                                                                    {missing, QStringLiteral("B"), text},
                                                                    {kKey, QStringLiteral("C"), number}};
    QTest::newRow("the last of the same name wins") << QList<RegWrite>{{kKey, QStringLiteral("A"), text},
                                                                       {kKey, QStringLiteral("a"), number}};
    QTest::newRow("written, then deleted") << QList<RegWrite>{{kKey, QStringLiteral("A"), text},
                                                              {kKey, QStringLiteral("A"), std::nullopt}};
    QTest::newRow("a malformed name") << QList<RegWrite>{{kKey, QStringLiteral("bad\nname"), text},
                                                         {kKey, QStringLiteral("good"), text}};
    QTest::newRow("nothing that can be made") << QList<RegWrite>{{missing, QStringLiteral("A"), text},
                                                                 {kKey, QStringLiteral("Never"), std::nullopt}};
    QTest::newRow("empty") << QList<RegWrite>{};
}

void TestRegistryFile::batchActsAsItsSingleCalls()
{
    QFETCH(QList<RegWrite>, batch);

    // What the single calls do, one after another, on the same store in memory.
    MemoryRegistry expected;
    expected.plant(kKey, QStringLiteral("Old"), {REG_SZ, "kept"});
    bool everyCallMade = true;
    for (const RegWrite &w : batch)
        everyCallMade &= w.data ? expected.setValue(w.keyPath, w.name, *w.data) : expected.deleteValue(w.keyPath, w.name);

    MemoryRegistry memory;
    memory.plant(kKey, QStringLiteral("Old"), {REG_SZ, "kept"});
    QCOMPARE(memory.write(batch), everyCallMade);
    QVERIFY(memory.tree() == expected.tree());

    writeAll(TestEnvironment::settingsFile(), storeWithOldValue());
    FileRegistry store;
    QCOMPARE(store.write(batch), everyCallMade);
    const RegeditParse parsed = parseRegedit(readAll(store.storePath()));
    QVERIFY2(parsed.tree, qPrintable(parsed.error));
    QVERIFY(*parsed.tree == expected.tree());
    // All of it in one replace of the file, or none when nothing changed.
    QCOMPARE(store.replaceCount(), *parsed.tree == *parseRegedit(storeWithOldValue()).tree ? 0 : 1);
}

void TestRegistryFile::fileIsParsedOncePerChange()
{
    FileRegistry writer;
    QVERIFY(writer.createKey(kKey));
    QVERIFY(writer.setValue(kKey, QStringLiteral("v"), {REG_SZ, "1"}));
    // A store that wrote the file knows what is in it.
    QCOMPARE(writer.parseCount(), 0);
    QCOMPARE(writer.replaceCount(), 2);

    FileRegistry reader;
    for (int i = 0; i < 100; ++i)
        QCOMPARE(reader.value(kKey, QStringLiteral("v")), (RegData{REG_SZ, "1"}));
    QCOMPARE(reader.parseCount(), 1);
    QVERIFY(reader.setValue(kKey, QStringLiteral("w"), {REG_SZ, "own"}));
    QCOMPARE(reader.value(kKey, QStringLiteral("w")), (RegData{REG_SZ, "own"}));
    QCOMPARE(reader.parseCount(), 1);

    // Another process's change is seen by the next read, and read once.
    QVERIFY(runHelper({QStringLiteral("writetext"), kKey, QStringLiteral("v"), QStringLiteral("2")}));
    QCOMPARE(reader.value(kKey, QStringLiteral("v")), (RegData{REG_SZ, "2"}));
    QCOMPARE(reader.value(kKey, QStringLiteral("w")), (RegData{REG_SZ, "own"}));
    QCOMPARE(reader.parseCount(), 2);
    QCOMPARE(writer.value(kKey, QStringLiteral("v")), (RegData{REG_SZ, "2"}));

    // So is an edit made in place by another tool.
    QByteArray edited = readAll(reader.storePath());
    edited.replace(R"("v"="2")", R"("v"="three")");
    QFile file(reader.storePath());
    QVERIFY(file.open(QIODevice::ReadWrite));
    QCOMPARE(file.write(edited), edited.size());
    file.close();
    QCOMPARE(reader.value(kKey, QStringLiteral("v")), (RegData{REG_SZ, "three"}));
    QCOMPARE(reader.parseCount(), 3);

    // And its removal, which needs no reading at all.
    QVERIFY(QFile::remove(reader.storePath()));
    QVERIFY(!reader.value(kKey, QStringLiteral("v")));
    QVERIFY(!reader.keyExists(kKey));
    QCOMPARE(reader.parseCount(), 3);
}

void TestRegistryFile::symlinkedStoreKeepsItsLink_data()
{
    QTest::addColumn<QString>("linkText"); // what the store's link holds; %1 is the dotfiles folder
    QTest::addColumn<QByteArray>("target"); // the target's bytes; none: it does not exist yet

    QTest::newRow("absolute link") << "%1/quorvil.reg" << storeWithOldValue();
    QTest::newRow("relative link") << "../../dotfiles/quorvil.reg" << storeWithOldValue();
    QTest::newRow("link to a link") << "%1/link.reg" << storeWithOldValue();
    QTest::newRow("link to nothing yet") << "%1/quorvil.reg" << QByteArray();
    QTest::newRow("link to a damaged store") << "%1/quorvil.reg" << QByteArray("REGEDIT4\n\n[HKEY_CURRENT_USER\n");
}

void TestRegistryFile::symlinkedStoreKeepsItsLink()
{
    QFETCH(QString, linkText);
    QFETCH(QByteArray, target);

    const QString dotfiles = TestEnvironment::root() + QStringLiteral("/dotfiles");
    QDir(dotfiles).removeRecursively();
    QVERIFY(QDir().mkpath(dotfiles));
    const QString targetPath = dotfiles + QStringLiteral("/quorvil.reg");
    if (!target.isEmpty())
        writeAll(targetPath, target);
    QVERIFY(::symlink("quorvil.reg", QFile::encodeName(dotfiles + QStringLiteral("/link.reg")).constData()) == 0);
    FileRegistry store;
    QVERIFY(QDir().mkpath(QFileInfo(store.storePath()).absolutePath()));
    const QByteArray link = QFile::encodeName(QString(linkText).replace(QStringLiteral("%1"), dotfiles));
    QVERIFY(::symlink(link.constData(), QFile::encodeName(store.storePath()).constData()) == 0);

    const bool damaged = target.startsWith("REGEDIT4") && !parseRegedit(target).tree;
    if (damaged)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("is damaged")));
    QVERIFY(store.createKey(kKey));
    QVERIFY(store.setValue(kKey, QStringLiteral("New"), {REG_SZ, "written"}));

    // The link is as it was, and the file it leads to holds the change.
    QVERIFY(QFileInfo(store.storePath()).isSymLink());
    char held[4096];
    const ssize_t length = ::readlink(QFile::encodeName(store.storePath()).constData(), held, sizeof held);
    QCOMPARE(QByteArray(held, int(length)), link);
    const RegeditParse parsed = parseRegedit(readAll(targetPath));
    QVERIFY2(parsed.tree, qPrintable(parsed.error));
    QCOMPARE(parsed.tree->value(kKey, QStringLiteral("New")), (RegData{REG_SZ, "written"}));
    QCOMPARE(parsed.tree->value(kKey, QStringLiteral("Old")).has_value(), target == storeWithOldValue());
    QCOMPARE(FileRegistry().value(kKey, QStringLiteral("New")), (RegData{REG_SZ, "written"}));
    QVERIFY(leftovers(dotfiles).isEmpty());
    QVERIFY(leftovers(QFileInfo(store.storePath()).absolutePath()).isEmpty());
    QCOMPARE(store.damagedCopies().size(), damaged ? 1 : 0);
    if (damaged)
        QCOMPARE(readAll(store.damagedCopies().constFirst()), target);
    QDir(dotfiles).removeRecursively();
}

void TestRegistryFile::eachDamagedStoreKeepsACopy()
{
    FileRegistry store;
    QStringList kept;
    for (int i = 0; i < FileRegistry::kKeptDamagedCopies + 2; ++i) {
        const QByteArray damaged = "REGEDIT4\n\ndamaged " + QByteArray(i + 1, 'x') + '\n';
        writeAll(store.storePath(), damaged);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("is damaged")));
        QVERIFY(!store.value(kKey, QStringLiteral("v")));
        const StoreProblem problem = store.problem();
        QCOMPARE(problem.kind, StoreProblem::Kind::Damaged);
        QCOMPARE(problem.storePath, store.storePath());
        QCOMPARE(readAll(problem.keptAs), damaged);
        // Asking again, or changing the store, keeps no second copy of the same file.
        QCOMPARE(store.problem().keptAs, problem.keptAs);
        QVERIFY(store.createKey(kKey));
        QCOMPARE(store.problem().kind, StoreProblem::Kind::None);
        kept.prepend(problem.keptAs);
        QCOMPARE(store.damagedCopies(), kept.mid(0, FileRegistry::kKeptDamagedCopies));
    }
}

void TestRegistryFile::damagedStoreThatCannotBeReplacedIsCopiedOnce()
{
    // A damaged store linked from a folder the program may not write into.
    const QString dotfiles = TestEnvironment::root() + QStringLiteral("/readonly-dotfiles");
    QVERIFY(QDir().mkpath(dotfiles));
    const QByteArray damaged("REGEDIT4\n\n[HKEY_CURRENT_USER\n");
    writeAll(dotfiles + QStringLiteral("/quorvil.reg"), damaged);
    FileRegistry store;
    QVERIFY(QDir().mkpath(QFileInfo(store.storePath()).absolutePath()));
    QVERIFY(QFile::link(dotfiles + QStringLiteral("/quorvil.reg"), store.storePath()));
    ObeyFilePermissions obey;
    QVERIFY(QFile::setPermissions(dotfiles, QFileDevice::ReadOwner | QFileDevice::ExeOwner));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("is damaged")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot replace .*: Permission denied")));
    QVERIFY(!store.createKey(kKey));
    QVERIFY(!store.createKey(kKey));
    QVERIFY(!store.keyExists(kKey));
    QCOMPARE(store.damagedCopies().size(), 1);
    QCOMPARE(store.problem().keptAs, store.damagedCopies().constFirst());
    QVERIFY(QFile::setPermissions(dotfiles, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    QCOMPARE(readAll(dotfiles + QStringLiteral("/quorvil.reg")), damaged);
    QDir(dotfiles).removeRecursively();
}

void TestRegistryFile::storeThatIsNoFile_data()
{
    QTest::addColumn<bool>("folder"); // a folder in the store's place; otherwise a named pipe
    QTest::addColumn<QString>("reason");

    QTest::newRow("a folder") << true << "Is a directory";
    QTest::newRow("a named pipe") << false << "not a regular file";
}

void TestRegistryFile::storeThatIsNoFile()
{
    QFETCH(bool, folder);
    QFETCH(QString, reason);

    FileRegistry store;
    QVERIFY(QDir().mkpath(QFileInfo(store.storePath()).absolutePath()));
    if (folder)
        QVERIFY(QDir().mkpath(store.storePath()));
    else
        QVERIFY(::mkfifo(QFile::encodeName(store.storePath()).constData(), 0600) == 0);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot read")));
    QVERIFY(!store.value(kKey, QStringLiteral("v")));
    const StoreProblem problem = store.problem();
    QCOMPARE(problem.kind, StoreProblem::Kind::Unreadable);
    QCOMPARE(problem.reason, reason);
    QVERIFY(!store.createKey(kKey));
    QCOMPARE(QFileInfo(store.storePath()).isDir(), folder);
    QVERIFY(store.damagedCopies().isEmpty());
}

void TestRegistryFile::plantedTemporaryLinkIsNotFollowed()
{
    // The store links into a folder that everyone may write into; another user planted, at
    // the name a temporary file of the store would once take, a link to a file of ours.
    const QString shared = TestEnvironment::root() + QStringLiteral("/shared-dotfiles");
    QVERIFY(QDir().mkpath(shared));
    QVERIFY(::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
    const QString target = shared + QStringLiteral("/quorvil.reg");
    writeAll(target, storeWithOldValue());
    const QString victim = TestEnvironment::root() + QStringLiteral("/home/letter.txt");
    writeAll(victim, "Dear Ann,\n");
    QVERIFY(QFile::link(victim, target + QStringLiteral(".tmp")));
    FileRegistry store;
    QVERIFY(QDir().mkpath(QFileInfo(store.storePath()).absolutePath()));
    QVERIFY(QFile::link(target, store.storePath()));

    QVERIFY(store.setValue(kKey, QStringLiteral("New"), {REG_SZ, "written"}));

    QCOMPARE(readAll(victim), QByteArray("Dear Ann,\n"));
    QVERIFY(!QFileInfo(target).isSymLink());
    QCOMPARE(QFileInfo(store.storePath()).symLinkTarget(), target);
    const RegeditParse parsed = parseRegedit(readAll(target));
    QVERIFY2(parsed.tree, qPrintable(parsed.error));
    QCOMPARE(parsed.tree->value(kKey, QStringLiteral("New")), (RegData{REG_SZ, "written"}));
    QCOMPARE(parsed.tree->value(kKey, QStringLiteral("Old")), (RegData{REG_SZ, "kept"}));
    QVERIFY(leftovers(shared).isEmpty());
    // The planted link is not ours to remove.
    QCOMPARE(QFileInfo(target + QStringLiteral(".tmp")).symLinkTarget(), victim);
    QDir(shared).removeRecursively();
}

void TestRegistryFile::storeKeepsItsMode_data()
{
    QTest::addColumn<int>("before"); // the store's mode; 0: there is no store yet
    QTest::addColumn<int>("after");

    // Settings hold the paths of the user's files: a new store is the user's alone.
    QTest::newRow("a new store") << 0 << 0600;
    QTest::newRow("a private store") << 0600 << 0600;
    QTest::newRow("a store shared with the group") << 0660 << 0660;
}

void TestRegistryFile::storeKeepsItsMode()
{
    QFETCH(int, before);
    QFETCH(int, after);

    FileRegistry store;
    if (before) {
        writeAll(store.storePath(), storeWithOldValue());
        QVERIFY(::chmod(QFile::encodeName(store.storePath()).constData(), mode_t(before)) == 0);
    }
    QVERIFY(store.createKey(kKey));
    QVERIFY(store.setValue(kKey, QStringLiteral("New"), {REG_SZ, "written"}));
    QCOMPARE(int(modeOf(store.storePath())), after);
}

void TestRegistryFile::killedWritersTemporariesAreRemoved()
{
    FileRegistry store;
    writeAll(store.storePath(), storeWithOldValue());
    const QString folder = QFileInfo(store.storePath()).absolutePath();
    // What writers killed before their rename left behind; older versions used a fixed name.
    writeAll(store.storePath() + QStringLiteral(".tmp-k1ll3d"), "REGEDIT4\n\n; half");
    writeAll(store.storePath() + QStringLiteral(".tmp"), "REGEDIT4\n\n[HKEY_CURR");
    const QString elsewhere = TestEnvironment::root() + QStringLiteral("/elsewhere.txt");
    writeAll(elsewhere, "mine");
    QVERIFY(QFile::link(elsewhere, store.storePath() + QStringLiteral(".tmp-l1nk")));

    // A change that fails removes nothing.
    QVERIFY(!store.setValue(QStringLiteral("Software\\Missing"), QStringLiteral("v"), {REG_SZ, "x"}));
    QCOMPARE(leftovers(folder).size(), 2);

    QVERIFY(store.setValue(kKey, QStringLiteral("New"), {REG_SZ, "written"}));
    QCOMPARE(leftovers(folder), QStringList());
    // A link with such a name is not a file of ours: it stays, and so does what it names.
    QVERIFY(QFileInfo(store.storePath() + QStringLiteral(".tmp-l1nk")).isSymLink());
    QCOMPARE(readAll(elsewhere), QByteArray("mine"));
    QFile::remove(store.storePath() + QStringLiteral(".tmp-l1nk"));
}

void TestRegistryFile::lockHeldByAnotherProgramIsWaitedForOnce()
{
    FileRegistry store;
    QVERIFY(store.createKey(kKey));
    const QByteArray before = readAll(store.storePath());
    QList<StoreProblem> failures;
    store.setSaveFailureHandler([&](const StoreProblem &problem) { failures.append(problem); });

    // Another program took the lock and stopped; it would hold it for half a minute.
    QProcess holder;
    holder.start(helperPath(), {QStringLiteral("lock"), QStringLiteral("30")});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readLine(), QByteArray("locked\n"));

    QElapsedTimer clock;
    clock.start();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("another program holds the lock")));
    QVERIFY(!store.setValue(kKey, QStringLiteral("v"), {REG_SZ, "1"}));
    const qint64 waited = clock.restart();
    QVERIFY2(waited >= FileRegistry::kLockWait.count() - 50 && waited < FileRegistry::kLockWait.count() + 1500,
             qPrintable(QString::number(waited)));
    // The next change does not wait all over again, and nothing was written.
    QVERIFY(!store.setValue(kKey, QStringLiteral("w"), {REG_SZ, "2"}));
    QVERIFY(clock.elapsed() < 500);
    QCOMPARE(readAll(store.storePath()), before);
    QCOMPARE(failures.size(), 2);
    QCOMPARE(failures.constFirst().kind, StoreProblem::Kind::NotSaved);
    QCOMPARE(failures.constFirst().storePath, store.storePath());
    QCOMPARE(failures.constFirst().reason, QStringLiteral("another program kept it locked"));

    // Once the lock is free again, changes are made, and a short wait is waited out.
    holder.kill();
    QVERIFY(holder.waitForFinished(10000));
    QVERIFY(store.setValue(kKey, QStringLiteral("v"), {REG_SZ, "1"}));
    QProcess brief;
    brief.start(helperPath(), {QStringLiteral("lock"), QStringLiteral("1")});
    QVERIFY(brief.waitForReadyRead(10000));
    QVERIFY(store.setValue(kKey, QStringLiteral("w"), {REG_SZ, "2"}));
    QVERIFY(brief.waitForFinished(10000));
    QCOMPARE(store.value(kKey, QStringLiteral("w")), (RegData{REG_SZ, "2"}));
    QCOMPARE(failures.size(), 2);
    store.setSaveFailureHandler({});
}

QUORVIL_TEST_MAIN(TestRegistryFile)
#include "tst_registryfile.moc"
