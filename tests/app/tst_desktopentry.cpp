// The install puts the desktop entry, the icon and the file types where desktops look for them,
// and the desktop's own tools accept them: desktop-file-validate the entry, update-mime-database
// the types, and xdg-mime and GLib's gio then tell a custom map or a uniform-format file by its
// name and offer the program for it, as a file manager does. A check whose tool is missing
// skips itself and says which package brings it.
#include "support/TestMain.h"

#include "app/rules/ProductInfo.h"
#include "widgets/Pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

struct Run
{
    int exitCode = -1;
    QString output; // standard output and error together
};

Run run(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment = {})
{
    QProcess process;
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAll())};
}

// The keys of a desktop entry's main group.
QHash<QString, QString> desktopEntry(const QString &path)
{
    QHash<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inMain = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inMain = line == QLatin1String("[Desktop Entry]");
        else if (inMain && line.contains(QLatin1Char('=')))
            keys.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    return keys;
}

// The types a shared-mime-info package declares, each with its glob patterns.
QMap<QString, QStringList> declaredTypes(const QString &path)
{
    QMap<QString, QStringList> types;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return types;
    QXmlStreamReader xml(&file);
    QString type;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("mime-type"))
            type = xml.attributes().value(QLatin1String("type")).toString();
        else if (xml.name() == QLatin1String("glob"))
            types[type] << xml.attributes().value(QLatin1String("pattern")).toString();
    }
    return types;
}

QString tool(const char *name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

} // namespace

class TestDesktopEntry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void installsWhereDesktopsLook();
    void entryNamesTheProgramItsIconAndTypes();
    void desktopFileValidateAcceptsTheEntry();
    void updateMimeDatabaseAcceptsTheTypes();
    void filesAreKnownByTheirNames_data();
    void filesAreKnownByTheirNames();
    void theProgramIsOfferedForItsTypes_data();
    void theProgramIsOfferedForItsTypes();
    void windowsShowTheInstalledIcon_data();
    void windowsShowTheInstalledIcon();

private:
    QString share(const QString &path) const { return m_prefix.filePath(QStringLiteral("share/") + path); }
    // The desktop as the installed tree makes it: its data first, nothing of the user's own.
    QProcessEnvironment desktop() const;

    QTemporaryDir m_prefix;
    QTemporaryDir m_home;
    QString m_name = ProductInfo::desktopFileName();
};

QProcessEnvironment TestDesktopEntry::desktop() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_DIRS"), share(QString()) + QStringLiteral(":/usr/share"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path());
    environment.insert(QStringLiteral("PATH"), m_prefix.filePath(QStringLiteral("bin")) + QLatin1Char(':')
                                                   + environment.value(QStringLiteral("PATH")));
    // Without a desktop, xdg-mime asks `file`, which knows no shared-mime-info package; on the
    // desktops whose file managers use GLib it asks gio, as they do.
    environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("GNOME"));
    return environment;
}

void TestDesktopEntry::initTestCase()
{
    const Run install = run(QStringLiteral(QUORVIL_CMAKE), {QStringLiteral("--install"),
                                                            QStringLiteral(QUORVIL_BUILD_DIR),
                                                            QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY2(install.exitCode == 0, qPrintable(install.output));
}

void TestDesktopEntry::installsWhereDesktopsLook()
{
    for (const QString &path : {QStringLiteral("applications/%1.desktop"),
                                QStringLiteral("icons/hicolor/scalable/apps/%1.svg"),
                                QStringLiteral("mime/packages/%1.xml")})
        QVERIFY2(QFileInfo(share(path.arg(m_name))).isFile(), qPrintable(path.arg(m_name)));
    // The install also built the caches that desktops read, where their tools are installed.
    if (!tool("update-mime-database").isEmpty())
        QVERIFY(QFileInfo(share(QStringLiteral("mime/mime.cache"))).isFile());
    if (!tool("update-desktop-database").isEmpty()) {
        QFile cache(share(QStringLiteral("applications/mimeinfo.cache")));
        QVERIFY(cache.open(QIODevice::ReadOnly));
        QVERIFY(cache.readAll().contains(m_name.toUtf8() + ".desktop"));
    }

    // The icon is a square drawing.
    QFile icon(share(QStringLiteral("icons/hicolor/scalable/apps/%1.svg").arg(m_name)));
    QVERIFY(icon.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&icon);
    QVERIFY(svg.readNextStartElement());
    QCOMPARE(svg.name(), QLatin1String("svg"));
    const QStringList box = svg.attributes().value(QLatin1String("viewBox")).toString().split(QLatin1Char(' '));
    QCOMPARE(box.size(), 4);
    QCOMPARE(box.at(2), box.at(3));
}

void TestDesktopEntry::entryNamesTheProgramItsIconAndTypes()
{
    const QHash<QString, QString> entry = desktopEntry(share(QStringLiteral("applications/%1.desktop").arg(m_name)));
    QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
    QCOMPARE(entry.value(QStringLiteral("Name")), ProductInfo::appName());
    for (const char *key : {"GenericName", "Comment", "Categories"})
        QVERIFY2(!entry.value(QString::fromLatin1(key)).isEmpty(), key);
    // The program it starts is the one installed, given one file.
    QCOMPARE(entry.value(QStringLiteral("Exec")), QStringLiteral("quorvil %f"));
    QVERIFY(QFileInfo(m_prefix.filePath(QStringLiteral("bin/quorvil"))).isExecutable());
    QCOMPARE(entry.value(QStringLiteral("Icon")), m_name);

    // It opens exactly the types the package declares, and each type is known by its
    // extension in both letter cases.
    const QMap<QString, QStringList> types = declaredTypes(share(QStringLiteral("mime/packages/%1.xml").arg(m_name)));
    QStringList opened = entry.value(QStringLiteral("MimeType")).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    opened.sort();
    QCOMPARE(opened, types.keys());
    const QMap<QString, QStringList> expected{
        {QStringLiteral("application/x-quorvil-charmap"), {QStringLiteral("*.QCM"), QStringLiteral("*.qcm")}},
        {QStringLiteral("application/x-quorvil-uniform-format"), {QStringLiteral("*.QUF"), QStringLiteral("*.quf")}}};
    QCOMPARE(types, expected);
}

void TestDesktopEntry::desktopFileValidateAcceptsTheEntry()
{
    if (tool("desktop-file-validate").isEmpty())
        QSKIP("needs desktop-file-validate (desktop-file-utils)");
    const Run validate = run(tool("desktop-file-validate"), {share(QStringLiteral("applications/%1.desktop").arg(m_name))});
    // Not even a hint.
    QVERIFY2(validate.exitCode == 0 && validate.output.isEmpty(), qPrintable(validate.output));
}

void TestDesktopEntry::updateMimeDatabaseAcceptsTheTypes()
{
    if (tool("update-mime-database").isEmpty())
        QSKIP("needs update-mime-database (shared-mime-info)");
    const Run update = run(tool("update-mime-database"), {share(QStringLiteral("mime"))}, desktop());
    QVERIFY2(update.exitCode == 0, qPrintable(update.output));
    QVERIFY2(!update.output.contains(QLatin1String("warning"), Qt::CaseInsensitive), qPrintable(update.output));
}

void TestDesktopEntry::filesAreKnownByTheirNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("type");
    const QByteArray map = "1,\"\"\r\n2,\"!\"\r\n3,\"xx\"\r\n";
    const QByteArray uniform = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Quorvil\\par}";
    QTest::newRow("map.QCM") << "map.QCM" << map << "application/x-quorvil-charmap";
    QTest::newRow("map.qcm") << "map.qcm" << map << "application/x-quorvil-charmap";
    QTest::newRow("text.QUF") << "text.QUF" << uniform << "application/x-quorvil-uniform-format";
    QTest::newRow("text.quf") << "text.quf" << uniform << "application/x-quorvil-uniform-format";
}

