#include "app/rules/CommandLine.h"

#include <QProcess>
#include <QTest>

// The program itself, started as a user starts it from a shell.
class TestProgramOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printsAndEndsWithoutADisplay_data();
    void printsAndEndsWithoutADisplay();
};

void TestProgramOptions::printsAndEndsWithoutADisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandLine::Request>("reply");
    QTest::newRow("--help") << QStringList{"--help"} << CommandLine::Request::Help;
    QTest::newRow("--version") << QStringList{"--version"} << CommandLine::Request::Version;
    QTest::newRow("--help after a file") << QStringList{"notes.txt", "--help"} << CommandLine::Request::Help;
    QTest::newRow("beside a Qt option") << QStringList{"-platform", "offscreen", "--version"}
                                        << CommandLine::Request::Version;
}

void TestProgramOptions::printsAndEndsWithoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Request, reply);
    // No display and no platform chosen: a program that tried to show anything would abort.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUORVIL_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), commandLineReply(reply));
    QCOMPARE(program.readAllStandardError(), QByteArray());
}

QTEST_GUILESS_MAIN(TestProgramOptions)
#include "tst_programoptions.moc"
