#include "app/rules/CommandLine.h"
#include "app/rules/PathParts.h"

#include <QTest>

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void path_data();
    void path();
    void requests_data();
    void requests();
    void replies();
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
    QTest::newRow("-- is dropped") << QStringList{"--", "/tmp/a.txt"} << false << "" << "/tmp/a.txt";
    QTest::newRow("-- alone: the start-up map") << QStringList{"--"} << true << map << map;
    QTest::newRow("an option after --") << QStringList{"--", "--help"} << false << "" << "/work/here/--help";
    QTest::newRow("a second -- is a path") << QStringList{"--", "--", "x"} << false << "" << "/work/here/-- x";
    QTest::newRow("-- between two parts") << QStringList{"/tmp/my", "--", "notes.txt"} << false << ""
                                          << "/tmp/my notes.txt";
    QTest::newRow("other dashes are paths") << QStringList{"-h", "--helps"} << false << "" << "/work/here/-h --helps";
}

void TestCommandLine::path()
{
    QFETCH(QStringList, tail);
    QFETCH(bool, initMap);
    QFETCH(QString, initMapPath);
    QFETCH(QString, path);
    QCOMPARE(commandLinePath(QStringList{"quorvil"} + tail, initMap, initMapPath, "/work/here"), path);
}

void TestCommandLine::requests_data()
{
    QTest::addColumn<QStringList>("tail");
    QTest::addColumn<CommandLine::Request>("request");
    QTest::newRow("nothing") << QStringList{} << CommandLine::Request::Start;
    QTest::newRow("a file") << QStringList{"a.txt"} << CommandLine::Request::Start;
    QTest::newRow("help") << QStringList{"--help"} << CommandLine::Request::Help;
    QTest::newRow("version") << QStringList{"--version"} << CommandLine::Request::Version;
    QTest::newRow("help after a file") << QStringList{"a.txt", "--help"} << CommandLine::Request::Help;
    QTest::newRow("the first one asks") << QStringList{"--version", "--help"} << CommandLine::Request::Version;
    QTest::newRow("after --, a path") << QStringList{"--", "--help"} << CommandLine::Request::Start;
    QTest::newRow("quoted, a path") << QStringList{"\"--help\""} << CommandLine::Request::Start;
}

void TestCommandLine::requests()
{
    QFETCH(QStringList, tail);
    QFETCH(CommandLine::Request, request);
    QCOMPARE(readCommandLine(QStringList{"quorvil"} + tail).request, request);
}

void TestCommandLine::replies()
{
    // What --help and --version print: the file types the program opens, and its version.
    const QString usage = commandLineReply(CommandLine::Request::Help);
    for (const char *part : {"Usage: quorvil [FILE]", "*.TXT", "*.QUF", "*.QCM", "--help", "--version", "--  "})
        QVERIFY2(usage.contains(QLatin1String(part)), part);
    QVERIFY(usage.endsWith(QLatin1Char('\n')));
    QCOMPARE(commandLineReply(CommandLine::Request::Version), QStringLiteral("Quorvil 3.0.0 RC2\n"));
    QCOMPARE(commandLineReply(CommandLine::Request::Start), QString());
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