void TestDesktopEntry::filesAreKnownByTheirNames()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, type);
    if (tool("xdg-mime").isEmpty() || tool("gio").isEmpty())
        QSKIP("needs xdg-mime (xdg-utils) and gio (libglib2.0-bin)");
    QTemporaryDir folder;
    QFile file(folder.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    const Run query = run(tool("xdg-mime"), {QStringLiteral("query"), QStringLiteral("filetype"), file.fileName()},
                          desktop());
    QCOMPARE(query.output.trimmed(), type);
}

void TestDesktopEntry::theProgramIsOfferedForItsTypes_data()
{
    QTest::addColumn<QString>("type");
    QTest::newRow("custom map") << "application/x-quorvil-charmap";
    QTest::newRow("uniform format") << "application/x-quorvil-uniform-format";
}

void TestDesktopEntry::theProgramIsOfferedForItsTypes()
{
    QFETCH(QString, type);
    if (tool("gio").isEmpty())
        QSKIP("needs gio (libglib2.0-bin)");
    if (tool("update-desktop-database").isEmpty())
        QSKIP("needs update-desktop-database (desktop-file-utils), which the install runs");
    // The applications a GLib file manager lists for the type, its default first.
    const Run apps = run(tool("gio"), {QStringLiteral("mime"), type}, desktop());
    QVERIFY2(apps.exitCode == 0, qPrintable(apps.output));
    QVERIFY2(apps.output.contains(QStringLiteral("\t%1.desktop\n").arg(m_name)), qPrintable(apps.output));
}

void TestDesktopEntry::windowsShowTheInstalledIcon_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {32, 48, 128})
        QTest::addRow("%d", size) << size;
}

void TestDesktopEntry::windowsShowTheInstalledIcon()
{
    // The program draws its windows' icon itself; the picture is the one the desktop shows.
    QFETCH(int, size);
    if (tool("rsvg-convert").isEmpty())
        QSKIP("needs rsvg-convert (librsvg2-bin)");
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("icon.png"));
    const Run render = run(tool("rsvg-convert"), {QStringLiteral("-w"), QString::number(size), QStringLiteral("-h"),
                                                  QString::number(size), QStringLiteral("-o"), png,
                                                  share(QStringLiteral("icons/hicolor/scalable/apps/%1.svg").arg(m_name))});
    QVERIFY2(render.exitCode == 0, qPrintable(render.output));
    const QImage desktop = QImage(png).convertToFormat(QImage::Format_ARGB32);
    const QImage window = Pictures::programIcon().pixmap(QSize(size, size), 1).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(window.size(), desktop.size());
    // Two renderers differ at the edges of shapes, by a little: under one level in 255 on
    // average, where a colour a shade off or a stroke moved by a pixel makes more.
    qint64 difference = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb a = window.pixel(x, y), b = desktop.pixel(x, y);
            difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b))
                          + std::abs(qAlpha(a) - qAlpha(b));
        }
    }
    const double average = double(difference) / (size * size * 4);
    QVERIFY2(average < 1, qPrintable(QString::number(average)));
}

QUORVIL_TEST_MAIN(TestDesktopEntry)
#include "tst_desktopentry.moc"
