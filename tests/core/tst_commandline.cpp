#include "app/rules/CommandLine.h"
#include "app/rules/PathParts.h"

#include <QTest>

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void path_data();
    void path();
    void split_data();
    void split();
};

void TestCommandLine::path_data()
{
    QTest::addColumn<QStringList>("tail");
    QTest::addColumn<bool>("initMap");
    QTest::addColumn<QString>("initMapPath");
    QTest::addColumn<QString>("path");
    const QString map = QStringLiteral("/home/ann/maps/Greek.QCM");

    QTest::newRow("nothing") << QStringList{} << false << map << "";
    QTest::newRow("start-up map") << QStringList{} << true << map << map;
    QTest::newRow("start-up map None") << QStringList{} << true << "None" << "";
    QTest::newRow("start-up map set, empty path") << QStringList{} << true << "" << "";
    QTest::newRow("tail wins over the start-up map") << QStringList{"/tmp/a.txt"} << true << map << "/tmp/a.txt";
    QTest::newRow("quoted, with blanks") << QStringList{"\"/tmp/my notes.txt\""} << false << "" << "/tmp/my notes.txt";
    QTest::newRow("blanks split by the shell") << QStringList{"/tmp/my", "notes.txt"} << false << ""
                                               << "/tmp/my notes.txt";
    QTest::newRow("quote at the start only") << QStringList{"\"/tmp/a.txt"} << false << "" << "/tmp/a.txt";
    QTest::newRow("quote at the end only") << QStringList{"/tmp/a.txt\""} << false << "" << "/tmp/a.txt";
    QTest::newRow("one quote each end only") << QStringList{"\"\"/tmp/a.txt\"\""} << false << ""
                                             << "/work/here/\"/tmp/a.txt\"";
    QTest::newRow("relative") << QStringList{"notes.txt"} << false << "" << "/work/here/notes.txt";
    QTest::newRow("relative, quoted") << QStringList{"\"maps/a.QCM\""} << false << "" << "/work/here/maps/a.QCM";
    QTest::newRow("relative, up") << QStringList{"../a.QCM"} << false << "" << "/work/a.QCM";
    QTest::newRow("absolute stays as written") << QStringList{"/tmp/../a.txt"} << false << "" << "/tmp/../a.txt";
    QTest::newRow("lone quote") << QStringList{"\""} << false << "" << "";
}

void TestCommandLine::path()
{
    QFETCH(QStringList, tail);
    QFETCH(bool, initMap);
    QFETCH(QString, initMapPath);
    QFETCH(QString, path);
    QCOMPARE(commandLinePath(QStringList{"quorvil"} + tail, initMap, initMapPath, "/work/here"), path);
}

void TestCommandLine::split_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::newRow("file") << "/home/ann/a.txt" << "/home/ann/" << "a.txt";
    QTest::newRow("root") << "/a.txt" << "/" << "a.txt";
    QTest::newRow("folder only") << "/home/ann/" << "/home/ann/" << "";
    QTest::newRow("no separator") << "a.txt" << "" << "a.txt";
}

void TestCommandLine::split()
{
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(QString, name);
    const PathParts parts = splitPath(path);
    QCOMPARE(parts.folder, folder);
    QCOMPARE(parts.name, name);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
