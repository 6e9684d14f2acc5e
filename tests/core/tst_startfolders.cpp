#include "app/rules/StartFolders.h"

#include <QSet>
#include <QTest>

namespace {

// The folders of a small account; nothing else exists.
bool isFolder(const QString &path)
{
    static const QSet<QString> folders = {QStringLiteral("/"), QStringLiteral("/home"), QStringLiteral("/home/ann"),
                                          QStringLiteral("/home/ann/letters"), QStringLiteral("/home/ann/Documents")};
    return folders.contains(path);
}

} // namespace

class TestStartFolders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void documentsOrHome_data();
    void documentsOrHome();
    void dialogStart_data();
    void dialogStart();
};

void TestStartFolders::documentsOrHome_data()
{
    QTest::addColumn<QString>("documents");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("documents folder") << "/home/ann/Documents" << "/home/ann/Documents";
    QTest::newRow("named but never made") << "/home/ann/Dokumente" << "/home/ann";
    QTest::newRow("none named") << "" << "/home/ann";
}

void TestStartFolders::documentsOrHome()
{
    QFETCH(QString, documents);
    QFETCH(QString, chosen);
    QCOMPARE(StartFolders::documentsOrHome(documents, QStringLiteral("/home/ann"), isFolder), chosen);
}

void TestStartFolders::dialogStart_data()
{
    QTest::addColumn<QString>("initDir");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::newRow("folder that exists") << "/home/ann/letters" << "" << "/home/ann/letters" << "";
    QTest::newRow("deleted folder") << "/home/ann/letters/2023/May" << "" << "/home/ann/letters" << "";
    QTest::newRow("trailing separator") << "/home/ann/letters/" << "" << "/home/ann/letters" << "";
    QTest::newRow("up and back") << "/home/ann/gone/../letters" << "" << "/home/ann/letters" << "";
    QTest::newRow("nothing of it left but the root") << "/media/stick/maps" << "" << "/" << "";
    QTest::newRow("no folder") << "" << "" << "/home/ann/Documents" << "";
    QTest::newRow("relative folder") << "letters" << "" << "/home/ann/Documents" << "";
    QTest::newRow("bare name") << "/home/ann/letters" << "a.quf" << "/home/ann/letters" << "a.quf";
    QTest::newRow("bare name, folder deleted") << "/home/ann/gone" << "a.quf" << "/home/ann" << "a.quf";
    QTest::newRow("name with its own folder") << "/home/ann/letters" << "/home/ann/Documents/a.quf"
                                              << "/home/ann/Documents" << "a.quf";
    QTest::newRow("name whose folder was deleted") << "/home/ann/letters" << "/home/ann/gone/a.quf" << "/home/ann"
                                                   << "a.quf";
    QTest::newRow("name in the root") << "" << "/a.quf" << "/" << "a.quf";
    QTest::newRow("relative name with a folder") << "/home/ann" << "letters/a.txt" << "/home/ann/letters" << "a.txt";
    QTest::newRow("name that is a folder") << "" << "/home/ann/letters" << "/home/ann/letters" << "";
    QTest::newRow("bare name of a folder below") << "/home/ann" << "letters" << "/home/ann/letters" << "";
}

void TestStartFolders::dialogStart()
{
    QFETCH(QString, initDir);
    QFETCH(QString, fileName);
    QFETCH(QString, folder);
    QFETCH(QString, name);
    const StartFolders::DialogStart start =
        StartFolders::dialogStart(initDir, fileName, QStringLiteral("/home/ann/Documents"), isFolder);
    QCOMPARE(start.folder, folder);
    QCOMPARE(start.fileName, name);
}

QTEST_GUILESS_MAIN(TestStartFolders)
#include "tst_startfolders.moc"
