#include "support/TestMain.h"

#include "app/Documents.h"
#include "app/HelpCommands.h"
#include "platform/FsFileChecks.h"
#include "platform/fakes/FakeFileChecks.h"
#include "platform/fakes/FakeShell.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QStringList &shipped()
{
    static const QStringList names{Documents::helpFileName(), Documents::readmeFileName(),
                                   QStringLiteral("quorvil.css")};
    return names;
}

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

} // namespace

class TestDocuments : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsBesideTheProgramFirst_data();
    void findsBesideTheProgramFirst();
    void buildTreeHasTheDocuments();
    void installedTreeHasThem();
    void linksStayInsideTheShippedSet();
    void helpCommandsOpenWhatIsFound_data();
    void helpCommandsOpenWhatIsFound();
};

void TestDocuments::findsBesideTheProgramFirst_data()
{
    QTest::addColumn<bool>("beside");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("expected"); // relative to the tree's root; empty: not found
    QTest::newRow("beside only") << true << false << "bin/Readme.html";
    QTest::newRow("installed only") << false << true << "share/quorvil/Readme.html";
    QTest::newRow("both: beside wins") << true << true << "bin/Readme.html";
    QTest::newRow("neither") << false << false << "";
}

void TestDocuments::findsBesideTheProgramFirst()
{
    QFETCH(bool, beside);
    QFETCH(bool, installed);
    QFETCH(QString, expected);
    QTemporaryDir tree;
    QDir().mkpath(tree.filePath(QStringLiteral("bin")));
    if (beside)
        touch(tree.filePath(QStringLiteral("bin/Readme.html")));
    if (installed)
        touch(tree.filePath(QStringLiteral("share/quorvil/Readme.html")));
    // A folder of the document's name is not the document.
    QDir().mkpath(tree.filePath(QStringLiteral("bin/Quorvil300.html")));

    FsFileChecks checks;
    const QStringList folders = Documents::folders(tree.filePath(QStringLiteral("bin")));
    QCOMPARE(Documents::find(checks, QStringLiteral("Readme.html"), folders),
             expected.isEmpty() ? QString() : tree.filePath(expected));
    QCOMPARE(Documents::find(checks, Documents::helpFileName(), folders), QString());
}

void TestDocuments::buildTreeHasTheDocuments()
{
    // The build puts every document beside the program, where a program run from the
    // build tree finds it.
    FsFileChecks checks;
    const QString programFolder = QStringLiteral(QUORVIL_BUILD_DIR "/src");
    QVERIFY(QFileInfo(programFolder + QStringLiteral("/quorvil")).isExecutable());
    for (const QString &name : shipped())
        QCOMPARE(Documents::find(checks, name, Documents::folders(programFolder)), programFolder + '/' + name);
}

void TestDocuments::installedTreeHasThem()
{
    QTemporaryDir prefix;
    QProcess install;
    install.start(QStringLiteral(QUORVIL_CMAKE),
                  {QStringLiteral("--install"), QStringLiteral(QUORVIL_BUILD_DIR), QStringLiteral("--prefix"),
                   prefix.path()});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
             install.readAllStandardError().constData());

    const QString bin = prefix.filePath(QStringLiteral("bin"));
    QVERIFY(QFileInfo(bin + QStringLiteral("/quorvil")).isExecutable());
    // The installed program has no documents beside it: it finds them in its data folder.
    FsFileChecks checks;
    for (const QString &name : shipped()) {
        QVERIFY(!QFile::exists(bin + '/' + name));
        QCOMPARE(Documents::find(checks, name, Documents::folders(bin)),
                 prefix.filePath(QStringLiteral("share/quorvil/")) + name);
    }
}

void TestDocuments::linksStayInsideTheShippedSet()
{
    // Every page and style sheet the documents load or link to locally is shipped with them,
    // and every in-page anchor they link to exists.
    const QString folder = QStringLiteral(QUORVIL_BUILD_DIR "/src/");
    const QRegularExpression reference(QStringLiteral(R"re((?:href|src)="([^"]*)")re"));
    const QRegularExpression anchor(QStringLiteral(R"re(id="([^"]+)")re"));
    for (const QString &name : {Documents::helpFileName(), Documents::readmeFileName()}) {
        QFile page(folder + name);
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        QStringList ids;
        for (const auto &m : anchor.globalMatch(html))
            ids << m.captured(1);
        for (const auto &m : reference.globalMatch(html)) {
            const QString target = m.captured(1);
            if (target.startsWith(QLatin1String("https:")) || target.startsWith(QLatin1String("mailto:")))
                continue;
            const QString file = target.section(QLatin1Char('#'), 0, 0);
            const QString fragment = target.section(QLatin1Char('#'), 1);
            QVERIFY2(file.isEmpty() || shipped().contains(file), qPrintable(name + ": " + target));
            if (file.isEmpty() && !fragment.isEmpty())
                QVERIFY2(ids.contains(fragment), qPrintable(name + ": " + target));
        }
    }
}

void TestDocuments::helpCommandsOpenWhatIsFound_data()
{
    QTest::addColumn<QString>("helpAt");   // "beside", "installed" or "" (missing)
    QTest::addColumn<QString>("readmeAt");
    QTest::newRow("both beside") << "beside" << "beside";
    QTest::newRow("both installed") << "installed" << "installed";
    QTest::newRow("no user guide") << "" << "installed";
    QTest::newRow("nothing") << "" << "";
}

void TestDocuments::helpCommandsOpenWhatIsFound()
{
    QFETCH(QString, helpAt);
    QFETCH(QString, readmeAt);
    const QStringList folders = Documents::folders(QCoreApplication::applicationDirPath());
    const auto place = [&](const QString &at, const QString &name) {
        return at.isEmpty() ? QString() : folders[at == QLatin1String("beside") ? 0 : 1] + '/' + name;
    };
    const QString help = place(helpAt, Documents::helpFileName());
    const QString readme = place(readmeAt, Documents::readmeFileName());

    FakeFileChecks checks;
    FakeShell shell;
    for (const QString &folder : folders) {
        checks.setFileExists(folder + '/' + Documents::helpFileName(), false);
        checks.setFileExists(folder + '/' + Documents::readmeFileName(), false);
    }
    if (!help.isEmpty())
        checks.setFileExists(help, true);
    if (!readme.isEmpty())
        checks.setFileExists(readme, true);

    HelpCommands commands(shell, checks, nullptr);
    QCOMPARE(commands.helpDocument(), help);
    QCOMPARE(commands.readmeDocument(), readme);
    commands.HelpContents_Click();
    commands.HelpReadme_Click();
    // A missing document opens nothing and says nothing.
    QStringList expected;
    if (!help.isEmpty())
        expected << help;
    if (!readme.isEmpty())
        expected << readme;
    QCOMPARE(shell.opened(), expected);
}

QUORVIL_TEST_MAIN(TestDocuments)
#include "tst_documents.moc"
